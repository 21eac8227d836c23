// The engine's life: load, MDRV_OPEN, device open and reopen, unload.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "engine.h"
#include "notewire/manual_clock.h"

namespace nw {
namespace {

constexpr const char *kDeviceFailure = "不能打开设备，请检查设备是否健康!或换一个设备试试";
constexpr const char *kDeviceCaption = "设备错误";

// Tests of the program ask for a hand-driven clock through the environment, as the program loads the
// same library as users do.
bool manualClockAsked() {
    const char *value = std::getenv(NOTEWIRE_MANUAL_CLOCK_VARIABLE);
    return value && std::strcmp(value, "1") == 0;
}

}  // namespace

Engine::Engine(EngineState &storage, ClockMode mode) : s_(storage), clockMode_(mode) {
    s_.programMode = PROG_SONG;
}

Engine::~Engine() {
    {
        std::lock_guard<std::mutex> guard(inputMutex_);
        input_.close();
    }
    clock_.stop();
    std::lock_guard<std::mutex> guard(mutex_);
    s_.songState = SONG_CLOSED;
    closeDevice();
}

bool Engine::openDevice() {
    out_ = output::open(s_.deviceId);
    // A device opened afresh has been sent nothing: song pitches and the accompaniment's settings go
    // out again before their next notes.
    std::fill(std::begin(s_.bendCache), std::end(s_.bendCache), 0u);
    forgetAccompSettingsSent();
    return out_ != nullptr;
}

void Engine::forgetAccompSettingsSent() {
    s_.accompBendCache = 0;
    s_.accompControllerValueCache = 0;
    s_.accompControllerNumberCache = 0;
}

void Engine::closeDevice() {
    out_.reset();
}

void Engine::attachDevice(std::unique_ptr<output::Device> device) {
    std::lock_guard<std::mutex> guard(mutex_);
    out_ = std::move(device);
}

bool Engine::reopenDevice() {
    closeDevice();
    return openDevice();
}

int32_t Engine::ask(Lock &lock, const char *text, const char *caption, uint32_t style) {
    HostLink host = host_;
    lock.unlock();
    int32_t answer = host.messageBox(text, caption, style);
    lock.lock();
    return answer;
}

int32_t Engine::open(Lock &lock, int32_t device, const NwHost *host) {
    host_.attach(host);
    s_.deviceId = device;
    s_.bufferState = BUF_IDLE;
    closeDevice();
    if (!openDevice()) ask(lock, kDeviceFailure, kDeviceCaption, NW_MB_ICONWARNING);
    if (s_.clockId == 0) {
        s_.clockId = 1;
        if (clockMode_ == ClockMode::Thread && manualClockAsked()) clockMode_ = ClockMode::Manual;
        if (clockMode_ == ClockMode::Thread) clock_.start([this] { tick(); });
    }
    resetRolesAtOpen(s_);
    s_.accompBend = 5;
    s_.accompSpeed = 5;
    s_.accompVelocityScale = 20;
    s_.accompProgramFlag = 0;
    s_.recordSong = 0;
    s_.recordAccomp = 0;
    return 1;
}

int32_t Engine::advanceManualClock(int32_t ms) {
    {
        std::lock_guard<std::mutex> guard(mutex_);
        if (clockMode_ != ClockMode::Manual || s_.clockId == 0 || ms < 0) return 0;
    }
    for (int32_t i = 0; i < ms; ++i)
        tick();
    return ms;
}

void Engine::tick() {
    std::lock_guard<std::mutex> guard(mutex_);
    if (out_) out_->service();
    if (!songSection()) return;
    bufferSection();
    accompSection();
}

}  // namespace nw
