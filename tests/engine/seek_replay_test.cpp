// A jump in the song (seek, skip, resume) gives the channels the settings in force at the new position
// (last program, last value of each controller, last channel pressure, last bend) and takes up the
// tempo in force, instead of sending every event before the position.
#include <gtest/gtest.h>

#include <map>

#include "song_support.h"

namespace nw::test {
namespace {

constexpr uint32_t kBends = 200000;

// A song whose head sets up channels 0 and 1 (a bend range through its parameter number, then the
// volume twice), followed by 200,000 pitch bends over channels 0 to 3 with a tempo change and a
// program change now and then.
void putBendDenseSong(EngineState &s) {
    const EngineEvent head[] = {
        {0, 0xC0, 10, 0, 0, 0},  {0, 0xB0, 101, 0, 0, 0}, {0, 0xB0, 100, 0, 0, 0}, {0, 0xB0, 6, 12, 0, 0},
        {0, 0xB1, 7, 100, 0, 0}, {0, 0xD1, 33, 0, 0, 0},  {0, 0xB1, 7, 90, 0, 0},  {0, 0x91, 60, 100, 0, 0},
    };
    uint32_t n = 0;
    for (const EngineEvent &e : head)
        s.song[n++] = e;
    for (uint32_t i = 0; i < kBends; ++i) {
        if (i % 50000 == 25000) s.song[n++] = {0, 0xFF, 0x51, 0, 0, 400000 + i};
        if (i % 70000 == 1) s.song[n++] = {0, uint8_t(0xC0 + i % 4), uint8_t(i % 128), 0, 0, 0};
        s.song[n++] = {1, uint8_t(0xE0 + i % 4), uint8_t(i % 128), uint8_t(i / 128 % 128), 0, 0};
    }
    s.songLength = n;
    for (int c = 0; c < 4; ++c)
        s.roles[c] = CH_SONG;
}

// What the replay up to `position` must leave: the settings in force, in the order they were made.
struct Expected {
    std::vector<uint32_t> messages;
    uint32_t tempo = 500000;
};

Expected settingsBefore(const EngineState &s, uint32_t position) {
    std::map<uint32_t, uint32_t> lastIndexOf;  // (channel, kind, controller) -> index
    Expected out;
    for (uint32_t i = 0; i < std::min(position, s.songLength); ++i) {
        const EngineEvent &e = s.song[i];
        if (e.status == 0xFF && e.data1 == 0x51) out.tempo = e.tempo;
        if (e.status < 0xB0 || e.status > 0xEF) continue;
        const uint32_t key = e.status << 8 | ((e.status & 0xF0) == 0xB0 ? e.data1 : 0);
        lastIndexOf[key] = i;
    }
    std::map<uint32_t, uint32_t> byIndex;
    for (const auto &[key, index] : lastIndexOf)
        byIndex[index] = pack(s.song[index].status, s.song[index].data1, s.song[index].data2);
    for (const auto &[index, message] : byIndex)
        out.messages.push_back(message);
    return out;
}

TEST(SeekReplay, SendsTheSettingsInForceOnceEachInTheOrderTheyWereMade) {
    Capture capture;
    ManualEngine e;
    putBendDenseSong(e.s());
    const uint32_t length = e.s().songLength;
    const struct {
        const char *name;
        std::function<void(ManualEngine &)> jump;
        uint32_t position;
    } cases[] = {
        {"seek to the start", [](ManualEngine &m) { m.command(MDRV_SEEK_SONG, 0); }, 0},
        {"seek into the head", [](ManualEngine &m) { m.command(MDRV_SEEK_SONG, 5); }, 5},
        {"seek past the head", [](ManualEngine &m) { m.command(MDRV_SEEK_SONG, 9); }, 9},
        {"seek past a tempo change", [](ManualEngine &m) { m.command(MDRV_SEEK_SONG, 30000); }, 30000},
        {"seek near the end", [&](ManualEngine &m) { m.command(MDRV_SEEK_SONG, int32_t(length - 1)); },
         length - 1},
        {"seek beyond the end", [&](ManualEngine &m) { m.command(MDRV_SEEK_SONG, int32_t(length + 10)); },
         length + 10},
        {"skip back",
         [](ManualEngine &m) {
             m.s().songPosition = 150100;
             m.command(MDRV_SKIP_BACK);
         },
         150000},
        {"skip forward",
         [](ManualEngine &m) {
             m.s().songPosition = 99950;
             m.command(MDRV_SKIP_FORWARD);
         },
         100000},
        {"resume",
         [](ManualEngine &m) {
             m.s().songPosition = 180000;
             m.command(MDRV_RESUME_SONG);
         },
         180000},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        e.s().tempo = 1;
        e.host.posts.clear();
        const size_t before = capture.messages().size();
        c.jump(e);
        const std::vector<uint32_t> all = capture.messages();
        const std::vector<uint32_t> sent(all.begin() + long(before), all.end());
        const Expected expected = settingsBefore(e.s(), c.position);
        EXPECT_EQ(sent, expected.messages);
        EXPECT_LE(sent.size(), 20u);
        EXPECT_EQ(e.s().tempo, expected.tempo);
    }
}

TEST(SeekReplay, DataEntryFollowsItsParameterNumberAndTheProgramIsTakenUp) {
    Capture capture;
    ManualEngine e;
    putBendDenseSong(e.s());
    e.command(MDRV_SEEK_SONG, 8);
    EXPECT_EQ(capture.messages(),
              (std::vector<uint32_t>{0x0AC0, 0x65B0, 0x64B0, 0x0C06B0, 0x21D1, 0x5A07B1}));
    EXPECT_EQ(e.s().songPrograms[0], 10);
}

}  // namespace
}  // namespace nw::test
