// Playback through hand-driven ticks: how long the song, the buffer and the pattern wait between
// events, and that every way of stopping them leaves no note sounding.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "song_support.h"

namespace nw::test {
namespace {

// Ticks until `position` moves past `from`; returns how many it took.
int ticksUntilPast(ManualEngine &e, const uint32_t &position, uint32_t from, int limit = 100000) {
    for (int n = 1; n <= limit; ++n) {
        e.engine.tick();
        if (position > from) return n;
    }
    return -1;
}

TEST(Playback, SongWaitFollowsTempoDivisionAndSpeedWithTheirTruncations) {
    const struct {
        uint16_t division;
        uint32_t tempo;
        uint32_t speed;
        uint32_t delta;
        int ticksBetween;  // the wait plus the tick that plays
    } cases[] = {
        {480, 500000, 5, 480, 481},  // a quarter note lasts 480 ms, not 500
        {96, 500000, 16, 96, 157},   // 2500 / 96 = 26, 26 x 96 / 16 = 156
        {96, 500000, 1, 96, 2497},   // five times slower than real time
        {96, 500000, 10, 96, 250},   // twice as fast
        {96, 250000, 5, 96, 250},    // from the tempo record: 1250 / 96 = 13, 13 x 96 / 5 = 249
        {3000, 500000, 5, 1000, 1},  // division above tempo / 200: one group per tick
        {0, 500000, 5, 1000, 1},     // a division of 0 does not stop the clock
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "division " << c.division << " tempo " << c.tempo << " speed " << c.speed);
        Capture capture;
        TempDir dir;
        ManualEngine e;
        Track t;
        t.tempo(0, c.tempo).ev(c.delta, {0x90, 60, 100}).end(1);
        ASSERT_EQ(e.command(MDRV_LOAD_SONG, 0, dir.write("s.mid", smf({t}, c.division))), 0);
        e.s().speed = c.speed;
        e.command(MDRV_PLAY_FROM_ZERO);
        ASSERT_EQ(ticksUntilPast(e, e.s().songPosition, 0), 1);  // the tempo record plays on the first tick
        EXPECT_EQ(e.s().tempo, c.tempo);
        EXPECT_EQ(ticksUntilPast(e, e.s().songPosition, 1), c.ticksBetween);
    }
}

TEST(Playback, SongOfSimultaneousEventsPlaysAndEndsInOneTick) {
    Capture capture;
    TempDir dir;
    ManualEngine e;
    Track t;
    for (uint8_t n = 0; n < 50; ++n)
        t.ev(0, {0x90, uint8_t(40 + n), 100});
    e.command(MDRV_LOAD_SONG, 0, dir.write("chord.mid", smf({t.end()})));
    e.command(MDRV_SET_SONG_VELOCITY, 10);
    e.command(MDRV_PLAY_FROM_ZERO);
    e.ticks(1);
    EXPECT_EQ(e.s().songState, SONG_STOPPED);
    EXPECT_EQ(e.s().songPosition, 0u);
    EXPECT_TRUE(capture.soundingNotes().empty());
}

TEST(Playback, BufferPlaysFourMillisecondsPerUnit) {
    Capture capture;
    ManualEngine e;
    const EngineEvent events[] = {
        {0, 0x90, 60, 100, 0, 0}, {5, 0x80, 60, 0, 0, 0}, {0, 0x90, 62, 100, 0, 0}, {2, 0x80, 62, 0, 0, 0}};
    for (const EngineEvent &ev : events)
        e.s().buffer[e.s().recordCount++] = ev;
    e.command(MDRV_PLAY_BUFFER);
    const uint32_t &position = e.s().bufferPosition;
    EXPECT_EQ(ticksUntilPast(e, position, 0), 1);
    EXPECT_EQ(ticksUntilPast(e, position, 1), 21);  // 5 units: wait 20
    EXPECT_EQ(position, 3u);                        // the event with delta 0 in the same tick
    e.ticks(8);
    EXPECT_EQ(e.s().bufferState, BUF_PLAYING);
    e.ticks(1);
    EXPECT_EQ(e.s().bufferState, BUF_IDLE);
}

TEST(Playback, PatternWaitsDeltaTimesTwentyOverSpeedPlusTwoAndWrapsAtOnce) {
    for (const auto &[speed, first, second] : {std::tuple{3, 41, 81}, std::tuple{5, 29, 58}}) {
        SCOPED_TRACE(speed);
        Capture capture;
        ManualEngine e;
        const EngineEvent events[] = {
            {99, 0x90, 60, 100, 0, 0}, {10, 0x80, 60, 0, 0, 0}, {20, 0x90, 62, 100, 0, 0}};
        for (const EngineEvent &ev : events)
            e.s().pattern[e.s().patternLength++] = ev;
        e.command(MDRV_SET_ACCOMP_SPEED, speed);
        e.command(MDRV_START_ACCOMP);
        const uint32_t &position = e.s().patternPosition;
        EXPECT_EQ(ticksUntilPast(e, position, 0), 1);  // the first record's delta is never waited for
        EXPECT_EQ(ticksUntilPast(e, position, 1), first);
        // The last event and, at once, the first again.
        e.ticks(second - 1);
        EXPECT_EQ(position, 2u);
        e.ticks(1);
        EXPECT_EQ(position, 1u);
    }
}

TEST(Playback, OneNotePatternRepeatsAtItsOwnPaceReleasingTheNoteBefore) {
    Capture capture;
    ManualEngine e;
    e.s().pattern[0] = {10, 0x90, 60, 100, 0, 0};
    e.s().patternLength = 1;
    e.command(MDRV_START_ACCOMP);  // speed 5: 10 x 20 / 7 = 28
    e.ticks(29 * 3);
    std::vector<uint32_t> notes;
    for (uint32_t m : capture.messages())
        if ((m & 0xF0) == 0x90) notes.push_back(m);
    EXPECT_EQ(notes, (std::vector<uint32_t>{0x7F3C90, 0x3C90, 0x7F3C90, 0x3C90, 0x7F3C90}));
}

TEST(Playback, PatternWhoseEventsAllFallTogetherRepeatsAFewTimesASecondNotEveryTick) {
    Capture capture;
    ManualEngine e;
    // A take saved right after recording began: nothing but its program changes.
    for (uint8_t c = 0; c < 40; ++c)
        e.s().pattern[e.s().patternLength++] = {0, uint8_t(0xC0 + c % 16), uint8_t(c), 0, 0, 0};
    e.command(MDRV_START_ACCOMP);
    e.host.posts.clear();
    e.ticks(1000);
    int passes = 0;
    for (uint32_t m : capture.messages())
        if (m == 0xC0) ++passes;                    // the pattern's first event, on the accompaniment channel
    EXPECT_EQ(passes, 4);                           // once every 250 ms
    EXPECT_EQ(e.host.posts.size(), 1u + 4u * 40u);  // the accompaniment's bend, then its events
}

// A song that keeps notes sounding on channels 0 to 2: a note-on every 10 file ticks, each released 35
// ticks later.
Bytes denseSong() {
    Track on, off;
    for (int i = 0; i < 300; ++i) {
        on.ev(i == 0 ? 0 : 10, {uint8_t(0x90 + i % 3), uint8_t(40 + i % 40), 100});
        off.ev(i == 0 ? 35 : 10, {uint8_t(0x80 + i % 3), uint8_t(40 + i % 40), 0});
    }
    return smf({on.end(), off.end()});
}

TEST(Playback, NoNoteKeepsSoundingAfterTheSongIsInterrupted) {
    const struct {
        const char *name;
        std::function<void(ManualEngine &)> interrupt;
    } cases[] = {
        {"pause", [](ManualEngine &e) { e.command(MDRV_PAUSE_SONG); }},
        {"stop", [](ManualEngine &e) { e.command(MDRV_STOP_SONG); }},
        {"seek", [](ManualEngine &e) { e.command(MDRV_SEEK_SONG, 5); }},
        {"skip forward", [](ManualEngine &e) { e.command(MDRV_SKIP_FORWARD); }},
        {"skip back", [](ManualEngine &e) { e.command(MDRV_SKIP_BACK); }},
        {"song end", [](ManualEngine &e) { ticksUntilPast(e, e.s().songState, SONG_PLAYING); }},
        {"another song loaded", [](ManualEngine &e) { e.command(MDRV_LOAD_SONG, 0, "/nonexistent.mid"); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Capture capture;
        TempDir dir;
        ManualEngine e;
        ASSERT_EQ(e.command(MDRV_LOAD_SONG, 0, dir.write("dense.mid", denseSong())), 0);
        e.command(MDRV_SET_SONG_VELOCITY, 10);
        e.command(MDRV_START_SONG);
        e.ticks(3000);
        ASSERT_FALSE(capture.soundingNotes().empty());
        c.interrupt(e);
        EXPECT_TRUE(capture.soundingNotes().empty());
    }
}

TEST(Playback, MutedChannelStillReleasesItsNotes) {
    Capture capture;
    TempDir dir;
    ManualEngine e;
    e.command(MDRV_LOAD_SONG, 0, dir.write("dense.mid", denseSong()));
    e.command(MDRV_SET_SONG_VELOCITY, 10);
    e.command(MDRV_START_SONG);
    e.ticks(3000);
    e.command(MDRV_MUTE_CHANNEL, 1);
    e.ticks(400);  // longer than a note lasts
    for (int key : capture.soundingNotes())
        EXPECT_NE(key >> 8, 1) << "note " << (key & 0x7F) << " hangs";
}

TEST(Playback, NoNoteKeepsSoundingAfterBufferOrAccompanimentStops) {
    const struct {
        const char *name;
        bool accompaniment;
        std::function<void(ManualEngine &)> stop;
    } cases[] = {
        {"buffer stop", false, [](ManualEngine &e) { e.command(MDRV_STOP_BUFFER); }},
        {"buffer clear", false, [](ManualEngine &e) { e.command(MDRV_CLEAR_BUFFER); }},
        {"buffer end", false, [](ManualEngine &e) { ticksUntilPast(e, e.s().bufferState, BUF_PLAYING); }},
        {"buffer played again", false, [](ManualEngine &e) { e.command(MDRV_PLAY_BUFFER); }},
        {"accompaniment stop", true, [](ManualEngine &e) { e.command(MDRV_STOP_ACCOMP); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Capture capture;
        ManualEngine e;
        // Note-ons only: whatever still sounds must be released by the engine.
        EngineEvent *events = c.accompaniment ? e.s().pattern : e.s().buffer;
        for (uint8_t i = 0; i < 60; ++i)
            events[i] = {3, uint8_t(0x90 + i % 4), uint8_t(30 + i), 100, 0, 0};
        if (c.accompaniment) {
            e.s().patternLength = 60;
            e.command(MDRV_START_ACCOMP);
        } else {
            e.s().recordCount = 60;
            e.command(MDRV_PLAY_BUFFER);
        }
        e.ticks(200);
        ASSERT_FALSE(capture.soundingNotes().empty());
        c.stop(e);
        EXPECT_TRUE(capture.soundingNotes().empty());
    }
}

TEST(Playback, RecordingDuringPlaybackStopsThePlaybackBeforeTheQuestion) {
    Capture capture;
    ManualEngine e;
    for (uint8_t i = 0; i < 60; ++i)
        e.s().buffer[i] = {3, 0x90, uint8_t(30 + i), 100, 0, 0};
    e.s().recordCount = 60;
    e.command(MDRV_PLAY_BUFFER);
    e.ticks(100);
    // The clock goes on while the user reads the question.
    e.host.onBox = [&] { e.ticks(100); };
    e.host.answer = NW_IDNO;
    e.command(MDRV_START_RECORDING);
    ASSERT_EQ(e.host.boxes.size(), 1u);
    EXPECT_TRUE(capture.soundingNotes().empty());
    EXPECT_EQ(e.s().bufferState, BUF_RECORDING);
}

TEST(Playback, TheAccompanimentGetsItsPitchAndControllerAgainAfterEveryReset) {
    const struct {
        const char *name;
        std::function<void(ManualEngine &, const std::string &song)> reset;
    } cases[] = {
        {"song load (the accompaniment moves to channel 1)",
         [](ManualEngine &e, const std::string &song) { e.command(MDRV_LOAD_SONG, 0, song); }},
        {"song stop", [](ManualEngine &e, const std::string &) { e.command(MDRV_STOP_SONG); }},
        {"device change", [](ManualEngine &e, const std::string &) { e.command(MDRV_SELECT_DEVICE, 0); }},
        {"open again", [](ManualEngine &e, const std::string &) { e.command(MDRV_OPEN, 0); }},
        {"song start", [](ManualEngine &e, const std::string &) { e.command(MDRV_START_SONG); }},
        {"accompaniment stop", [](ManualEngine &e, const std::string &) { e.command(MDRV_STOP_ACCOMP); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Capture capture;
        TempDir dir;
        ManualEngine e;
        const std::string song = dir.write("s.mid", smf({Track().ev(0, {0x90, 60, 100}).end(10)}));
        e.s().pattern[0] = {0, 0x90, 48, 100, 0, 0};
        e.s().pattern[1] = {25, 0x80, 48, 0, 0, 0};
        e.s().patternLength = 2;
        e.command(MDRV_SET_ACCOMP_BEND, 70);
        e.command(MDRV_SET_ACCOMP_CONTROLLER, 91);
        e.command(MDRV_SET_ACCOMP_CONTROLLER_VALUE, 40);
        e.command(MDRV_START_ACCOMP);
        e.ticks(1);

        c.reset(e, song);
        const size_t before = capture.messages().size();
        e.command(MDRV_START_ACCOMP);
        e.ticks(200);
        const auto sent = capture.messages();
        const uint8_t channel = e.s().accompChannel;
        const uint8_t bend = e.s().accompBend;
        auto wasSent = [&](uint32_t message) {
            return std::find(sent.begin() + long(before), sent.end(), message) != sent.end();
        };
        EXPECT_TRUE(wasSent(pack(uint8_t(0xE0 | channel), bend, bend)));
        EXPECT_TRUE(wasSent(pack(uint8_t(0xB0 | channel), 91, 40)));
    }
}

// A song at 240 beats a minute from its first record, slowed to 60 before its end.
Bytes songThatSetsItsTempoFirst() {
    Track t;
    t.tempo(0, 250000).ev(96, {0x90, 60, 100}).ev(96, {0x90, 62, 100}).tempo(96, 1000000);
    t.ev(96, {0x90, 64, 100}).end(1);
    return smf({t}, 96);
}

TEST(Playback, EveryWayOfStartingASongPlaysAtTheTempoInForceWhereItStarts) {
    const struct {
        const char *name;
        std::function<void(ManualEngine &)> start;
    } cases[] = {
        {"start", [](ManualEngine &e) { e.command(MDRV_START_SONG); }},
        {"loop",
         [](ManualEngine &e) {
             e.command(MDRV_PLAY_FROM_ZERO);
             e.command(MDRV_START_SONG);
         }},
        {"play again after stop",
         [](ManualEngine &e) {
             e.command(MDRV_STOP_SONG);
             e.command(MDRV_SELECT_DEVICE, 0);
             e.command(MDRV_START_SONG);
         }},
        {"seek",
         [](ManualEngine &e) {
             e.command(MDRV_SEEK_SONG, 1);
             e.command(MDRV_RESUME_SONG);
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Capture capture;
        TempDir dir;
        ManualEngine e;
        ASSERT_EQ(e.command(MDRV_LOAD_SONG, 0, dir.write("s.mid", songThatSetsItsTempoFirst())), 0);
        e.command(MDRV_SET_SONG_VELOCITY, 10);
        e.command(MDRV_PLAY_FROM_ZERO);
        for (int n = 0; n < 10000 && e.s().songState == SONG_PLAYING; ++n)  // played once to its end
            e.ticks(1);
        ASSERT_EQ(e.s().songState, SONG_STOPPED);
        c.start(e);
        ASSERT_GT(ticksUntilPast(e, e.s().songPosition, 1), 0);
        EXPECT_EQ(ticksUntilPast(e, e.s().songPosition, 2), 250);  // (250000 / 200) / 96 x 96 / 5 + 1
    }
}

TEST(Playback, TheFirstSongNotesSoundAtTheSongVolumeSetBeforeTheLoad) {
    Capture capture;
    TempDir dir;
    ManualEngine e;
    e.command(MDRV_SET_SONG_VELOCITY, 8);
    ASSERT_EQ(e.command(MDRV_LOAD_SONG, 0, dir.write("s.mid", songThatSetsItsTempoFirst())), 0);
    e.command(MDRV_START_SONG);
    capture.messages();
    ASSERT_GT(ticksUntilPast(e, e.s().songPosition, 1), 0);
    const auto sent = capture.messages();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back(), 0x503C90u);  // velocity (100 / 10) x 8
}

}  // namespace
}  // namespace nw::test
