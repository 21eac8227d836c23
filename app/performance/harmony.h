#pragma once
// The twelve harmony effects: the notes, layer voices and lit keys each adds to a played slot.
#include "performance.h"

namespace piano {

struct ChordIntervals {
    int a;
    int b;
};

// Intervals of the triad built on pitch class 0..11 of an octave area.
ChordIntervals ChordFor(int pitchClass);

// Slot code 1..60 is a press, 61..120 a release (velocity 0); `pitch` is the note the slot sounds.
void PlayHarmony(Performance &p, int effect, int slotCode, int pitch, int velocity);
// The effect's notes and layer voices alone, nothing lit; `pitchClass` 0..11 places `pitch` in its area.
void SoundHarmony(Performance &p, int effect, int pitchClass, int pitch, int velocity);

}  // namespace piano
