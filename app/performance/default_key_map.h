#pragma once
// The key map shipped with the program: the computer keyboard laid out as a five-octave instrument.

#include "keyboard_state.h"

namespace piano {

// Slot voices and pitches (grand piano, slot n sounds 35 + n; note names as the program's lists give
// them, where 60 is C5), and on top of that:
//   F1..F12                         slots 1..12   (C3..B3)
//   Z S X D C V G B H N J M , L . ; /   slots 13..29 (C4..E5), white keys on the bottom row
//   Q 2 W 3 E R 5 T 6 Y 7 U I 9 O 0 P [ = ]   slots 25..44 (C5..G6)
//   \  then keypad 0..9 . + - * /   slots 45..60 (G#6..B7)
//   Insert Home PageUp Delete       select controller buttons 1..4
//   Left Down Up Right              controller steps 1, 6, 11, 16
// Every other key has no function. The controller buttons send reverb, chorus, brightness and the
// sustain pedal, and the layered effects pair the piano with strings, choir, pads, organ, brass and harp.
void BuildDefaultKeyMap(KeyboardState &state);

}  // namespace piano
