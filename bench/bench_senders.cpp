// The keyboard sender's path: sME1 from the call to the output layer (a device that does nothing).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "engine.h"

namespace {

class NullDevice final : public nw::output::Device {
  public:
    int32_t send(uint32_t packed) override { return int32_t(packed >> 31); }
    void setVolume(uint32_t) override {}
};

void reportPercentiles(benchmark::State &state, std::vector<double> &ns) {
    std::sort(ns.begin(), ns.end());
    auto at = [&](double q) { return ns[std::min(ns.size() - 1, size_t(q * double(ns.size())))]; };
    state.counters["p50_ns"] = at(0.50);
    state.counters["p99_ns"] = at(0.99);
    state.counters["p999_ns"] = at(0.999);
}

// Each call timed on its own, so the median and the tail are visible, not just the mean.
void BM_sME1ToDevice(benchmark::State &state) {
    auto s = std::make_unique<nw::EngineState>();
    nw::Engine engine(*s, nw::Engine::ClockMode::Manual);
    NwHost host{};
    host.post = [](void *, uint32_t, uint32_t, uint32_t) {};
    host.message_box = [](void *, const char *, const char *, uint32_t) { return int32_t(NW_IDOK); };
    engine.command(MDRV_OPEN, 0x7FFF, &host, "");  // no such device: nothing real opens
    engine.attachDevice(std::make_unique<NullDevice>());
    engine.command(MDRV_START_RECORDING, 0, &host, "");
    bool recording = state.range(0) != 0;
    if (!recording) engine.command(MDRV_STOP_BUFFER, 0, &host, "");
    std::vector<double> ns;
    ns.reserve(1 << 20);
    int note = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(engine.send(nw::Sender::Me1, 0x90, 40 + note, 100));
        auto t1 = std::chrono::steady_clock::now();
        note = (note + 1) & 31;
        if (ns.size() < ns.capacity())
            ns.push_back(std::chrono::duration<double, std::nano>(t1 - t0).count());
        if (recording && s->recordCount > 60000) s->recordCount = 0;
    }
    reportPercentiles(state, ns);
}
BENCHMARK(BM_sME1ToDevice)->Arg(0)->Arg(1)->ArgName("recording");

}  // namespace

BENCHMARK_MAIN();
