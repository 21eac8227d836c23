// The command interface: state at load and open, each command's effect and result, the device life.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/engine_fixture.h"

namespace nwtest {
namespace {

using nw::EngineEvent;

TEST(EngineLoad, StartsInSongProgramModeWithEverythingElseZero) {
    auto state = std::make_unique<nw::EngineState>();
    nw::Engine engine(*state, nw::Engine::ClockMode::Manual);
    EXPECT_EQ(engine.command(MDRV_GET_PROGRAM_MODE, 0, nullptr, ""), PROG_SONG);
    EXPECT_EQ(engine.command(MDRV_GET_SONG_STATE, 0, nullptr, ""), 0);
    EXPECT_EQ(engine.command(MDRV_GET_BUFFER_STATE, 0, nullptr, ""), 0);
    EXPECT_EQ(engine.command(MDRV_GET_SPEED, 0, nullptr, ""), 0);
    // Before any open a channel has no role: its program is reported instead.
    state->channelPrograms[3] = 42;
    EXPECT_EQ(engine.command(MDRV_GET_CHANNEL_ROLE, 3, nullptr, ""), 42);
    EXPECT_FALSE(engine.deviceOpen());
}

class Commands : public EngineTest {};

TEST_F(Commands, OpenSetsRolesDefaultsAndOpensTheDevice) {
    s().accompSpeed = 9;
    s().recordSong = 1;
    open(0);
    EXPECT_TRUE(engine_.deviceOpen());
    EXPECT_EQ(cmd(MDRV_GET_BUFFER_STATE), BUF_IDLE);
    for (int c = 0; c < 16; ++c) {
        int expected = c == 5 ? CH_KEYBOARD : c == 0 ? CH_ACCOMP : c == 10 ? CH_REPLAY : CH_FREE;
        EXPECT_EQ(cmd(MDRV_GET_CHANNEL_ROLE, c), expected) << "channel " << c;
    }
    EXPECT_EQ(s().keyboardChannel, 5);
    EXPECT_EQ(s().accompChannel, 0);
    EXPECT_EQ(s().accompBend, 5);
    EXPECT_EQ(s().accompSpeed, 5);
    EXPECT_EQ(cmd(MDRV_GET_ACCOMP_VELOCITY), 20);
    EXPECT_EQ(s().recordSong, 0);
    ASSERT_FALSE(capture_.lines().empty());
    EXPECT_EQ(capture_.lines()[0].kind, "open");
    EXPECT_EQ(capture_.lines()[0].value, 0u);
    EXPECT_TRUE(host_.boxes().empty());
}

TEST_F(Commands, SecondOpenResetsRolesAndDefaultsButKeepsTheClock) {
    open();
    uint32_t clock = s().clockId;
    cmd(MDRV_ALLOC_KEYBOARD_CHANNEL);
    cmd(MDRV_SET_ACCOMP_SPEED, 12);
    open();
    EXPECT_EQ(s().clockId, clock);
    EXPECT_EQ(cmd(MDRV_GET_CHANNEL_ROLE, 1), CH_FREE);
    EXPECT_EQ(s().accompSpeed, 5);
}

struct SimpleCase {
    const char *name;
    int32_t code;
    int32_t arg;
    int repeat;
    int32_t getter;
    int32_t expected;
};

// Commands whose whole effect shows in a getter, after a fresh open and a song load's defaults.
TEST_F(Commands, SettersGettersAndTheirLimits) {
    const SimpleCase cases[] = {
        {"speed up stops at 16", MDRV_SPEED_UP, 0, 20, MDRV_GET_SPEED, 16},
        {"speed down stops at 1", MDRV_SPEED_DOWN, 0, 20, MDRV_GET_SPEED, 1},
        {"reset speed", MDRV_RESET_SPEED, 0, 1, MDRV_GET_SPEED, 5},
        {"bend add stops at 33384", MDRV_BEND_ADD, 0, 30, MDRV_GET_BEND, 33384},
        {"bend sub stops at 384", MDRV_BEND_SUB, 0, 30, MDRV_GET_BEND, 384},
        {"reset bend", MDRV_RESET_BEND, 0, 1, MDRV_GET_BEND, 0x4000},
        {"reset bend (second code)", MDRV_RESET_BEND_ALT, 0, 1, MDRV_GET_BEND, 0x4000},
        {"accompaniment velocity takes the low byte", MDRV_SET_ACCOMP_VELOCITY, 0x1234, 1,
         MDRV_GET_ACCOMP_VELOCITY, 0x34},
        {"accompaniment program", MDRV_SET_ACCOMP_PROGRAM, 33, 1, MDRV_GET_ACCOMP_PROGRAM, 33},
        {"user programs", MDRV_USER_PROGRAMS, 0, 1, MDRV_GET_PROGRAM_MODE, PROG_USER},
        {"start accompaniment", MDRV_START_ACCOMP, 0, 1, MDRV_GET_ACCOMP_STATE, ACC_RUNNING},
        {"stop accompaniment", MDRV_STOP_ACCOMP, 0, 1, MDRV_GET_ACCOMP_STATE, ACC_STOPPED},
        {"play buffer", MDRV_PLAY_BUFFER, 0, 1, MDRV_GET_BUFFER_STATE, BUF_PLAYING},
        {"pause", MDRV_PAUSE_SONG, 0, 1, MDRV_GET_SONG_STATE, SONG_STOPPED},
        {"play from zero", MDRV_PLAY_FROM_ZERO, 0, 1, MDRV_GET_SONG_STATE, SONG_PLAYING},
        {"close device", MDRV_CLOSE_DEVICE, 0, 1, MDRV_GET_SONG_STATE, SONG_CLOSED},
        {"select device", MDRV_SELECT_DEVICE, 0, 1, MDRV_GET_SONG_STATE, SONG_DEVICE_SET},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        open();
        s().speed = 5;
        s().bendWord = 0x4000;
        for (int i = 0; i < c.repeat; ++i)
            EXPECT_EQ(cmd(c.code, c.arg), 1);
        EXPECT_EQ(cmd(c.getter), c.expected);
    }
}

TEST_F(Commands, UnknownCodesAndSpareDoNothing) {
    open();
    auto before = capture_.lines().size();
    for (int32_t code : {-3, -1, 65, 1000, INT32_MIN, INT32_MAX})
        EXPECT_EQ(cmd(code, 7), 1) << code;
    EXPECT_EQ(cmd(MDRV_GET_SPARE), 0);
    EXPECT_EQ(capture_.lines().size(), before);
    EXPECT_EQ(cmd(MDRV_GET_PROGRAM_MODE), PROG_SONG);
}

TEST_F(Commands, EchoTogglesAndPostsTheResetNotice) {
    open();
    cmd(MDRV_TOGGLE_ECHO);
    EXPECT_EQ(s().echo, 1);
    cmd(MDRV_TOGGLE_ECHO);
    EXPECT_EQ(s().echo, 0);
    s().echo = 2;  // anything but 1 counts as off
    cmd(MDRV_TOGGLE_ECHO);
    EXPECT_EQ(s().echo, 1);
    EXPECT_EQ(host_.postsOf(WM_MDRV_KEYS), (std::vector<Post>(3, {WM_MDRV_KEYS, MDRV_NOTIFY_RESET, 120})));
}

TEST_F(Commands, VolumeReachesTheDeviceForBothSides) {
    open();
    cmd(MDRV_SET_VOLUME, 0x8000);
    EXPECT_EQ(capture_.lines().back().text.substr(capture_.lines().back().text.find(' ') + 1),
              "volume 80008000");
}

TEST_F(Commands, StartSongStartsAtEventOneAndResetsControllers) {
    open();
    putSong({{0, 0x90, 60, 100, 0, 0}, {10, 0x80, 60, 0, 0, 0}});
    capture_.clear();
    cmd(MDRV_PLAY_FROM_ZERO);
    cmd(MDRV_START_SONG, 3);
    EXPECT_EQ(cmd(MDRV_GET_SONG_POS), 1);
    EXPECT_EQ(cmd(MDRV_GET_SONG_STATE), SONG_PLAYING);
    EXPECT_EQ(host_.postsOf(WM_MDRV_KEYS).front(), (Post{WM_MDRV_KEYS, MDRV_NOTIFY_RESET, 120}));

    std::vector<uint32_t> expected;
    for (int i = 0; i < 16; ++i)
        expected.push_back(0x90);  // every note-on status lands on channel 0
    expected.push_back(0x0001B3);  // modulation off on channel 3
    for (int c : {2, 4, 5, 6, 8, 9, 10})
        expected.push_back(0xB0 | c << 8);
    for (int c = 12; c <= 31; ++c)
        expected.push_back(0xB0 | c << 8);
    for (int c = 64; c <= 69; ++c)
        expected.push_back(0xB0 | c << 8);
    for (int c = 80; c <= 83; ++c)
        expected.push_back(0xB0 | c << 8);
    for (int c = 91; c <= 102; ++c)
        expected.push_back(0xB0 | c << 8);
    EXPECT_EQ(capture_.messages(), expected);
    // The note-ons are reported (posting sender), the controllers are not.
    EXPECT_EQ(host_.postsOf(WM_MDRV_EVENT).size(), 17u);
}

TEST_F(Commands, StartSongWithoutADeviceKeepsThePosition) {
    open(99);  // no such device
    putSong({{0, 0x90, 60, 100, 0, 0}});
    cmd(MDRV_START_SONG);
    EXPECT_EQ(cmd(MDRV_GET_SONG_POS), 0);
}

TEST_F(Commands, StopSongClosesReopensAndReleasesTheSong) {
    open();
    putSong({{0, 0xFF, 0x01, 0, 0, 0}, {0, 0x90, 60, 100, 0, 0}, {1000, 0x80, 60, 0, 0, 0}});
    s().roles[0] = CH_SONG;
    s().songVelocityScale = 10;
    cmd(MDRV_START_SONG);
    ticks(1);
    host_.clearPosts();
    cmd(MDRV_STOP_SONG);
    EXPECT_TRUE(engine_.deviceOpen());
    EXPECT_EQ(cmd(MDRV_GET_SONG_STATE), SONG_CLOSED);
    EXPECT_EQ(host_.postsOf(WM_MDRV_KEYS).back(), (Post{WM_MDRV_KEYS, MDRV_NOTIFY_RESET, 120}));
    std::vector<std::string> kinds;
    for (const auto &line : capture_.lines())
        kinds.push_back(line.kind);
    ASSERT_GE(kinds.size(), 2u);
    EXPECT_EQ(kinds[kinds.size() - 2], "close");
    EXPECT_EQ(kinds.back(), "open");
    EXPECT_TRUE(hangingNotes(capture_.messages()).empty());

    // With no device open, stop only tries to open one; no notice.
    cmd(MDRV_CLOSE_DEVICE);
    cmd(MDRV_PLAY_FROM_ZERO);
    host_.clearPosts();
    cmd(MDRV_STOP_SONG);
    EXPECT_TRUE(host_.postsOf(WM_MDRV_KEYS).empty());
    EXPECT_EQ(cmd(MDRV_GET_SONG_STATE), SONG_PLAYING);
    EXPECT_TRUE(engine_.deviceOpen());
}

TEST_F(Commands, SelectDeviceReopensClearsBendsAndRewinds) {
    open();
    s().bendCache[4] = 0x4000;
    s().songPosition = 9;
    cmd(MDRV_SELECT_DEVICE, 0);
    EXPECT_EQ(s().deviceId, 0);
    EXPECT_EQ(s().bendCache[4], 0u);
    EXPECT_EQ(cmd(MDRV_GET_SONG_POS), 0);
    EXPECT_EQ(capture_.lines().back().text.substr(capture_.lines().back().text.find(' ') + 1), "open 0");
    // A device that is not there fails quietly.
    cmd(MDRV_SELECT_DEVICE, 99);
    EXPECT_FALSE(engine_.deviceOpen());
    EXPECT_TRUE(host_.boxes().empty());
}

TEST_F(Commands, ADeviceThatCannotOpenIsReportedAndTheEngineGoesOn) {
    open(99);
    ASSERT_EQ(host_.boxes().size(), 1u);
    EXPECT_EQ(host_.boxes()[0].text, "不能打开设备，请检查设备是否健康!或换一个设备试试");
    EXPECT_EQ(host_.boxes()[0].caption, "设备错误");
    EXPECT_EQ(host_.boxes()[0].style, uint32_t(NW_MB_ICONWARNING));
    EXPECT_FALSE(engine_.deviceOpen());
    EXPECT_EQ(engine_.send(nw::Sender::Me1, 0x90, 60, 100), nw::kSendNoDevice);
    EXPECT_EQ(cmd(MDRV_GET_CHANNEL_ROLE, 5), CH_KEYBOARD);  // the rest of the open still happened
}

TEST_F(Commands, WithoutAHostNothingCrashesAndTheTextGoesToStderr) {
    testing::internal::CaptureStderr();
    engine_.command(MDRV_OPEN, 99, nullptr, nullptr);
    engine_.command(MDRV_TOGGLE_ECHO, 0, nullptr, nullptr);
    engine_.send(nw::Sender::Me, 0x90, 60, 100);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("不能打开设备"), std::string::npos);
}

TEST_F(Commands, ChannelArgumentsOutsideTheChannelsDoNothing) {
    open();
    s().roles[0] = CH_SONG;
    s().channelPrograms[0] = 7;
    capture_.clear();
    host_.clearPosts();
    for (int32_t bad : {16, -1, 255, 256, 0x10000}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(cmd(MDRV_GET_CHANNEL_ROLE, bad), 1);
        EXPECT_EQ(cmd(MDRV_UNMUTE_CHANNEL, bad), 1);
        EXPECT_EQ(cmd(MDRV_GET_CHANNEL_PROGRAM, bad), 1);
        EXPECT_EQ(cmd(MDRV_SET_CHANNEL_PROGRAM, (bad & 0xFF) == bad ? bad | 5 << 8 : 16 | 5 << 8), 1);
        EXPECT_EQ(cmd(MDRV_MUTE_CHANNEL, bad), 1);
        EXPECT_EQ(cmd(MDRV_SEND_CONTROLLER, 16 | 7 << 8 | 100 << 16), 1);
    }
    EXPECT_TRUE(capture_.messages().empty());
    EXPECT_TRUE(host_.posts().empty());
    EXPECT_EQ(cmd(MDRV_GET_PROGRAM_MODE), PROG_SONG);
    EXPECT_EQ(s().channelPrograms[0], 7);
}

TEST_F(Commands, MuteAndUnmuteASongChannel) {
    open();
    s().roles[2] = CH_SONG;
    s().songPrograms[2] = 40;
    s().channelPrograms[2] = 12;
    capture_.clear();
    cmd(MDRV_MUTE_CHANNEL, 2);
    EXPECT_EQ(cmd(MDRV_GET_CHANNEL_ROLE, 2), CH_MUTED);
    cmd(MDRV_UNMUTE_CHANNEL, 2);
    EXPECT_EQ(cmd(MDRV_GET_CHANNEL_ROLE, 2), CH_SONG);
    EXPECT_EQ(cmd(MDRV_GET_CHANNEL_PROGRAM, 2), 40);
    EXPECT_EQ(capture_.messages(), (std::vector<uint32_t>{0x0007B2, 0x7F07B2}));
    // Muting a channel the song does not use still sends the volume but keeps the role.
    cmd(MDRV_MUTE_CHANNEL, 5);
    EXPECT_EQ(cmd(MDRV_GET_CHANNEL_ROLE, 5), CH_KEYBOARD);
}

TEST_F(Commands, SongProgramsChangeOnSongChannelsOnly) {
    open();
    s().roles[1] = CH_SONG;
    s().roles[9] = CH_SONG;
    s().channelPrograms[1] = 127;
    s().channelPrograms[3] = 50;
    cmd(MDRV_SONG_PROGRAM_UP);
    EXPECT_EQ(cmd(MDRV_GET_PROGRAM_MODE), PROG_USER);
    EXPECT_EQ(s().channelPrograms[1], 128);
    EXPECT_EQ(cmd(MDRV_GET_CHANNEL_PROGRAM, 1), 0);  // reported and stored modulo 128
    EXPECT_EQ(s().channelPrograms[1], 0);
    EXPECT_EQ(s().channelPrograms[3], 50);
    cmd(MDRV_SONG_PROGRAM_DOWN);
    EXPECT_EQ(s().channelPrograms[1], 255);
    cmd(MDRV_SET_SONG_PROGRAM, 0x1F);
    EXPECT_EQ(s().channelPrograms[9], 0x1F);
    cmd(MDRV_SET_CHANNEL_PROGRAM, 3 | 77 << 8);
    EXPECT_EQ(s().channelPrograms[3], 77);
    EXPECT_EQ(cmd(MDRV_GET_CHANNEL0_PROGRAM), s().channelPrograms[0]);

    s().songPrograms[1] = 4;
    s().songPrograms[9] = 0;
    capture_.clear();
    cmd(MDRV_RESTORE_SONG_PROGRAMS);
    EXPECT_EQ(cmd(MDRV_GET_PROGRAM_MODE), PROG_SONG);
    EXPECT_EQ(capture_.messages(), (std::vector<uint32_t>{0x04C1, 0x00C9}));
    EXPECT_EQ(s().channelPrograms[1], 4);
}

TEST_F(Commands, SkipsAndSeekReplayChannelSettingsButNoNotes) {
    open();
    std::vector<EngineEvent> song;
    song.push_back({0, 0xC2, 30, 0, 0, 0});         // program
    song.push_back({0, 0xB2, 7, 90, 0, 0});         // volume
    song.push_back({0, 0xFF, 0x51, 0, 0, 600000});  // tempo: not sent
    song.push_back({0, 0x92, 60, 100, 0, 0});       // note: not sent
    song.push_back({0, 0xE2, 0, 64, 0, 0});         // bend
    while (song.size() < 300)
        song.push_back({10, 0x82, 60, 0, 0, 0});
    for (size_t i = 0; i < song.size(); ++i)
        s().song[i] = song[i];
    s().songLength = uint32_t(song.size());

    s().songPosition = 100;
    cmd(MDRV_SKIP_BACK);
    EXPECT_EQ(cmd(MDRV_GET_SONG_POS), 100);
    s().songPosition = 101;
    capture_.clear();
    cmd(MDRV_SKIP_BACK);
    EXPECT_EQ(cmd(MDRV_GET_SONG_POS), 1);
    EXPECT_EQ(capture_.messages(), (std::vector<uint32_t>{0x1EC2}));

    capture_.clear();
    s().songWait = 77;
    cmd(MDRV_SKIP_FORWARD);
    EXPECT_EQ(cmd(MDRV_GET_SONG_POS), 51);
    EXPECT_EQ(s().songWait, 0u);
    EXPECT_EQ(s().songPrograms[2], 30);
    EXPECT_EQ(capture_.messages(), (std::vector<uint32_t>{0x1EC2, 0x5A07B2, 0x4000E2}));

    s().songPosition = 300;
    cmd(MDRV_SKIP_FORWARD);  // at the end: no move
    EXPECT_EQ(cmd(MDRV_GET_SONG_POS), 300);

    cmd(MDRV_SEEK_SONG, 2);
    EXPECT_EQ(cmd(MDRV_GET_SONG_POS), 2);
    host_.clearPosts();
    cmd(MDRV_PAUSE_SONG);
    cmd(MDRV_RESUME_SONG);
    EXPECT_EQ(cmd(MDRV_GET_SONG_POS), 2);
    EXPECT_EQ(cmd(MDRV_GET_SONG_STATE), SONG_PLAYING);
    EXPECT_EQ(host_.postsOf(WM_MDRV_KEYS).size(), 1u);
}

TEST_F(Commands, ProgramChangesInTheReplayKeepTheUsersChoice) {
    open();
    putSong({{0, 0xC2, 30, 0, 0, 0}, {10, 0x82, 60, 0, 0, 0}});
    s().songPrograms[2] = 5;
    cmd(MDRV_USER_PROGRAMS);
    cmd(MDRV_SEEK_SONG, 1);
    EXPECT_EQ(s().songPrograms[2], 5);
}

TEST_F(Commands, BufferCommands) {
    open();
    s().recordCount = 5;
    s().bufferPosition = 3;
    s().bufferRing.slot[4] = 0x9530;
    capture_.clear();
    cmd(MDRV_STOP_BUFFER);
    EXPECT_EQ(cmd(MDRV_GET_BUFFER_STATE), BUF_IDLE);
    EXPECT_EQ(capture_.messages(), (std::vector<uint32_t>{0x3095}));
    EXPECT_EQ(cmd(MDRV_GET_BUFFER_COUNT), 5);
    EXPECT_EQ(cmd(MDRV_GET_BUFFER_POS), 3);
    cmd(MDRV_CLEAR_BUFFER);
    EXPECT_EQ(cmd(MDRV_GET_BUFFER_COUNT), 0);
    EXPECT_EQ(cmd(MDRV_GET_BUFFER_POS), 0);
    cmd(MDRV_SET_RECORD_SONG, 0x101);
    cmd(MDRV_SET_RECORD_ACCOMP, 2);
    EXPECT_EQ(s().recordSong, 1);
    EXPECT_EQ(s().recordAccomp, 2);
}

TEST_F(Commands, StartRecordingAsksBeforeAddingToATake) {
    open();
    s().roles[3] = CH_SONG;
    s().roles[4] = CH_MUTED;
    s().channelPrograms[3] = 19;

    cmd(MDRV_START_RECORDING);  // empty buffer: no question
    EXPECT_TRUE(host_.boxes().empty());
    EXPECT_EQ(cmd(MDRV_GET_BUFFER_STATE), BUF_RECORDING);
    ASSERT_EQ(cmd(MDRV_GET_BUFFER_COUNT), 1);  // the song channel's program opens the take
    EXPECT_EQ(s().buffer[0].status, 0xC3);
    EXPECT_EQ(s().buffer[0].data1, 19);

    host_.answerNext(NW_IDNO);
    cmd(MDRV_START_RECORDING);
    ASSERT_EQ(host_.boxes().size(), 1u);
    EXPECT_EQ(host_.boxes()[0].caption, "新建缓冲");
    EXPECT_EQ(host_.boxes()[0].style, uint32_t(NW_MB_YESNO | NW_MB_ICONWARNING));
    EXPECT_EQ(host_.boxes()[0].text,
              "录音缓冲已经有事件，是否新建录音缓冲？\n选择是将新建缓冲.\n选择否将事件添加到当前缓冲的尾部.");
    EXPECT_EQ(cmd(MDRV_GET_BUFFER_COUNT), 2);

    host_.answerNext(NW_IDYES);
    cmd(MDRV_START_RECORDING);
    EXPECT_EQ(cmd(MDRV_GET_BUFFER_COUNT), 1);
}

TEST_F(Commands, TheAccompanimentIsPannedToTheMiddle) {
    open();
    s().pattern[0] = {0, 0x90, 60, 100, 0, 0};
    s().pattern[1] = {50, 0x80, 60, 0, 0, 0};
    s().patternLength = 2;
    cmd(MDRV_START_ACCOMP);
    capture_.clear();
    ticks(1);
    cmd(MDRV_STOP_ACCOMP);
    auto sent = capture_.messages();
    EXPECT_EQ(std::count(sent.begin(), sent.end(), 0x400AB0u), 2);  // before the note, and in the reset
    EXPECT_EQ(std::count(sent.begin(), sent.end(), 0x7F0AB0u), 0);
}

}  // namespace
}  // namespace nwtest
