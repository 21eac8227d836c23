#include "fake_engine.h"

#include <algorithm>
#include <cassert>

namespace {

FakeEngine *g_current = nullptr;

bool isPolledGetter(int32_t command) {
    return command == MDRV_GET_CHANNEL_ROLE || command == MDRV_GET_CHANNEL_PROGRAM ||
           command == MDRV_GET_CHANNEL0_PROGRAM || command == MDRV_GET_ACCOMP_PROGRAM ||
           command == MDRV_GET_BUFFER_COUNT;
}

}  // namespace

FakeEngine::FakeEngine() : previous_(g_current) {
    g_current = this;
}

FakeEngine::~FakeEngine() {
    g_current = previous_;
}

FakeEngine &FakeEngine::current() {
    assert(g_current && "no FakeEngine lives");
    return *g_current;
}

void FakeEngine::bind(EngineBinding &binding) {
    forwardTo_ = EngineBinding{};
    binding.controlMidiDrv = &FakeEngine::control;
    binding.sME1 = &FakeEngine::send1;
    binding.sME5 = &FakeEngine::send5;
}

void FakeEngine::recordInFrontOf(EngineBinding &binding) {
    forwardTo_ = binding;
    binding.controlMidiDrv = &FakeEngine::control;
    binding.sME1 = &FakeEngine::send1;
    binding.sME5 = &FakeEngine::send5;
}

int32_t FakeEngine::answer(int32_t command, int32_t arg) const {
    switch (command) {
        case MDRV_GET_CHANNEL_ROLE:
            return roles[arg & 15];
        case MDRV_GET_CHANNEL_PROGRAM:
            return programs[arg & 15];
        case MDRV_GET_CHANNEL0_PROGRAM:
            return channel0Program;
        case MDRV_GET_ACCOMP_PROGRAM:
            return accompProgram;
        case MDRV_GET_BUFFER_COUNT:
            return bufferCount;
        default:
            return 1;
    }
}

int32_t FakeEngine::control(int32_t command, int32_t arg, const NwHost *host, const char *data) {
    FakeEngine &e = current();
    e.calls.push_back({'C', command, arg, 0, data ? data : ""});
    if (e.forwardTo_.controlMidiDrv) return e.forwardTo_.controlMidiDrv(command, arg, host, data);
    return e.answer(command, arg);
}

int32_t FakeEngine::send1(int32_t status, int32_t data1, int32_t data2) {
    FakeEngine &e = current();
    e.calls.push_back({'1', status, data1, data2, ""});
    return e.forwardTo_.sME1 ? e.forwardTo_.sME1(status, data1, data2) : 1;
}

int32_t FakeEngine::send5(int32_t status, int32_t data1, int32_t data2) {
    FakeEngine &e = current();
    e.calls.push_back({'5', status, data1, data2, ""});
    return e.forwardTo_.sME5 ? e.forwardTo_.sME5(status, data1, data2) : 1;
}

std::vector<EngineCommand> FakeEngine::commands() const {
    std::vector<EngineCommand> out;
    for (const EngineCallRecord &c : calls)
        if (c.via == 'C') out.push_back({c.a, c.b, c.data});
    return out;
}

std::vector<EngineCommand> FakeEngine::actions() const {
    std::vector<EngineCommand> out = commands();
    std::erase_if(out, [](const EngineCommand &c) { return isPolledGetter(c.command); });
    return out;
}

bool FakeEngine::received(int32_t command, int32_t arg) const {
    const std::vector<EngineCommand> sent = commands();
    return std::any_of(sent.begin(), sent.end(),
                       [&](const EngineCommand &c) { return c.command == command && c.arg == arg; });
}
