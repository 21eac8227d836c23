// The 1 ms clock: a thread that runs a tick on absolute deadlines, so ticks do not drift.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

namespace nw {

class ClockThread {
  public:
    // Ticks run late after a stall are caught up to this many at once; older ones are dropped.
    static constexpr int kMaxCatchUp = 20;

    // Receives, after every tick, how late it started in nanoseconds (for measurements).
    using LatenessObserver = void (*)(void *context, int64_t latenessNs);

    ~ClockThread() { stop(); }

    void start(std::function<void()> tick, bool wantRealtime = true);
    void stop();
    bool running() const { return thread_.joinable(); }
    bool realtime() const { return realtime_.load(); }
    uint64_t ticks() const { return ticks_.load(std::memory_order_relaxed); }
    void setLatenessObserver(LatenessObserver observer, void *context);

  private:
    void run(bool wantRealtime);

    std::function<void()> tick_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> realtime_{false};
    std::atomic<uint64_t> ticks_{0};
    std::atomic<LatenessObserver> observer_{nullptr};
    std::atomic<void *> observerContext_{nullptr};
};

}  // namespace nw
