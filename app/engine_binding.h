#pragma once
#include <cstdint>
#include "notewire/notewire.h"
struct EngineBinding {
    using ControlFn = int32_t (*)(int32_t, int32_t, const NwHost *, const char *);
    using SendFn = int32_t (*)(int32_t, int32_t, int32_t);
    ControlFn controlMidiDrv = nullptr;
    SendFn sME1 = nullptr;
    SendFn sME5 = nullptr;
    const NwHost *host = nullptr;  // the main window's handle: passed with every command
    // ControlMidiDrv(command, arg, host, data); returns 0 when unbound
    int32_t call(int32_t command, int32_t arg = 0, const char *data = "") const {
        return controlMidiDrv ? controlMidiDrv(command, arg, host, data) : 0;
    }
};
