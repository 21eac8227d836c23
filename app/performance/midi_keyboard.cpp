#include "midi_keyboard.h"

#include <algorithm>
#include <cstdlib>

#include "harmony.h"
#include "key_map.h"
#include "sliders.h"

namespace piano {
namespace {

constexpr int kModulation = 1;
constexpr int kSustainPedal = 64;

// The first slot that sounds `pitch`, or 0.
int slotSounding(Performance &p, int pitch) {
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (p.state.slotPitch(slot) == pitch) return slot;
    return 0;
}

// The slot whose pitch is nearest (the lower one of two as near): its area's voice and scale serve a
// note that no slot sounds.
int nearestSlot(Performance &p, int pitch) {
    int best = 1;
    for (int slot = 2; slot <= kSlotCount; ++slot)
        if (std::abs(p.state.slotPitch(slot) - pitch) < std::abs(p.state.slotPitch(best) - pitch))
            best = slot;
    return best;
}

void sendNote(Performance &p, const MidiNote &note, int program, int velocity) {
    SendChangedControllers(p);
    SendKeyboardMessage(p, NW_PROGRAM_CHANGE, program, 0);
    SoundHarmony(p, note.press.effect, note.pitchClass, note.press.pitch, velocity);
    SendKeyboardMessage(p, NW_NOTE_ON, note.press.pitch, velocity);
}

void noteOff(Performance &p, int pitch) {
    MidiNote &note = p.midiNotes[pitch];
    if (!note.press.sounding) return;  // already ended (silenced, or a second note-off)
    if (note.slot != 0) {
        ReleaseSlot(p, note.slot, note.press);
        return;
    }
    sendNote(p, note, kReleaseProgram, 0);
    note.press.sounding = false;
}

void noteOn(Performance &p, int pitch, int velocity) {
    if (p.hooks.setDisplayView) p.hooks.setDisplayView(kLevelMeterView);
    // A note-on for a note still sounding ends the first one: one note-off must leave nothing behind.
    noteOff(p, pitch);
    MidiNote &note = p.midiNotes[pitch];
    const int v = ScaledMidiVelocity(velocity, p.keyboardVelocity);
    if (const int slot = slotSounding(p, pitch)) {
        note = {};
        note.slot = uint8_t(slot);
        PressSlot(p, slot, note.press, v);
        return;
    }
    const int nearest = nearestSlot(p, pitch);
    const int areaStart = (nearest - 1) / 12 * 12 + 1;
    note.slot = 0;
    note.press = {true, uint8_t(pitch), uint8_t(p.harmonyEffect)};
    note.pitchClass = uint8_t(((pitch - p.state.slotPitch(areaStart)) % 12 + 12) % 12);
    sendNote(p, note, p.state.slotVoice(nearest), v);
}

void controlChange(Performance &p, int controller, int value) {
    if (controller != kSustainPedal && controller != kModulation) return;
    if (controller == kSustainPedal) p.midiSustain = value >= 64;
    SendKeyboardMessage(p, NW_CONTROL_CHANGE, controller, value);
}

}  // namespace

int ScaledMidiVelocity(int velocity, int keyboardVelocity) {
    if (keyboardVelocity <= 0) return 0;
    const int scaled =
        (velocity * keyboardVelocity + kDefaultKeyboardVelocity / 2) / kDefaultKeyboardVelocity;
    return std::clamp(scaled, 1, 127);
}

void HandleMidiInput(Performance &p, uint32_t packed) {
    const int status = packed & 0xFF;
    const int data1 = packed >> 8 & 0x7F;
    const int data2 = packed >> 16 & 0x7F;
    switch (NW_MIDI_KIND(status)) {
        case NW_NOTE_ON:
            if (data2 > 0) {
                noteOn(p, data1, data2);
                break;
            }
            [[fallthrough]];
        case NW_NOTE_OFF:
            noteOff(p, data1);
            break;
        case NW_CONTROL_CHANGE:
            controlChange(p, data1, data2);
            break;
        case NW_PITCH_BEND:
            SendKeyboardMessage(p, NW_PITCH_BEND, data1, data2);
            break;
        default:
            break;
    }
}

void ReleaseMidiNotes(Performance &p) {
    for (int pitch = 0; pitch < 128; ++pitch)
        noteOff(p, pitch);
    if (p.midiSustain) controlChange(p, kSustainPedal, 0);
}

}  // namespace piano
