// The engine's side of MIDI input: the choice of port and the list of sources, for the host's dialog.
#include <algorithm>
#include <cstring>

#include "engine.h"

namespace nw {

int32_t Engine::selectMidiInput(int32_t choice, const char *source) {
    HostLink host;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        host = host_;
    }
    input::Choice c = input::Choice::None;
    if (choice == NW_MIDI_IN_AUTO) c = input::Choice::Auto;
    if (choice == NW_MIDI_IN_SOURCE) c = input::Choice::Source;
    std::lock_guard<std::mutex> guard(inputMutex_);
    return input_.select(c, source ? source : "", host) ? 1 : 0;
}

int32_t Engine::midiInputSourceCount() {
    std::lock_guard<std::mutex> guard(inputMutex_);
    return int32_t(input_.listSources().size());
}

int32_t Engine::midiInputSourceName(int32_t index, char *name, int32_t size) {
    std::lock_guard<std::mutex> guard(inputMutex_);
    const std::vector<std::string> &sources = input_.listedSources();
    if (index < 0 || std::size_t(index) >= sources.size() || !name || size <= 0) return 0;
    const std::size_t n = std::min(sources[std::size_t(index)].size(), std::size_t(size - 1));
    std::memcpy(name, sources[std::size_t(index)].data(), n);
    name[n] = '\0';
    return 1;
}

}  // namespace nw
