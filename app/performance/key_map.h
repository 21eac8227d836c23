#pragma once
// Computer keys and note slots: what a key press or release plays, and the messages a slot sends.
#include <cstdint>

#include "performance.h"

namespace piano {

enum class TriggerMode {
    Play,  // sound and draw
    Echo   // draw only, never over a slot the user holds
};

// Virtual-key code of a key press or release seen by the main window.
void KeyDown(Performance &p, int code);
void KeyUp(Performance &p, int code);

// Slot code 1..60 presses slot n = code, 61..120 releases slot code - 60; others do nothing.
void TriggerSlot(Performance &p, int slotCode, TriggerMode mode);

// Controller refresh, program change, harmony, then the note itself.
void SendSlotNote(Performance &p, int pitch, int program, int slotCode, int velocity);

// Silently turns off every slot's pitch (twice each), without recording.
void SilenceKeyboard(Performance &p);

// The keyboard sender; messages with a data byte outside 0..127 are not sent.
void SendKeyboardMessage(const Performance &p, int status, int data1, int data2);

}  // namespace piano
