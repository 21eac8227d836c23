// The one stand-in for the engine library, behind the program's engine binding (its three entry points).
// Every call is recorded. Bound alone, it answers the getters from fields a test sets and everything
// else with 1; put in front of a real engine, it records and then forwards each call.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine_binding.h"

struct EngineCallRecord {
    char via;         // 'C' ControlMidiDrv, '1' sME1, '5' sME5
    int32_t a, b, c;  // command and argument for 'C'; status and the two data bytes for a send
    std::string data;
    bool operator==(const EngineCallRecord &) const = default;
};

// A ControlMidiDrv call.
struct EngineCommand {
    int32_t command, arg;
    std::string data;
    bool operator==(const EngineCommand &) const = default;
};

class FakeEngine {
  public:
    // The entry points are plain functions, so one fake at a time receives them: the latest made.
    FakeEngine();
    ~FakeEngine();
    FakeEngine(const FakeEngine &) = delete;
    FakeEngine &operator=(const FakeEngine &) = delete;
    static FakeEngine &current();

    // Puts this fake in place of the engine.
    void bind(EngineBinding &binding);
    // Records every call and hands it on to the entry points `binding` held.
    void recordInFrontOf(EngineBinding &binding);

    std::vector<EngineCommand> commands() const;
    // Commands that change something: every command but the getters the dialogs poll.
    std::vector<EngineCommand> actions() const;
    bool received(int32_t command, int32_t arg) const;

    std::vector<EngineCallRecord> calls;
    std::array<int32_t, 16> roles{};
    std::array<int32_t, 16> programs{};
    int32_t channel0Program = 0;
    int32_t accompProgram = 0;
    int32_t bufferCount = 3;  // events in the recording buffer

  private:
    static int32_t control(int32_t command, int32_t arg, const NwHost *host, const char *data);
    static int32_t send1(int32_t status, int32_t data1, int32_t data2);
    static int32_t send5(int32_t status, int32_t data1, int32_t data2);
    int32_t answer(int32_t command, int32_t arg) const;

    EngineBinding forwardTo_;  // the real entry points, when recording in front of them
    FakeEngine *previous_;
};
