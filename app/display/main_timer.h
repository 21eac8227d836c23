#pragma once

#include <cstdint>

struct Program;

// The main window's 50 ms timer and the messages the engine posts to the window.
namespace MainTimer {

// A buffer holding more events than this is full.
constexpr int kBufferFullCount = 65024;

// One tick; `windowActive` tells whether the main window has the keyboard.
void tick(Program &program, bool windowActive);
// The sent messages, song program changes and song controller changes the engine reports.
void engineMessage(Program &program, uint32_t message, uint32_t wparam, uint32_t lparam);
// The function dialog's channel list: voice and role of every channel. Nothing without the dialog.
void refreshChannelList(Program &program);
// Unlights and silences every key, so none hangs while the keyboard is elsewhere.
void releaseAllKeys(Program &program);

}  // namespace MainTimer
