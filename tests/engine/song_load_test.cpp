// MDRV_LOAD_SONG as the host sees it: the reset notice, the parameters a new song starts with, the
// channels around the song's own, and what a refused file leaves behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "song_messages.h"
#include "song_support.h"

namespace nw::test {
namespace {

namespace msg = song_message;

class SongLoad : public ::testing::Test {
  protected:
    std::string write(const std::string &name, const Bytes &bytes) { return dir_.write(name, bytes); }
    Capture capture_;  // before the engine, so its device is a capture sink
    TempDir dir_;
    ManualEngine e_;
};

TEST_F(SongLoad, CompletedLoadResetsPlaybackAndAllocatesChannelsAroundTheSong) {
    EngineState &s = e_.s();
    s.speed = 9;
    s.tempo = 1;
    s.bendWord = 7;
    s.songVelocityScale = 30;
    s.programMode = PROG_USER;
    s.songPosition = 12;
    for (auto &b : s.bendCache)
        b = 0x4000;
    e_.host.posts.clear();

    const std::string path = write("song.mid", smf({Track().ev(0, {0x90, 60, 1}).ev(0, {0xC3, 5}).end(),
                                                    Track().ev(0, {0xB1, 7, 100}).ev(0, {0xE2, 0, 64}).end()},
                                                   480));
    EXPECT_EQ(e_.command(MDRV_LOAD_SONG, 0, path), 0);
    ASSERT_TRUE(e_.host.boxes.empty());
    ASSERT_FALSE(e_.host.posts.empty());
    EXPECT_EQ(e_.host.posts[0].message, uint32_t(WM_MDRV_KEYS));
    EXPECT_EQ(e_.host.posts[0].wparam, uint32_t(MDRV_NOTIFY_RESET));
    EXPECT_EQ(e_.host.posts[0].lparam, 120u);

    EXPECT_EQ(s.songLength, 6u);
    EXPECT_EQ(s.songPosition, 0u);
    EXPECT_EQ(s.songState, SONG_STOPPED);
    EXPECT_EQ(s.division, 480u);
    EXPECT_EQ(s.speed, 5u);
    EXPECT_EQ(s.tempo, 500000u);
    EXPECT_EQ(s.bendWord, 0x4000);
    EXPECT_EQ(s.songVelocityScale, 30);  // the song volume the program set stays
    EXPECT_EQ(s.programMode, PROG_SONG);
    for (uint32_t b : s.bendCache)
        EXPECT_EQ(b, 0u);
    // Song on 0 to 3 and 9: accompaniment on 4, keyboard on 5.
    EXPECT_EQ(s.accompChannel, 4);
    EXPECT_EQ(s.keyboardChannel, 5);
    const uint8_t roles[16] = {CH_SONG, CH_SONG, CH_SONG, CH_SONG, CH_ACCOMP, CH_KEYBOARD, CH_FREE, CH_FREE,
                               CH_FREE, CH_SONG, CH_FREE, CH_FREE, CH_FREE,   CH_FREE,     CH_FREE, CH_FREE};
    for (int c = 0; c < 16; ++c)
        EXPECT_EQ(s.roles[c], roles[c]) << c;
    EXPECT_TRUE(e_.engine.deviceOpen());
}

TEST_F(SongLoad, SongOnAllChannelsLeavesFourteenAndFifteenToAccompanimentAndKeyboard) {
    Track t;
    for (uint8_t c = 0; c < 16; ++c)
        t.ev(0, {uint8_t(0x90 + c), 60, 1});
    ASSERT_EQ(e_.command(MDRV_LOAD_SONG, 0, write("all.mid", smf({t.end()}))), 0);
    EXPECT_EQ(e_.s().accompChannel, 14);
    EXPECT_EQ(e_.s().keyboardChannel, 15);
    EXPECT_EQ(e_.s().roles[14], CH_ACCOMP);
    EXPECT_EQ(e_.s().roles[15], CH_KEYBOARD);
}

TEST_F(SongLoad, RefusedFileShowsItsMessageWithTheLockFreeAndLeavesAnEmptySong) {
    ASSERT_EQ(e_.command(MDRV_LOAD_SONG, 0, write("good.mid", smf({Track().ev(0, {0x90, 60, 1}).end()}))), 0);
    ASSERT_EQ(e_.s().songLength, 2u);

    int32_t lengthSeenInBox = -1;
    e_.host.onBox = [&] {
        lengthSeenInBox = e_.command(MDRV_GET_SONG_LENGTH);
    };  // would block under the lock
    const std::string bad = write("bad.mid", Bytes{'M', 'T', 'h', 'd', 0,   0, 0, 6, 0, 1, 0,    1, 0,
                                                   96,  'M', 'T', 'r', 'k', 0, 0, 0, 3, 0, 0x90, 60});
    EXPECT_EQ(e_.command(MDRV_LOAD_SONG, 0, bad), 0);
    ASSERT_EQ(e_.host.boxes.size(), 1u);
    EXPECT_EQ(e_.host.boxes[0].text, msg::kTrackLength);
    EXPECT_EQ(e_.host.boxes[0].caption, "错误");
    EXPECT_EQ(e_.host.boxes[0].style, uint32_t(NW_MB_ICONERROR));
    EXPECT_EQ(lengthSeenInBox, 0);
    EXPECT_EQ(e_.s().songLength, 0u);
    EXPECT_EQ(e_.s().songState, SONG_STOPPED);
    EXPECT_EQ(e_.s().song[0].status, 0);
    EXPECT_EQ(e_.s().song[1].status, 0);

    // An empty song started ends on the first tick.
    e_.command(MDRV_START_SONG);
    e_.ticks(1);
    EXPECT_EQ(e_.s().songState, SONG_STOPPED);
}

TEST_F(SongLoad, FileThatCannotBeOpenedReturnsTheAnswerAndChangesNothingElse) {
    ASSERT_EQ(e_.command(MDRV_LOAD_SONG, 0, write("good.mid", smf({Track().ev(0, {0x92, 60, 1}).end()}))), 0);
    e_.host.answer = NW_IDOK;
    EXPECT_EQ(e_.command(MDRV_LOAD_SONG, 0, dir_.file("missing.mid")), NW_IDOK);
    EXPECT_EQ(e_.command(MDRV_LOAD_SONG, 0, dir_.path().string()), NW_IDOK);  // a folder is no song
    ASSERT_EQ(e_.host.boxes.size(), 2u);
    EXPECT_EQ(e_.host.boxes[0].text, msg::kCannotOpen);
    EXPECT_EQ(e_.s().songLength, 2u);
    EXPECT_EQ(e_.s().roles[2], CH_SONG);
}

// Opening a named pipe waits for a writer and reading a device may never end: such paths are refused
// before they are opened (a fault here hangs the test). A file larger than any song is refused from its
// size without being read.
TEST_F(SongLoad, OnlyRegularFilesOfASongsSizeAreRead) {
    ASSERT_EQ(e_.command(MDRV_LOAD_SONG, 0, write("good.mid", smf({Track().ev(0, {0x92, 60, 1}).end()}))), 0);
    const std::string pipe = dir_.file("pipe.mid");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string huge = write("huge.mid", smfHeader(1, 96));
    ASSERT_EQ(truncate(huge.c_str(), off_t(kSongFileLimit) + 1), 0);  // sparse: nothing to read

    const struct {
        std::string path;
        const char *message;
        uint32_t lengthAfter;
    } cases[] = {
        {pipe, msg::kCannotOpen, 2},
        {"/dev/zero", msg::kCannotOpen, 2},
        {dir_.path().string(), msg::kCannotOpen, 2},
        {huge, msg::kTooBig, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        e_.host.boxes.clear();
        e_.command(MDRV_LOAD_SONG, 0, c.path);
        ASSERT_EQ(e_.host.boxes.size(), 1u);
        EXPECT_EQ(e_.host.boxes[0].text, c.message);
        EXPECT_EQ(e_.s().songLength, c.lengthAfter);
    }

    // Take files alike.
    e_.host.boxes.clear();
    e_.command(MDRV_LOAD_ACCOMP, 0, pipe);
    ASSERT_EQ(e_.host.boxes.size(), 1u);
    EXPECT_EQ(e_.s().patternLength, 0u);
}

TEST_F(SongLoad, DeviceThatCannotReopenRefusesTheSong) {
    EXPECT_EQ(e_.command(MDRV_LOAD_SONG, 99, write("good.mid", smf({Track().ev(0, {0x90, 60, 1}).end()}))),
              0);
    ASSERT_EQ(e_.host.boxes.size(), 1u);
    EXPECT_EQ(e_.host.boxes[0].caption, "设备错误");
    EXPECT_EQ(e_.s().songLength, 0u);
}

TEST(SongLoadWithoutClock, MergeErrorDropsTheHalfOverwrittenSong) {
    Capture capture;
    TempDir dir;
    ManualEngine e(false);  // never opened: no clock runs
    Track t;
    t.ev(0, {0x90, 60, 1}).ev(0, {0x90, 61, 1}).end();
    e.command(MDRV_LOAD_SONG, 0, dir.write("a.mid", smf({t})));
    ASSERT_EQ(e.s().songLength, 3u);
    e.command(MDRV_LOAD_SONG, 0, dir.write("b.mid", withTrackData({0, 0x91, 62, 1, 0, 0xF4})));
    EXPECT_EQ(e.s().songLength, 0u);
}

}  // namespace
}  // namespace nw::test
