#pragma once
// Playing from a MIDI keyboard: what comes in on the engine's input port, played as a press of the
// computer keys would be, with the area voices, the harmony effect, the lit keys and recording.
#include <cstdint>

#include "performance.h"

namespace piano {

// One packed channel message from the input (status | data1 << 8 | data2 << 16). Notes, the sustain
// pedal, modulation and pitch bend are played on the keyboard channel; other messages are ignored.
void HandleMidiInput(Performance &p, uint32_t packed);

// A note-on velocity as the keyboard-volume slider scales it: unchanged at the slider's default place.
int ScaledMidiVelocity(int velocity, int keyboardVelocity);

// Ends every note the MIDI keyboard still sounds, as its note-off would, and lifts its pedal.
void ReleaseMidiNotes(Performance &p);

}  // namespace piano
