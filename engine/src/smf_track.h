// Reading the events of one track chunk. Every read is bounded by the chunk's declared data, so a damaged
// track is refused instead of being read past its end or into the next chunk.
#pragma once

#include <cstdint>

namespace nw {

// Why a track could not be read; the reader turns each into the message that fits where it happened.
enum class TrackError : uint8_t {
    None,
    Delta,          // a delta time runs past the track
    Event,          // an event's data bytes run past the track
    RunningStatus,  // a data byte where a status was due and no status to repeat, or an undefined status
    SysexLength,    // a system exclusive length or its data runs past the track
    MetaLength,     // a meta type, length or data runs past the track, or a tempo shorter than 3 bytes
};

struct TrackCursor {
    const uint8_t *pos;  // next unread byte
    const uint8_t *end;  // one past the chunk's data
    uint64_t time;       // absolute tick of the track's last event
    uint32_t nextDelta;  // peeked delta of the next event
    uint8_t nextDeltaBytes;
    uint8_t running;  // running status, 0 = none yet
    bool active;      // false once the end of track is read, or when there is nothing left to read
};

// One parsed event as it goes into the song store. System exclusive and meta events keep data1/data2 of
// the record before them (a meta event replaces data1 with its type), so the caller passes those in.
struct TrackEvent {
    uint8_t status;
    uint8_t data1;
    uint8_t data2;
    bool isTempo;
    bool endOfTrack;
    uint32_t tempo;
};

// A variable-length quantity: 7 bits per byte, most significant first. Values wider than 32 bits keep
// their low 32 bits. False when it runs past end.
inline bool readVlq(const uint8_t *&p, const uint8_t *end, uint32_t &value) {
    uint32_t v = 0;
    for (const uint8_t *q = p; q < end; ++q) {
        v = v << 7 | (*q & 0x7F);
        if (!(*q & 0x80)) {
            value = v;
            p = q + 1;
            return true;
        }
    }
    return false;
}

// Peeks the next delta into the cursor. A track that has been read to its last byte without an end of
// track simply ends there. Returns false when the delta itself runs past the track.
bool peekDelta(TrackCursor &track);

// Parses the event after the peeked delta (which it consumes and adds to the track's time).
TrackError readEvent(TrackCursor &track, TrackEvent &event);

}  // namespace nw
