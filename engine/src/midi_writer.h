// The recording buffer as a standard MIDI file: format 1, one track, division 120, no tempo event.
#pragma once

#include <cstdint>
#include <vector>

#include "engine_state.h"

namespace nw {

// Deltas beyond the 4-byte form are written as its largest value, 0x0FFFFFFF.
inline constexpr uint32_t kMaxVlq = 0x0FFFFFFF;

// Appends value as a variable-length quantity of 1 to 4 bytes.
void appendVlq(std::vector<uint8_t> &out, uint32_t value);

// The whole file. System messages (status 0xF0 and above) have no place in a track and are left out;
// their time is carried to the next event.
std::vector<uint8_t> buildMidiFile(const EngineEvent *events, uint32_t count);

}  // namespace nw
