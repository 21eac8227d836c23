// Merging the tracks of a song into the one time-ordered song store.
#pragma once

#include <cstdint>

#include "engine_state.h"
#include "smf_track.h"

namespace nw {

// Appends every event of every track to `song` (kSongCapacity records), earliest first; events at the
// same time go in track order (lowest first), and a track's own events in file order. Every channel that
// carries a channel message becomes a song channel in `roles`. Returns null, or the message that refuses
// the file. `records` counts what was stored, also when the merge stops early.
const char *mergeTracks(TrackCursor *tracks, int count, EngineEvent *song, uint8_t *roles, uint32_t &records);

}  // namespace nw
