// After a jump in the song (seek, skip, resume) the channels are given the settings in force at the new
// position: per channel the last program, the last value of each controller used, the last channel
// pressure and the last pitch bend, each once, and the tempo in force is taken up. Sending the song's
// whole history instead would cost one message per event before the position (hundreds of thousands
// on a long song full of bends) with the lock held.
#include <algorithm>
#include <cstring>

#include "engine.h"

namespace nw {
namespace {

// Per channel: 128 controllers, then the program, the channel pressure and the pitch bend.
constexpr int kProgramSlot = 128;
constexpr int kPressureSlot = 129;
constexpr int kBendSlot = 130;
constexpr int kSlotsPerChannel = 131;
constexpr uint32_t kNone = UINT32_MAX;
constexpr uint32_t kDefaultTempo = 500000;

bool isTempoRecord(const EngineEvent &e) {
    return e.status == 0xFF && e.data1 == 0x51;
}

int slotOf(const EngineEvent &e) {
    switch (e.status & 0xF0) {
        case 0xB0:
            return e.data1 & 0x7F;
        case 0xC0:
            return kProgramSlot;
        case 0xD0:
            return kPressureSlot;
        case 0xE0:
            return kBendSlot;
        default:
            return -1;  // notes and polyphonic pressure belong to notes that no longer sound
    }
}

}  // namespace

uint32_t tempoInForceAt(const EngineState &s, uint32_t position) {
    for (uint32_t i = std::min(position, s.songLength); i > 0; --i)
        if (isTempoRecord(s.song[i - 1])) return s.song[i - 1].tempo;
    return kDefaultTempo;
}

void Engine::seekReplay(uint32_t upTo) {
    s_.songWait = 0;
    if (songStoreBusy_) return;
    const uint32_t end = std::min(upTo, s_.songLength);

    // Where each setting was last made before the position.
    uint32_t last[16][kSlotsPerChannel];
    std::fill(&last[0][0], &last[0][0] + 16 * kSlotsPerChannel, kNone);
    for (uint32_t i = 0; i < end; ++i) {
        const EngineEvent &e = s_.song[i];
        if (e.status < 0xB0 || e.status > 0xEF) continue;
        const int slot = slotOf(e);
        if (slot >= 0) last[e.status & 0x0F][slot] = i;
    }
    s_.tempo = tempoInForceAt(s_, end);

    // Sent in the order they were made, so that a data entry still follows the parameter number it
    // was meant for.
    uint32_t settings[16 * kSlotsPerChannel];
    uint32_t count = 0;
    for (const auto &channel : last)
        for (uint32_t index : channel)
            if (index != kNone) settings[count++] = index;
    std::sort(settings, settings + count);
    for (uint32_t n = 0; n < count; ++n) {
        const EngineEvent &e = s_.song[settings[n]];
        if ((e.status & 0xF0) == 0xC0 && s_.programMode != PROG_USER)
            s_.songPrograms[e.status & 0x0F] = e.data1;
        route(Route::Plain, e.status, e.data1, e.data2);
    }
}

}  // namespace nw
