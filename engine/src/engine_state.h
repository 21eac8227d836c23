// The engine's whole state: one structure of fixed-size stores and fields. The library keeps one instance
// in static storage; tests make their own. Nothing here allocates.
#pragma once

#include <cstdint>

#include "notewire/notewire.h"

namespace nw {

// One record of the song store, the recording buffer and the accompaniment pattern.
struct EngineEvent {
    uint32_t delta;  // song: file ticks; buffer and pattern: units of 4 ms
    uint8_t status;  // 0xF0 system exclusive, 0xFF meta
    uint8_t data1;   // meta: its type
    uint8_t data2;
    uint8_t spare;   // travels in the packed event posted to the host; never set by the reader
    uint32_t tempo;  // microseconds per quarter note, tempo records only
};

inline constexpr uint32_t kSongCapacity = 1048575;
// Storing this many records ends a load with "file too big".
inline constexpr uint32_t kSongLoadLimit = 1048560;
// No song the store can hold comes near this size (its records, as channel events, take at most 7 bytes
// each in a file: about 7 MB); a larger file is refused from its size, without being read.
inline constexpr uint64_t kSongFileLimit = 64u << 20;
inline constexpr uint32_t kBufferCapacity = 65535;
// Events are appended only while the count is at most this (so at most 65,281 are stored).
inline constexpr uint32_t kRecordLastIndex = 0xFF00;
inline constexpr uint32_t kPatternCapacity = 4095;
inline constexpr uint32_t kMaxTracks = 255;
// Milliseconds an accompaniment pattern whose events all fall at the same time waits between passes.
inline constexpr uint32_t kTimelessPatternWait = 250;
// Pan the accompaniment is set to before each of its notes and when it stops: the middle, so it is
// heard on both sides (127 would put it hard right).
inline constexpr uint8_t kAccompPan = 64;

// A ring of sounding note-ons (status << 8 | note, 0 = empty) that lets the engine silence them.
template <int N>
struct NoteRing {
    static constexpr int kSlots = N;
    uint16_t slot[N];
    uint16_t cursor;
};

struct EngineState {
    // Device and host.
    int32_t deviceId;
    uint32_t clockId;  // non-zero once the clock has been started

    // States and modes.
    int32_t songState;
    int32_t bufferState;
    int32_t accompState;
    int32_t programMode;

    // Song playback parameters.
    uint32_t speed;
    uint32_t tempo;
    uint32_t division;
    uint16_t songTracks;  // track count of the loaded file's header, for tools
    uint16_t bendWord;
    int32_t songVelocityScale;
    uint32_t songLength;
    uint32_t songPosition;

    // Recording buffer.
    uint32_t recordCount;
    uint32_t bufferPosition;
    uint32_t recordTicks;  // ms since the last recorded event, counted by the clock while recording

    // Flags and channels.
    uint8_t echo;
    uint8_t recordSong;
    uint8_t recordAccomp;
    uint8_t keyboardChannel;
    uint8_t accompChannel;
    uint8_t roles[16];
    uint8_t channelPrograms[16];
    uint8_t songPrograms[16];

    // Accompaniment parameters.
    uint8_t accompProgram;
    uint8_t accompProgramFlag;
    uint8_t accompVelocityScale;
    uint8_t accompSpeed;
    uint8_t accompBend;
    uint8_t accompControllerNumber;
    uint8_t accompControllerValue;

    // Clock countdowns (ms until the section's next event).
    uint32_t songWait;
    uint32_t bufferWait;
    uint32_t accompWait;

    // Sounding notes.
    NoteRing<200> songRing;
    NoteRing<100> bufferRing;
    NoteRing<100> accompRing;

    // Pitch sent last per channel, and the accompaniment's last sent bend, controller value and number.
    uint32_t bendCache[16];
    uint32_t accompBendCache;
    uint32_t accompControllerValueCache;
    uint32_t accompControllerNumberCache;
    int32_t accompNoteCounter;
    uint8_t patternProgram;

    // Accompaniment pattern.
    uint32_t patternLength;
    uint32_t patternPosition;

    EngineEvent song[kSongCapacity];
    EngineEvent buffer[kBufferCapacity];
    EngineEvent pattern[kPatternCapacity];
};

}  // namespace nw
