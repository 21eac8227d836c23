// Whole-file reads and writes for the engine's song, take and MIDI files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace nw {

enum class ReadFileStatus { Ok, CannotOpen, TooBig, NoMemory, ShortRead };

struct FileImage {
    std::unique_ptr<uint8_t[]> bytes;  // the only allocation of a read
    size_t size = 0;
};

// Reads a regular file of at most `maxSize` bytes whole into one block. Anything but a regular file (a
// named pipe, a device, a folder) cannot be opened: it is refused before it is opened, since opening or
// reading it could wait for ever. A larger file is refused from its size, unread.
ReadFileStatus readWholeFile(const char *path, FileImage &image, size_t maxSize);

// Reads at most `capacity` bytes from the start of a regular file; returns the count, or -1 when it is
// not a regular file or cannot be opened or read.
long readFileStart(const char *path, uint8_t *buffer, size_t capacity);

// Writes the bytes to a new file beside `path` and renames it over `path`, so a failed save (folder
// gone, no permission, disk full) never leaves a half-written file. An existing file keeps its mode; a
// symbolic link keeps pointing where it did, at the new contents.
bool writeFileReplacing(const char *path, const uint8_t *bytes, size_t size);

}  // namespace nw
