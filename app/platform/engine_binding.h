#pragma once

#include <QString>
#include <cstdint>

#include "notewire/notewire.h"

// The three engine entry points the program calls, and the main window's handle passed with every command.
struct EngineBinding {
    using ControlFn = int32_t (*)(int32_t, int32_t, const NwHost *, const char *);
    using SendFn = int32_t (*)(int32_t, int32_t, int32_t);
    ControlFn controlMidiDrv = nullptr;
    SendFn sME1 = nullptr;
    SendFn sME5 = nullptr;
    // The output device list of the settings dialog; unbound when the library lacks them.
    using DeviceCountFn = int32_t (*)();
    using DeviceCapsFn = int32_t (*)(int32_t, NwDeviceCaps *);
    DeviceCountFn outputDeviceCount = nullptr;
    DeviceCapsFn outputDeviceCaps = nullptr;
    // MIDI input; unbound when the library lacks them (the program then plays without input).
    using SelectInputFn = int32_t (*)(int32_t, const char *);
    using InputCountFn = int32_t (*)();
    using InputNameFn = int32_t (*)(int32_t, char *, int32_t);
    SelectInputFn selectMidiInput = nullptr;
    InputCountFn midiInputSourceCount = nullptr;
    InputNameFn midiInputSourceName = nullptr;
    const NwHost *host = nullptr;  // the main window's handle: passed with every command
    // ControlMidiDrv(command, arg, host, data); returns 0 when unbound
    int32_t call(int32_t command, int32_t arg = 0, const char *data = "") const;
};

// The engine library loaded from a file; unloading it stops the engine's clock.
class EngineLibrary {
  public:
    EngineLibrary() = default;
    ~EngineLibrary();
    EngineLibrary(const EngineLibrary &) = delete;
    EngineLibrary &operator=(const EngineLibrary &) = delete;

    bool load(const QString &path);
    bool isLoaded() const { return handle_ != nullptr; }
    // Fills the three entry points (and the device list's two, when present); false (and nothing bound)
    // when one of the three is missing.
    bool bind(EngineBinding &binding) const;
    void release();

  private:
    void *handle_ = nullptr;
};
