#pragma once
// The key map exchange file: 370 bytes holding the slot voices, the slot pitches without the last
// slot's, and the function of every virtual-key code 0..249.
#include <string>

#include "keyboard_state.h"

namespace piano {

constexpr int kKeyMapFileSize = 370;

enum class KeyMapLoad {
    Read,         // the map (or as much of it as the file holds) is in force
    CannotOpen,   // missing, unreadable or not a file: nothing changed
    KeyboardFile  // the program's own keyboard-state file, laid out differently: nothing changed
};

// Writes the map over the first 370 bytes, creating the file if needed and keeping any longer tail; the
// file is replaced whole or not at all. False when it cannot be written.
bool SaveKeyMapFile(const KeyboardState &state, const std::string &path);
// Reads as much of the map as the file holds; the rest of `state` keeps its values. A read-only file
// loads; a file of the keyboard-state file's size is refused, since reading it as a map would scramble
// every key.
KeyMapLoad LoadKeyMapFile(KeyboardState &state, const std::string &path);

}  // namespace piano
