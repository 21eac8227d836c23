// Take files (*.tkb): the recording buffer's own format, also the format of accompaniment patterns.
// Little-endian: 0x02 0x04, the constant 60000, L = 7 x events, then per event delta (uint32, 4 ms
// units), status, data1, data2.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine_state.h"

namespace nw {

inline constexpr size_t kTakeHeaderSize = 10;
inline constexpr size_t kTakeRecordSize = 7;
// A take larger than a pattern holds is cut to this many events when saved.
inline constexpr uint32_t kTakeSavedWhenTooMany = 4000;

std::vector<uint8_t> buildTakeFile(const EngineEvent *events, uint32_t count);

// Reads the records of a take file image into `pattern` (at most `capacity`). Records are read while
// fewer than L bytes have been consumed, until the image ends; a trailing partial record is dropped.
// Returns the number of records, or -1 when the image is too short to hold the header.
long parseTakeFile(const uint8_t *image, size_t size, EngineEvent *pattern, uint32_t capacity);

}  // namespace nw
