// The song reader: turns the image of a standard MIDI file (bare, or wrapped in a RIFF "RMID" form)
// into the song store and the song's channel roles. It reads nothing outside the image.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine_state.h"

namespace nw {

struct SongReadResult {
    const char *error = nullptr;  // the message that refuses the file, or null
    bool mergeStarted = false;    // the store and the channel roles have been written to
    uint32_t records = 0;         // records stored
    uint16_t format = 0;
    uint16_t tracks = 0;
    uint16_t division = 0;
};

// Fills `song` (kSongCapacity records) from index 0 and sets the 16 `roles`: every channel free, then
// each channel that carries a channel message a song channel. Touches nothing else.
SongReadResult readSong(const uint8_t *image, size_t size, EngineEvent *song, uint8_t *roles);

// The same into s.song and s.roles.
inline SongReadResult readSong(const uint8_t *image, size_t size, EngineState &s) {
    return readSong(image, size, s.song, s.roles);
}

}  // namespace nw
