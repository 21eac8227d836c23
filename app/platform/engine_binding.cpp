#include "engine_binding.h"

#include <dlfcn.h>

int32_t EngineBinding::call(int32_t command, int32_t arg, const char *data) const {
    if (controlMidiDrv == nullptr) return 0;
    return controlMidiDrv(command, arg, host, data ? data : "");
}

EngineLibrary::~EngineLibrary() {
    release();
}

bool EngineLibrary::load(const QString &path) {
    release();
    handle_ = dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    return handle_ != nullptr;
}

bool EngineLibrary::bind(EngineBinding &binding) const {
    if (handle_ == nullptr) return false;
    auto control = reinterpret_cast<EngineBinding::ControlFn>(dlsym(handle_, "ControlMidiDrv"));
    auto send1 = reinterpret_cast<EngineBinding::SendFn>(dlsym(handle_, "sME1"));
    auto send5 = reinterpret_cast<EngineBinding::SendFn>(dlsym(handle_, "sME5"));
    if (!control || !send1 || !send5) return false;
    binding.controlMidiDrv = control;
    binding.sME1 = send1;
    binding.sME5 = send5;
    binding.outputDeviceCount =
        reinterpret_cast<EngineBinding::DeviceCountFn>(dlsym(handle_, "nwOutputDeviceCount"));
    binding.outputDeviceCaps =
        reinterpret_cast<EngineBinding::DeviceCapsFn>(dlsym(handle_, "nwOutputDeviceCaps"));
    binding.selectMidiInput =
        reinterpret_cast<EngineBinding::SelectInputFn>(dlsym(handle_, "nwSelectMidiInput"));
    binding.midiInputSourceCount =
        reinterpret_cast<EngineBinding::InputCountFn>(dlsym(handle_, "nwMidiInputSourceCount"));
    binding.midiInputSourceName =
        reinterpret_cast<EngineBinding::InputNameFn>(dlsym(handle_, "nwMidiInputSourceName"));
    return true;
}

void EngineLibrary::release() {
    if (handle_ != nullptr) dlclose(handle_);
    handle_ = nullptr;
}
