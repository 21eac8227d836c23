// Ten seconds of the real 1 ms clock: how many ticks ran and how late each one started, with and
// without real-time priority, on an idle machine and with the other core busy.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "clock_thread.h"

namespace {

struct Lateness {
    std::vector<int64_t> ns;
    static void observe(void *context, int64_t late) {
        auto *self = static_cast<Lateness *>(context);
        if (self->ns.size() < self->ns.capacity()) self->ns.push_back(late);
    }
};

void BM_Clock10s(benchmark::State &state) {
    const bool realtime = state.range(0) != 0;
    const bool busy = state.range(1) != 0;
    for (auto _ : state) {
        std::atomic<bool> stopLoad{false};
        std::vector<std::thread> load;
        if (busy)
            load.emplace_back([&] {
                volatile uint64_t x = 0;
                while (!stopLoad.load(std::memory_order_relaxed))
                    x = x + 1;
            });
        Lateness lateness;
        lateness.ns.reserve(20000);
        nw::ClockThread clock;
        clock.setLatenessObserver(&Lateness::observe, &lateness);
        std::atomic<uint64_t> ticks{0};
        auto started = std::chrono::steady_clock::now();
        clock.start([&] { ticks.fetch_add(1, std::memory_order_relaxed); }, realtime);
        std::this_thread::sleep_for(std::chrono::seconds(10));
        uint64_t counted = ticks.load();
        // Deadlines that had passed when the count was read: the drift shows ticks lost or added.
        auto elapsed = std::chrono::steady_clock::now() - started;
        double due = double(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
        clock.stop();
        stopLoad = true;
        for (auto &t : load)
            t.join();

        std::sort(lateness.ns.begin(), lateness.ns.end());
        auto at = [&](double q) {
            return double(lateness
                              .ns[std::min(lateness.ns.size() - 1, size_t(q * double(lateness.ns.size())))]) /
                   1000.0;
        };
        state.counters["ticks"] = double(counted);
        state.counters["drift"] = double(counted) - due;
        state.counters["rt_granted"] = clock.realtime() ? 1 : 0;
        state.counters["late_p50_us"] = at(0.5);
        state.counters["late_p99_us"] = at(0.99);
        state.counters["late_p999_us"] = at(0.999);
        state.counters["late_max_us"] = double(lateness.ns.back()) / 1000.0;
    }
}
BENCHMARK(BM_Clock10s)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"realtime", "busy"})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
