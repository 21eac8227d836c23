// An engine of its own for each test, with a hand-driven clock, a recording host and a capture sink.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "capture.h"
#include "engine.h"
#include "test_host.h"

namespace nwtest {

class EngineTest : public ::testing::Test {
  protected:
    EngineTest()
        : state_(std::make_unique<nw::EngineState>()), engine_(*state_, nw::Engine::ClockMode::Manual) {}

    int32_t cmd(int32_t code, int32_t arg = 0, const char *data = "") {
        return engine_.command(code, arg, host_.host(), data);
    }
    void open(int32_t device = -1) { cmd(MDRV_OPEN, device); }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            engine_.tick();
    }
    nw::EngineState &s() { return *state_; }

    // Puts a song into the store as the reader would leave it (roles set by the caller).
    void putSong(std::initializer_list<nw::EngineEvent> events) {
        uint32_t i = 0;
        for (const auto &e : events)
            s().song[i++] = e;
        s().songLength = i;
        s().division = 480;
        s().tempo = 500000;
        s().speed = 5;
        s().bendWord = 0x4000;
    }

    CaptureFile capture_;  // first, so every device of the test opens as a capture sink
    TestHost host_;
    std::unique_ptr<nw::EngineState> state_;
    nw::Engine engine_;
};

}  // namespace nwtest
