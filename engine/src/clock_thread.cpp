#include "clock_thread.h"

#include <pthread.h>
#include <sched.h>
#include <time.h>

namespace nw {
namespace {

constexpr int64_t kPeriodNs = 1'000'000;

int64_t nowNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

void sleepUntil(int64_t deadlineNs) {
    timespec ts{};
    ts.tv_sec = deadlineNs / 1'000'000'000;
    ts.tv_nsec = deadlineNs % 1'000'000'000;
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) != 0) {
    }
}

// Real-time priority keeps the clock steady under load; without permission it runs at normal priority.
bool askForRealtime() {
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_FIFO) + 10;
    return pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0;
}

}  // namespace

void ClockThread::start(std::function<void()> tick, bool wantRealtime) {
    if (running()) return;
    tick_ = std::move(tick);
    stop_ = false;
    thread_ = std::thread([this, wantRealtime] { run(wantRealtime); });
}

void ClockThread::stop() {
    if (!running()) return;
    stop_ = true;
    thread_.join();
}

void ClockThread::setLatenessObserver(LatenessObserver observer, void *context) {
    observerContext_ = context;
    observer_ = observer;
}

void ClockThread::run(bool wantRealtime) {
    realtime_ = wantRealtime && askForRealtime();
    int64_t deadline = nowNs() + kPeriodNs;
    while (!stop_.load(std::memory_order_relaxed)) {
        sleepUntil(deadline);
        int64_t late = nowNs() - deadline;
        // After a long stall, play a bounded number of the missed ticks and move the deadline on.
        int64_t missed = late / kPeriodNs;
        if (missed > kMaxCatchUp) {
            deadline += (missed - kMaxCatchUp) * kPeriodNs;
            late = nowNs() - deadline;
        }
        tick_();
        ticks_.fetch_add(1, std::memory_order_relaxed);
        if (auto observer = observer_.load()) observer(observerContext_.load(), late);
        deadline += kPeriodNs;
    }
}

}  // namespace nw
