// The library's exported functions: one engine over static storage, made when the library is loaded and
// unloaded with it (which stops its clock and closes its device).
#include "engine.h"
#include "notewire/manual_clock.h"
#include "notewire/notewire.h"

namespace {

nw::EngineState g_state;
nw::Engine g_engine(g_state, nw::Engine::ClockMode::Thread);

}  // namespace

extern "C" {

int32_t ControlMidiDrv(int32_t command, int32_t arg, const NwHost *host, const char *data) {
    return g_engine.command(command, arg, host, data);
}

int32_t sME(int32_t s, int32_t d1, int32_t d2) {
    return g_engine.send(nw::Sender::Me, s, d1, d2);
}
int32_t sME1(int32_t s, int32_t d1, int32_t d2) {
    return g_engine.send(nw::Sender::Me1, s, d1, d2);
}
int32_t sME2(int32_t s, int32_t d1, int32_t d2) {
    return g_engine.send(nw::Sender::Me2, s, d1, d2);
}
int32_t sME3(int32_t s, int32_t d1, int32_t d2) {
    return g_engine.send(nw::Sender::Me3, s, d1, d2);
}
int32_t sME4(int32_t s, int32_t d1, int32_t d2) {
    return g_engine.send(nw::Sender::Me4, s, d1, d2);
}
int32_t sME5(int32_t s, int32_t d1, int32_t d2) {
    return g_engine.send(nw::Sender::Me5, s, d1, d2);
}

int32_t nwOutputDeviceCount(void) {
    return nw::output::deviceCount();
}

int32_t nwOutputDeviceCaps(int32_t device, NwDeviceCaps *caps) {
    return nw::output::deviceCaps(device, caps) ? 1 : 0;
}

int32_t nwSelectMidiInput(int32_t choice, const char *source) {
    return g_engine.selectMidiInput(choice, source);
}

int32_t nwMidiInputSourceCount(void) {
    return g_engine.midiInputSourceCount();
}

int32_t nwMidiInputSourceName(int32_t index, char *name, int32_t size) {
    return g_engine.midiInputSourceName(index, name, size);
}

int32_t nwAdvanceManualClock(int32_t milliseconds) {
    return g_engine.advanceManualClock(milliseconds);
}

}  // extern "C"
