// How long the engine holds the lock or the GUI thread for the commands that jump, load and reopen, and
// how much of a core a pattern whose events all fall together keeps busy.
// Input: the large file of gen_big_smf.py, generated on first run into NOTEWIRE_BENCH_SMF_DIR (default
// beside this binary).
#include <benchmark/benchmark.h>
#include <time.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "engine.h"
#include "output/output.h"

namespace {

std::string inputDir() {
    const char *dir = std::getenv("NOTEWIRE_BENCH_SMF_DIR");
    return dir ? dir : "bench-smf";
}

std::string bigSong() {
    const std::string dir = inputDir();
    const std::string path = dir + "/big_16trk_1M.mid";
    if (!std::filesystem::exists(path)) {
        const std::string command = "python3 '" NOTEWIRE_GEN_BIG_SMF "' '" + dir + "' > /dev/null";
        if (std::system(command.c_str()) != 0) std::fprintf(stderr, "cannot generate %s\n", path.c_str());
    }
    return path;
}

// A one-track song of 200 notes, as small songs are.
std::string smallSong() {
    std::filesystem::create_directories(inputDir());
    const std::string path = inputDir() + "/small.mid";
    std::string track;
    for (int i = 0; i < 200; ++i) {
        track += {char(i ? 0x60 : 0), char(0x90), char(40 + i % 40), 100};
        track += {0x30, char(0x80), char(40 + i % 40), 0};
    }
    track += {0, char(0xFF), 0x2F, 0};
    std::string file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k'};
    const uint32_t n = uint32_t(track.size());
    file += {char(n >> 24), char(n >> 16), char(n >> 8), char(n)};
    std::ofstream(path, std::ios::binary) << file << track;
    return path;
}

class CountingDevice final : public nw::output::Device {
  public:
    explicit CountingDevice(std::atomic<uint64_t> &count) : count_(count) {}
    int32_t send(uint32_t) override {
        count_.fetch_add(1, std::memory_order_relaxed);
        return 0;
    }
    void setVolume(uint32_t) override {}

  private:
    std::atomic<uint64_t> &count_;
};

std::atomic<uint64_t> g_posts{0};
void countPost(void *, uint32_t, uint32_t, uint32_t) {
    g_posts.fetch_add(1, std::memory_order_relaxed);
}
int32_t answerQuietly(void *, const char *, const char *, uint32_t) {
    return NW_IDOK;
}
const NwHost kHost{nullptr, countPost, answerQuietly};

struct Engine {
    explicit Engine(nw::Engine::ClockMode mode = nw::Engine::ClockMode::Manual) : engine(*state, mode) {}
    int32_t command(int32_t code, int32_t arg = 0, const std::string &data = "") {
        return engine.command(code, arg, &kHost, data.c_str());
    }
    std::unique_ptr<nw::EngineState> state = std::make_unique<nw::EngineState>();
    nw::Engine engine;
};

// Seek to the end of the 1,008,381-event song: the whole command runs under the lock.
void BM_SeekToTheEndOfTheBigSong(benchmark::State &st) {
    setenv("NOTEWIRE_CAPTURE", "/dev/null", 1);
    Engine e;
    e.command(MDRV_OPEN, 0);
    e.command(MDRV_LOAD_SONG, 0, bigSong());
    const int32_t length = e.command(MDRV_GET_SONG_LENGTH);
    std::atomic<uint64_t> sent{0};
    e.engine.attachDevice(std::make_unique<CountingDevice>(sent));
    for (auto _ : st) {
        sent = 0;
        e.command(MDRV_SEEK_SONG, length - 1);
    }
    unsetenv("NOTEWIRE_CAPTURE");
    if (length < 1000000) st.SkipWithError("song refused");
    st.counters["events"] = double(length);
    st.counters["messages"] = double(sent.load());
}
BENCHMARK(BM_SeekToTheEndOfTheBigSong)->Unit(benchmark::kMillisecond);

// The GUI thread's time for the commands that close and reopen the built-in synthesizer (its audio
// rendered into /dev/null, its SoundFont loaded beforehand).
struct SynthEngine : Engine {
    SynthEngine() {
        setenv("NOTEWIRE_AUDIO_DRIVER", "file", 1);
        setenv("NOTEWIRE_AUDIO_FILE", "/dev/null", 1);
        command(MDRV_OPEN, 0);
        nw::output::settle();
    }
};

void BM_LoadSmallSong(benchmark::State &st) {
    SynthEngine e;
    const std::string path = smallSong();
    for (auto _ : st)
        e.command(MDRV_LOAD_SONG, 0, path);
    if (!e.engine.deviceOpen() || e.state->songLength != 401) st.SkipWithError("no song or no device");
}
BENCHMARK(BM_LoadSmallSong)->Unit(benchmark::kMillisecond);

// Stop (with the host's controller resets on the song's channel), then play again.
void BM_StopThenPlay(benchmark::State &st) {
    SynthEngine e;
    e.command(MDRV_LOAD_SONG, 0, smallSong());
    for (auto _ : st) {
        e.command(MDRV_STOP_SONG);
        e.command(MDRV_SEND_CONTROLLER, 0 | 7 << 8 | 100 << 16);
        e.command(MDRV_SELECT_DEVICE, 0);
        e.command(MDRV_START_SONG);
    }
    if (!e.engine.deviceOpen()) st.SkipWithError("no device");
}
BENCHMARK(BM_StopThenPlay)->Unit(benchmark::kMillisecond);

double processCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// The real 1 ms clock playing a take of 40 program changes that all fall together, for 10 s; with
// argument 0 the pattern is not started, which gives the clock's own share to compare with.
void BM_AllTogetherPatternCpuShare(benchmark::State &st) {
    Engine e(nw::Engine::ClockMode::Thread);
    for (uint8_t c = 0; c < 40; ++c)
        e.state->pattern[c] = {0, uint8_t(0xC0 + c % 16), c, 0, 0, 0};
    e.state->patternLength = 40;   // before the clock starts
    e.command(MDRV_OPEN, 0x7FFF);  // no such device: nothing real opens
    std::atomic<uint64_t> sent{0};
    e.engine.attachDevice(std::make_unique<CountingDevice>(sent));
    double share = 0;
    for (auto _ : st) {
        g_posts = 0;
        const double cpu0 = processCpuSeconds();
        if (st.range(0)) e.command(MDRV_START_ACCOMP);
        std::this_thread::sleep_for(std::chrono::seconds(10));
        e.command(MDRV_STOP_ACCOMP);
        share = (processCpuSeconds() - cpu0) / 10.0;
    }
    st.counters["cpu_share_percent"] = share * 100;
    st.counters["posts_per_s"] = double(g_posts.load()) / 10.0;
    st.counters["messages_per_s"] = double(sent.load()) / 10.0;
}
BENCHMARK(BM_AllTogetherPatternCpuShare)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
