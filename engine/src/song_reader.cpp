#include "song_reader.h"

#include <algorithm>
#include <cstring>

#include "song_merge.h"
#include "song_messages.h"

namespace nw {
namespace {

uint32_t be32(const uint8_t *p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}
uint16_t be16(const uint8_t *p) {
    return uint16_t(p[0] << 8 | p[1]);
}
uint32_t le32(const uint8_t *p) {
    return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

// A RIFF "RMID" form carries the standard MIDI file in its "data" chunk. Other RIFF forms are left as
// they are (and refused as not MIDI). Returns the message that refuses the wrapper, or null.
const char *unwrapRiff(const uint8_t *&image, size_t &size) {
    if (size < 12 || std::memcmp(image, "RIFF", 4) != 0 || std::memcmp(image + 8, "RMID", 4) != 0)
        return nullptr;
    const uint64_t formEnd = std::min<uint64_t>(8 + uint64_t(le32(image + 4)), size);
    uint64_t offset = 12;
    while (offset + 8 <= formEnd) {
        const uint8_t *chunk = image + offset;
        const uint64_t length = le32(chunk + 4);
        if (std::memcmp(chunk, "data", 4) == 0) {
            if (offset + 8 + length > formEnd) return song_message::kRiffSize;
            image = chunk + 8;
            size = size_t(length);
            return nullptr;
        }
        offset += 8 + length + (length & 1);  // chunks are padded to an even length
    }
    return song_message::kRiffSize;
}

}  // namespace

SongReadResult readSong(const uint8_t *image, size_t size, EngineEvent *song, uint8_t *roles) {
    SongReadResult result;
    if (size < 8) {
        result.error = song_message::kFileSize;
        return result;
    }
    if ((result.error = unwrapRiff(image, size))) return result;
    if (size < 8 || std::memcmp(image, "MThd", 4) != 0) {
        result.error = size < 8 ? song_message::kFileSize : song_message::kNotMidi;
        return result;
    }
    const uint32_t headerLength = be32(image + 4);
    if (headerLength < 6 || headerLength > size - 8) {
        result.error = song_message::kHeaderSize;
        return result;
    }
    result.format = be16(image + 8);
    result.tracks = be16(image + 10);
    result.division = be16(image + 12);
    if (result.tracks > kMaxTracks) {
        result.error = song_message::kTooManyTracks;
        return result;
    }

    // The first track is taken right after a 6-byte header, whatever length the header declares.
    TrackCursor tracks[kMaxTracks];
    size_t offset = 14;
    for (int t = 0; t < result.tracks; ++t) {
        if (size - offset < 8) {
            result.error = song_message::kTrackSize;
            return result;
        }
        const uint8_t *chunk = image + offset;
        if (std::memcmp(chunk, "MTrk", 4) != 0) {
            result.error = song_message::kNotTrack;
            return result;
        }
        const uint32_t length = be32(chunk + 4);
        if (length > size - offset - 8) {
            result.error = song_message::kTrackSize;  // the track runs past the end of the file
            return result;
        }
        tracks[t] = TrackCursor{chunk + 8, chunk + 8 + length, 0, 0, 0, 0, length != 0};
        offset += 8 + size_t(length);
    }

    std::fill(roles, roles + 16, uint8_t(CH_FREE));
    result.mergeStarted = true;
    result.error = mergeTracks(tracks, result.tracks, song, roles, result.records);
    return result;
}

}  // namespace nw
