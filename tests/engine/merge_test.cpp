// The merge against a plain transcription of the order it must produce: for each stored event, every
// track is scanned for the earliest next event, the lowest-numbered track winning a tie.
#include <gtest/gtest.h>

#include <random>

#include "song_reader.h"
#include "song_support.h"

namespace nw::test {
namespace {

struct GenEvent {
    uint32_t delta;
    Bytes bytes;  // as written after the delta
    uint8_t status, data1, data2;
    bool keepsData1, keepsData2;  // system exclusive keeps both of the previous record, meta keeps data2
    bool end;
    uint32_t tempo;
};

struct Expected {
    uint32_t delta;
    uint8_t status, data1, data2;
    uint32_t tempo;  // 0 unless a tempo record
    bool operator==(const Expected &) const = default;
};

// Random tracks with many ties: small deltas, mostly 0; some tracks empty, some ending early without an
// end event, some running status.
std::vector<std::vector<GenEvent>> generate(std::mt19937 &rng, int trackCount) {
    auto pick = [&](int n) { return int(rng() % uint32_t(n)); };
    const uint32_t deltas[] = {0, 0, 0, 1, 1, 2, 5, 96, 1000, 200000};
    std::vector<std::vector<GenEvent>> tracks(static_cast<size_t>(trackCount));
    for (auto &track : tracks) {
        const int kind = pick(8);
        if (kind == 0) continue;  // a zero-length track
        const int n = pick(40);
        uint8_t running = 0;
        for (int i = 0; i < n; ++i) {
            GenEvent e{deltas[pick(10)], {}, 0, 0, 0, false, false, false, 0};
            switch (pick(6)) {
                case 0:
                case 1: {
                    const uint8_t status =
                        uint8_t(0x80 + 0x10 * pick(3) + pick(16));  // note off/on, aftertouch
                    e.status = status;
                    e.data1 = uint8_t(pick(128));
                    e.data2 = uint8_t(pick(128));
                    if (status != running) e.bytes.push_back(status);
                    e.bytes.insert(e.bytes.end(), {e.data1, e.data2});
                    running = status;
                    break;
                }
                case 2: {
                    const uint8_t status = uint8_t((pick(2) ? 0xC0 : 0xD0) + pick(16));
                    e.status = status;
                    e.data1 = uint8_t(pick(128));
                    if (status != running) e.bytes.push_back(status);
                    e.bytes.push_back(e.data1);
                    running = status;
                    break;
                }
                case 3:
                    e.status = 0xFF;
                    e.data1 = 0x51;
                    e.keepsData2 = true;
                    e.tempo = uint32_t(rng() & 0xFFFFFF);
                    e.bytes = {
                        0xFF, 0x51, 3, uint8_t(e.tempo >> 16), uint8_t(e.tempo >> 8), uint8_t(e.tempo)};
                    break;
                case 4:
                    e.status = 0xFF;
                    e.data1 = 0x01;
                    e.keepsData2 = true;
                    e.bytes = {0xFF, 0x01, 2, 'a', 'b'};
                    break;
                case 5:
                    e.status = 0xF0;
                    e.keepsData1 = e.keepsData2 = true;
                    e.bytes = {0xF0, 3, 0x7E, 0x01, 0xF7};
                    break;
            }
            track.push_back(e);
        }
        if (kind != 1) {  // kind 1: the track ends without its end event
            GenEvent end{deltas[pick(10)], {0xFF, 0x2F, 0}, 0xFF, 0x2F, 0, false, true, true, 0};
            track.push_back(end);
        }
    }
    return tracks;
}

Bytes serialise(const std::vector<std::vector<GenEvent>> &tracks) {
    Bytes out = smfHeader(uint16_t(tracks.size()), 96);
    for (const auto &track : tracks) {
        Track t;
        for (const GenEvent &e : track) {
            appendVlqBytes(t.data, e.delta);
            t.data.insert(t.data.end(), e.bytes.begin(), e.bytes.end());
        }
        appendTrackChunk(out, t.data);
    }
    return out;
}

// The merge as a scan over all tracks per event.
std::vector<Expected> scanMerge(const std::vector<std::vector<GenEvent>> &tracks) {
    const size_t n = tracks.size();
    std::vector<uint32_t> time(n, 0);
    std::vector<size_t> next(n, 0);
    std::vector<bool> active(n);
    for (size_t t = 0; t < n; ++t)
        active[t] = !tracks[t].empty();
    std::vector<Expected> out;
    uint32_t lastTime = 0;
    uint8_t data1 = 0, data2 = 0;
    for (;;) {
        uint32_t candidate = active[0] ? time[0] + tracks[0][next[0]].delta : 0xFFFFFFF0u;
        size_t selected = 0, ended = 0;
        for (size_t t = n; t-- > 0;) {
            if (!active[t]) {
                ++ended;
                continue;
            }
            const uint32_t at = time[t] + tracks[t][next[t]].delta;
            if (candidate >= at) {
                selected = t;
                candidate = at;
            }
        }
        if (ended == n) return out;
        const GenEvent &e = tracks[selected][next[selected]++];
        time[selected] += e.delta;
        if (e.end || next[selected] == tracks[selected].size()) active[selected] = false;
        if (!e.keepsData1) data1 = e.data1;
        if (!e.keepsData2) data2 = e.data2;
        out.push_back({time[selected] - lastTime, e.status, data1, data2,
                       e.status == 0xFF && e.data1 == 0x51 ? e.tempo : 0});
        lastTime = time[selected];
    }
}

TEST(Merge, MatchesTheTrackScanOnGeneratedSongs) {
    auto state = std::make_unique<EngineState>();
    std::mt19937 rng(20261210);
    for (int round = 0; round < 300; ++round) {
        const int trackCount = round < 200 ? 1 + int(rng() % 24) : 200 + int(rng() % 56);
        const auto tracks = generate(rng, trackCount);
        const Bytes file = serialise(tracks);
        const std::vector<Expected> expected = scanMerge(tracks);

        SongReadResult r = readSong(file.data(), file.size(), *state);
        ASSERT_EQ(r.error, nullptr) << "round " << round;
        std::vector<Expected> got;
        for (uint32_t i = 0; i < r.records; ++i) {
            const EngineEvent &e = state->song[i];
            const bool tempo = e.status == 0xFF && e.data1 == 0x51;
            got.push_back({e.delta, e.status, e.data1, e.data2, tempo ? e.tempo : 0});
        }
        ASSERT_EQ(got, expected) << "round " << round << ", " << trackCount << " tracks";
    }
}

}  // namespace
}  // namespace nw::test
