#include "smf_track.h"

namespace nw {

bool peekDelta(TrackCursor &track) {
    if (!track.active) return true;
    if (track.pos >= track.end) {
        track.active = false;
        return true;
    }
    const uint8_t *p = track.pos;
    if (!readVlq(p, track.end, track.nextDelta)) return false;
    track.nextDeltaBytes = uint8_t(p - track.pos);
    return true;
}

TrackError readEvent(TrackCursor &track, TrackEvent &event) {
    track.pos += track.nextDeltaBytes;
    track.time += track.nextDelta;
    event.isTempo = false;
    event.endOfTrack = false;
    const uint8_t *end = track.end;
    const uint8_t *&p = track.pos;
    if (p >= end) return TrackError::Event;

    uint8_t status = *p;
    if (status < 0x80) {
        // Running status: this byte is already data1.
        if (track.running == 0) return TrackError::RunningStatus;
        status = track.running;
    } else {
        ++p;
    }

    if (status < 0xF0) {
        const bool oneByte = status >= 0xC0 && status <= 0xDF;
        if (end - p < (oneByte ? 1 : 2)) return TrackError::Event;
        event.status = status;
        event.data1 = p[0];
        event.data2 = oneByte ? 0 : p[1];
        p += oneByte ? 1 : 2;
        track.running = status;
        return TrackError::None;
    }

    uint32_t length = 0;
    if (status == 0xF0 || status == 0xF7) {
        // A system exclusive message or escape: skipped, stored as one system exclusive record.
        if (!readVlq(p, end, length) || uint64_t(end - p) < length) return TrackError::SysexLength;
        p += length;
        event.status = 0xF0;
        return TrackError::None;
    }
    if (status != 0xFF)
        return TrackError::RunningStatus;  // system common and real-time bytes have no place here

    if (p >= end) return TrackError::MetaLength;
    const uint8_t type = *p++;
    if (!readVlq(p, end, length) || uint64_t(end - p) < length) return TrackError::MetaLength;
    event.status = 0xFF;
    event.data1 = type;
    if (type == 0x51) {
        if (length < 3) return TrackError::MetaLength;
        event.isTempo = true;
        event.tempo = uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
    p += length;
    if (type == 0x2F) {
        event.endOfTrack = true;
        track.active = false;
    }
    return TrackError::None;
}

}  // namespace nw
