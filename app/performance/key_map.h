#pragma once
// Computer keys and note slots: what a key press or release plays, and the messages a slot sends.
#include <cstdint>

#include "performance.h"

namespace piano {

// A played note shows the level meter; a note is ended by this program change and a note-on of velocity 0.
constexpr int kLevelMeterView = 3;
constexpr int kReleaseProgram = 1;

enum class TriggerMode {
    Play,  // sound and draw
    Echo   // draw only, never over a slot the user holds
};

enum class KeyStroke {
    First,  // the key went down
    Repeat  // keyboard auto-repeat of a key that stays down
};

// Virtual-key code of a key press or release seen by the main window.
void KeyDown(Performance &p, int code, KeyStroke kind = KeyStroke::First);
void KeyUp(Performance &p, int code);

// Slot code 1..60 presses slot n = code, 61..120 releases slot code - 60; others do nothing.
void TriggerSlot(Performance &p, int slotCode, TriggerMode mode);

// The on-screen keyboard's one mouse key: pressed and released apart from the computer keys.
void PressMouseSlot(Performance &p, int slot);
void ReleaseMouseSlot(Performance &p, int slot);

// A press of `slot` at `velocity`, remembered in `press` so that its release ends exactly what it sent
// whatever changed in between; the release sends the slot's own pitch when nothing was remembered.
void PressSlot(Performance &p, int slot, SoundingPress &press, int velocity);
void ReleaseSlot(Performance &p, int slot, SoundingPress &press);

// Controller refresh, program change, harmony, then the note itself.
void SendSlotNote(Performance &p, int pitch, int program, int slotCode, int velocity);

// Sends each controller button's value that the synthesizer has not had yet.
void SendChangedControllers(Performance &p);
// After the engine reset or reopened its device: every button's value goes out before the next note.
void ForgetControllersSent(Performance &p);

// Ends everything the keyboard has sounding: releases every remembered press (harmony and layers
// included, the MIDI keyboard's too), lifts a pressed hold pedal, forgets which keys are held, and turns off
// every slot's pitch twice through the silent sender.
void SilenceKeyboard(Performance &p);

// The keyboard sender; messages with a data byte outside 0..127 are not sent.
void SendKeyboardMessage(const Performance &p, int status, int data1, int data2);

}  // namespace piano
