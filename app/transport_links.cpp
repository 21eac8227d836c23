#include "transport_links.h"

#include "key_map.h"
#include "keyboard_view.h"
#include "performance.h"
#include "program.h"

void linkTransportToLivePlaying(Program &program, piano::Performance &perf) {
    using piano::KeyboardState;
    ProgramHooks &h = program.hooks;
    h.clearKeyboard = [&perf] { piano::ClearKeyboard(perf); };
    h.silenceKeyboard = [&perf] { piano::SilenceKeyboard(perf); };
    h.buttonController = [&perf](int button) { return int(perf.state.buttonController(button)); };
    h.channelController = [&perf](int channel) {
        return int(perf.state.bytes[KeyboardState::kChannelController + channel]);
    };
    h.channelControlValue = [&perf](int channel) {
        return int(perf.state.bytes[KeyboardState::kChannelControlValue + channel]);
    };
    h.setChannelControlValue = [&perf](int channel, int value) {
        perf.state.bytes[KeyboardState::kChannelControlValue + channel] = uint8_t(value);
    };
    h.setControllerTarget = [&perf](int target) { perf.state.controllerTarget() = uint8_t(target); };
}
