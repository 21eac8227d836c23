#include "harmony.h"

#include "key_map.h"
#include "keyboard_view.h"

namespace piano {
namespace {

constexpr ChordIntervals kChordTable[12] = {{4, 7}, {5, 9}, {3, 7},  {5, 10}, {3, 7},  {4, 7},
                                            {4, 9}, {4, 7}, {5, 10}, {3, 7},  {5, 10}, {3, 6}};

// Lights (on a press) or unlights (on a release) the key `offset` slots above, if it is on the keyboard.
void lightAbove(Performance &p, int c, int offset) {
    const int code = c + offset;
    const int limit = c <= kSlotCount ? kSlotCount : 2 * kSlotCount;
    if (code <= limit) DrawKey(p, code);
}

void noteOn(Performance &p, int pitch, int velocity) {
    SendKeyboardMessage(p, NW_NOTE_ON, pitch, velocity);
}

// Effects 2 and 3 sound a plain interval, but the lit key follows the white keys of the area.
int fourthKeyOffset(int k) {
    return k == 5 ? 6 : k == 6 ? 4 : 5;
}
int sixthKeyOffset(int k) {
    if (k == 3 || k == 8 || k == 10) return 10;
    if (k == 4 || k == 9 || k == 11) return 8;
    return 9;
}

}  // namespace

ChordIntervals ChordFor(int pitchClass) {
    return kChordTable[pitchClass % 12];
}

void PlayHarmony(Performance &p, int e, int c, int pitch, int v) {
    if (c < 1 || c > 2 * kSlotCount) return;
    const int slot = c <= kSlotCount ? c : c - kSlotCount;
    const int k = (slot - 1) % 12;
    switch (e) {
        case 1:
            lightAbove(p, c, 12);
            break;
        case 2:
            lightAbove(p, c, fourthKeyOffset(k));
            break;
        case 3:
            lightAbove(p, c, sixthKeyOffset(k));
            break;
        case 4:
            lightAbove(p, c, ChordFor(k).a);
            lightAbove(p, c, ChordFor(k).b);
            break;
        case 5:
            lightAbove(p, c, 12);
            lightAbove(p, c, 24);
            break;
        default:
            break;
    }
    SoundHarmony(p, e, k, pitch, v);
}

void SoundHarmony(Performance &p, int e, int pitchClass, int pitch, int v) {
    switch (e) {
        case 1:
            noteOn(p, pitch + 12, v);
            break;
        case 2:
            noteOn(p, pitch + 5, v);
            break;
        case 3:
            noteOn(p, pitch + 9, v);
            break;
        case 4: {
            const ChordIntervals chord = ChordFor(pitchClass);
            noteOn(p, pitch + chord.a, v);
            noteOn(p, pitch + chord.b, v);
            break;
        }
        case 5:
            noteOn(p, pitch + 12, v);
            noteOn(p, pitch + 24, v);
            break;
        case 6:
        case 7:
        case 8:
        case 9:
        case 10:
        case 11:
            SendKeyboardMessage(p, NW_PROGRAM_CHANGE, p.state.chordVoice1(e), 0);
            noteOn(p, pitch, v);
            SendKeyboardMessage(p, NW_PROGRAM_CHANGE, p.state.chordVoice2(e), 0);
            noteOn(p, pitch, v);
            break;
        default:
            break;
    }
}

}  // namespace piano
