// The real 1 ms clock thread (most tests drive ticks by hand).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "clock_thread.h"
#include "support/engine_fixture.h"

namespace nwtest {
namespace {

TEST(ClockThread, TicksUntilStoppedAndNotAfter) {
    nw::ClockThread clock;
    std::atomic<int> ticks{0};
    clock.start([&] { ++ticks; }, false);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    clock.stop();
    int atStop = ticks.load();
    EXPECT_GT(atStop, 10);
    EXPECT_EQ(uint64_t(atStop), clock.ticks());
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(ticks.load(), atStop);
}

TEST(ClockThread, CatchesUpOnlyABoundedNumberOfTicksAfterAStall) {
    using Clock = std::chrono::steady_clock;
    nw::ClockThread clock;
    std::atomic<bool> stall{true};
    std::atomic<int64_t> stallEnd{0};
    std::atomic<int> burst{0};  // ticks that ran within 2 ms after the stall ended
    clock.start(
        [&] {
            auto now = Clock::now().time_since_epoch().count();
            if (stall.exchange(false)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                stallEnd = Clock::now().time_since_epoch().count();
                return;
            }
            if (stallEnd && now - stallEnd < 2'000'000) ++burst;
        },
        false);
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    clock.stop();
    // 300 ticks were missed; only a bounded burst of them is played back at once.
    EXPECT_GE(burst.load(), 1);
    EXPECT_LE(burst.load(), nw::ClockThread::kMaxCatchUp + 3);
}

class RunningEngine : public ::testing::Test {
  protected:
    CaptureFile capture_;
    TestHost host_;
    std::unique_ptr<nw::EngineState> state_ = std::make_unique<nw::EngineState>();
};

TEST_F(RunningEngine, OpenStartsOneClockThatRunsTheTicks) {
    nw::Engine engine(*state_, nw::Engine::ClockMode::Thread);
    EXPECT_FALSE(engine.clock().running());
    engine.command(MDRV_OPEN, -1, host_.host(), "");
    ASSERT_TRUE(engine.clock().running());
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    engine.command(MDRV_OPEN, -1, host_.host(), "");  // a second open keeps the running clock
    engine.command(MDRV_START_RECORDING, 0, host_.host(), "");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_GT(engine.clock().ticks(), 20u);
    engine.send(nw::Sender::Me1, 0x90, 60, 100);
    EXPECT_GT(state_->buffer[0].delta, 0u);  // the recording time base advanced on the clock thread
}

}  // namespace
}  // namespace nwtest
