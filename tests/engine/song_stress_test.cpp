// The real 1 ms clock plays a dense song while the calling thread loads, seeks, skips, pauses, records,
// saves and sends. Run under the tsan preset this shows the lock covers every shared field.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>

#include "song_support.h"

namespace nw::test {
namespace {

struct CountingHost {
    std::atomic<uint64_t> posts{0};
    std::atomic<uint64_t> boxes{0};
    static void post(void *c, uint32_t, uint32_t, uint32_t) { ++static_cast<CountingHost *>(c)->posts; }
    static int32_t box(void *c, const char *, const char *, uint32_t) {
        ++static_cast<CountingHost *>(c)->boxes;
        return NW_IDYES;
    }
};

Bytes busySong(int tracks) {
    std::vector<Track> out(static_cast<size_t>(tracks));
    for (int t = 0; t < tracks; ++t) {
        out[static_cast<size_t>(t)].ev(0, {uint8_t(0xC0 + t), uint8_t(t)});
        for (int i = 0; i < 2000; ++i) {
            const uint8_t note = uint8_t(36 + (i * 7 + t) % 60);
            out[static_cast<size_t>(t)].ev(i % 3 == 0 ? 0 : 1, {uint8_t(0x90 + t), note, 90});
            out[static_cast<size_t>(t)].ev(1, {uint8_t(0x80 + t), note, 0});
            if (i % 50 == 0)
                out[static_cast<size_t>(t)]
                    .ev(0, {uint8_t(0xB0 + t), 11, 100})
                    .tempo(0, 400000 + 1000 * uint32_t(i));
        }
        out[static_cast<size_t>(t)].end();
    }
    return smf(out, 24);
}

TEST(SongStress, ClockThreadPlaysWhileCommandsAndSendersRun) {
    setenv("NOTEWIRE_CAPTURE", "/dev/null", 1);
    TempDir dir;
    const std::string songA = dir.write("a.mid", busySong(8));
    const std::string songB = dir.write("b.mid", busySong(16));
    const std::string bad = dir.write("bad.mid", withTrackData({0, 0x90, 60}));
    const std::string midi = dir.file("take.mid"), take = dir.file("take.tkb");

    auto state = std::make_unique<EngineState>();
    CountingHost counter;
    const NwHost host{&counter, &CountingHost::post, &CountingHost::box};
    {
        Engine engine(*state, Engine::ClockMode::Thread);
        auto cmd = [&](int32_t code, int32_t arg = 0, const std::string &data = "") {
            return engine.command(code, arg, &host, data.c_str());
        };
        cmd(MDRV_OPEN, 0);
        ASSERT_EQ(cmd(MDRV_LOAD_SONG, 0, songA), 0);
        cmd(MDRV_SET_SONG_VELOCITY, 10);
        cmd(MDRV_SET_RECORD_SONG, 1);
        cmd(MDRV_START_SONG);
        cmd(MDRV_START_RECORDING);

        std::mt19937 rng(7);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
        int step = 0;
        while (std::chrono::steady_clock::now() < deadline) {
            switch (rng() % 20) {
                case 0:
                    cmd(MDRV_LOAD_SONG, 0, step % 2 ? songA : songB), cmd(MDRV_START_SONG);
                    break;
                case 1:
                    cmd(MDRV_SEEK_SONG, int32_t(rng() % 20000));
                    break;
                case 2:
                    cmd(MDRV_SKIP_FORWARD);
                    break;
                case 3:
                    cmd(MDRV_SKIP_BACK);
                    break;
                case 4:
                    cmd(MDRV_PAUSE_SONG);
                    break;
                case 5:
                    cmd(MDRV_RESUME_SONG);
                    break;
                case 6:
                    cmd(MDRV_START_RECORDING);
                    break;
                case 7:
                    cmd(MDRV_PLAY_BUFFER);
                    break;
                case 8:
                    cmd(MDRV_STOP_BUFFER);
                    break;
                case 9:
                    cmd(MDRV_SAVE_BUFFER_MIDI, 0, midi);
                    break;
                case 10:
                    cmd(MDRV_SAVE_BUFFER_TKB, 0, take);
                    break;
                case 11:
                    cmd(MDRV_STOP_ACCOMP), cmd(MDRV_LOAD_ACCOMP, 0, take), cmd(MDRV_START_ACCOMP);
                    break;
                case 12:
                    cmd(MDRV_MUTE_CHANNEL, int32_t(rng() % 16));
                    break;
                case 13:
                    cmd(MDRV_UNMUTE_CHANNEL, int32_t(rng() % 16));
                    break;
                case 14:
                    cmd(MDRV_LOAD_SONG, 0, bad);
                    break;
                case 15:
                    cmd(MDRV_SPEED_UP);
                    break;
                case 16:
                    cmd(MDRV_BEND_ADD);
                    break;
                default:
                    engine.send(Sender::Me1, 0x90, int32_t(rng() % 128), 100);
                    engine.send(Sender::Me1, 0x80, int32_t(rng() % 128), 0);
                    break;
            }
            ++step;
        }
        EXPECT_GT(engine.clock().ticks(), 100u);  // the clock really ran alongside
        cmd(MDRV_CLOSE_DEVICE);
    }
    unsetenv("NOTEWIRE_CAPTURE");
    EXPECT_GT(counter.posts.load(), 1000u);
}

}  // namespace
}  // namespace nw::test
