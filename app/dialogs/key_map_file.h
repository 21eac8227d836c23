#pragma once
// The key map exchange file: 370 bytes holding the slot voices, the slot pitches without the last
// slot's, and the function of every virtual-key code 0..249.
#include <string>

#include "keyboard_state.h"

namespace piano {

constexpr int kKeyMapFileSize = 370;

// Writes the map over the first 370 bytes, creating the file if needed and keeping any longer tail.
// False when the file cannot be opened for writing.
bool SaveKeyMapFile(const KeyboardState &state, const std::string &path);
// Reads as much of the map as the file holds; the rest of `state` keeps its values. False when the
// file cannot be opened for reading and writing (nothing is read then).
bool LoadKeyMapFile(KeyboardState &state, const std::string &path);

}  // namespace piano
