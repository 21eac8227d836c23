// Song load, the worst tick and writing a full recording buffer.
// Inputs: the large files of gen_big_smf.py, generated on first run into NOTEWIRE_BENCH_SMF_DIR (default
// beside this binary).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "engine.h"
#include "midi_writer.h"
#include "song_reader.h"
#include "take_file.h"

// GCC takes the malloc/free pair below for a mismatch once operator new is inlined into a caller.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

// Every operator new is counted, so a benchmark can show what a load allocates.
static std::atomic<uint64_t> g_allocations{0};
void *operator new(size_t size) {
    ++g_allocations;
    if (void *p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void *operator new[](size_t size) {
    return operator new(size);
}
void *operator new(size_t size, const std::nothrow_t &) noexcept {
    ++g_allocations;
    return std::malloc(size ? size : 1);
}
void *operator new[](size_t size, const std::nothrow_t &t) noexcept {
    return operator new(size, t);
}
void operator delete(void *p) noexcept {
    std::free(p);
}
void operator delete[](void *p) noexcept {
    std::free(p);
}
void operator delete(void *p, size_t) noexcept {
    std::free(p);
}
void operator delete[](void *p, size_t) noexcept {
    std::free(p);
}

namespace {

std::string inputDir() {
    const char *dir = std::getenv("NOTEWIRE_BENCH_SMF_DIR");
    return dir ? dir : "bench-smf";
}

std::string input(const char *name) {
    const std::string dir = inputDir();
    const std::string path = dir + "/" + name;
    if (!std::filesystem::exists(path)) {
        const std::string command = "python3 '" NOTEWIRE_GEN_BIG_SMF "' '" + dir + "' > /dev/null";
        if (std::system(command.c_str()) != 0) std::fprintf(stderr, "cannot generate %s\n", path.c_str());
    }
    return path;
}

std::vector<uint8_t> readAll(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

int32_t answerQuietly(void *, const char *, const char *, uint32_t) {
    return NW_IDOK;
}
const NwHost kQuietHost{nullptr, nullptr, answerQuietly};

struct CapturedEngine {
    CapturedEngine() {
        setenv("NOTEWIRE_CAPTURE", "/dev/null", 1);
        engine.command(MDRV_OPEN, 0, &kQuietHost, "");
    }
    std::unique_ptr<nw::EngineState> state = std::make_unique<nw::EngineState>();
    nw::Engine engine{*state, nw::Engine::ClockMode::Manual};
};

// The whole command: file to store, channel allocation, device reopen (a capture sink here).
void BM_LoadSongCommand(benchmark::State &st, const char *name) {
    const std::string path = input(name);
    CapturedEngine e;
    uint64_t allocations = 0;
    for (auto _ : st) {
        const uint64_t before = g_allocations.load();
        e.engine.command(MDRV_LOAD_SONG, 0, nullptr, path.c_str());
        allocations = g_allocations.load() - before;
    }
    if (e.state->songLength == 0) st.SkipWithError("song refused");
    st.counters["events"] = double(e.state->songLength);
    st.counters["allocations"] = double(allocations);
}
BENCHMARK_CAPTURE(BM_LoadSongCommand, tracks16, "big_16trk_1M.mid")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadSongCommand, tracks255, "big_255trk_500k.mid")->Unit(benchmark::kMillisecond);

// The reader and merge alone, from an image already in memory.
void BM_ReadSongImage(benchmark::State &st, const char *name) {
    const std::vector<uint8_t> image = readAll(input(name));
    auto state = std::make_unique<nw::EngineState>();
    uint64_t allocations = 0;
    nw::SongReadResult r;
    for (auto _ : st) {
        const uint64_t before = g_allocations.load();
        r = nw::readSong(image.data(), image.size(), *state);
        allocations = g_allocations.load() - before;
    }
    if (r.error) st.SkipWithError(r.error);
    st.counters["events"] = double(r.records);
    st.counters["allocations"] = double(allocations);
}
BENCHMARK_CAPTURE(BM_ReadSongImage, tracks16, "big_16trk_1M.mid")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadSongImage, tracks255, "big_255trk_500k.mid")->Unit(benchmark::kMillisecond);

// One tick that plays 1,000 events falling at the same time, on all 16 channels: with the capture sink
// (a flushed line of text per message) and with no device at all (the engine's own work).
void BM_TickOfAThousandEvents(benchmark::State &st, bool device) {
    CapturedEngine e;
    if (!device) e.engine.command(MDRV_CLOSE_DEVICE, 0, nullptr, "");
    nw::EngineState &s = *e.state;
    for (int c = 0; c < 16; ++c)
        s.roles[c] = CH_SONG;
    for (uint32_t i = 0; i < 1000; ++i) {
        const uint8_t kind = i % 2 ? 0x90 : (i % 4 ? 0xB0 : 0xE0);
        s.song[i] = {0, uint8_t(kind + i % 16), uint8_t(20 + i % 90), 90, 0, 0};
    }
    s.song[1000] = {100, 0x90, 60, 0, 0, 0};
    s.songLength = 1001;
    s.division = 96;
    s.tempo = 500000;
    s.speed = 5;
    s.songVelocityScale = 10;
    for (auto _ : st) {
        st.PauseTiming();
        s.songPosition = 0;
        s.songWait = 0;
        s.songState = SONG_PLAYING;
        st.ResumeTiming();
        e.engine.tick();
    }
    if (s.songPosition != 1000) st.SkipWithError("the group did not play in one tick");
}
BENCHMARK_CAPTURE(BM_TickOfAThousandEvents, capture_sink, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_TickOfAThousandEvents, no_device, false)->Unit(benchmark::kMicrosecond);

void fillBuffer(nw::EngineState &s) {
    for (uint32_t i = 0; i <= nw::kRecordLastIndex; ++i) {
        const uint8_t kind = i % 3 == 0 ? 0xC0 : 0x90;
        s.buffer[i] = {
            i % 7 ? 0u : 50u + i % 300, uint8_t(kind + i % 16), uint8_t(i % 128), uint8_t(i % 100), 0, 0};
    }
    s.recordCount = nw::kRecordLastIndex + 1;  // 65,281 events
}

void BM_BuildMidiFile(benchmark::State &st) {
    auto state = std::make_unique<nw::EngineState>();
    fillBuffer(*state);
    for (auto _ : st)
        benchmark::DoNotOptimize(nw::buildMidiFile(state->buffer, state->recordCount));
}
BENCHMARK(BM_BuildMidiFile)->Unit(benchmark::kMicrosecond);

void BM_BuildTakeFile(benchmark::State &st) {
    auto state = std::make_unique<nw::EngineState>();
    fillBuffer(*state);
    for (auto _ : st)
        benchmark::DoNotOptimize(nw::buildTakeFile(state->buffer, state->recordCount));
}
BENCHMARK(BM_BuildTakeFile)->Unit(benchmark::kMicrosecond);

// The whole save command, file written beside and renamed into place (synced to disk).
void BM_SaveBufferCommand(benchmark::State &st, int code) {
    CapturedEngine e;
    fillBuffer(*e.state);
    const std::string path =
        inputDir() + (code == MDRV_SAVE_BUFFER_MIDI ? "/bench-save.mid" : "/bench-save.tkb");
    std::filesystem::create_directories(inputDir());
    for (auto _ : st)
        e.engine.command(code, 0, nullptr, path.c_str());
    st.counters["bytes"] = double(std::filesystem::file_size(path));
}
BENCHMARK_CAPTURE(BM_SaveBufferCommand, midi, MDRV_SAVE_BUFFER_MIDI)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SaveBufferCommand, take, MDRV_SAVE_BUFFER_TKB)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
