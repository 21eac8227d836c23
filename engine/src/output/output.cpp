#include "output.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace nw::output {
namespace {

const auto kLoadTime = std::chrono::steady_clock::now();

const char *capturePath() {
    const char *path = std::getenv("NOTEWIRE_CAPTURE");
    return path && *path ? path : nullptr;
}

void fill(NwDeviceCaps *caps, const std::string &name, int32_t technology, int32_t voices, int32_t notes) {
    std::memset(caps, 0, sizeof *caps);
    std::snprintf(caps->name, sizeof caps->name, "%s", name.c_str());
    caps->technology = technology;
    caps->voices = voices;
    caps->notes = notes;
}

}  // namespace

uint64_t msSinceLoad() {
    return uint64_t(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - kLoadTime)
            .count());
}

int32_t deviceCount() {
    return 1 + int32_t(alsaPorts().size());
}

bool deviceCaps(int32_t device, NwDeviceCaps *caps) {
    if (!caps) return false;
    if (device == -1) {
        if (synthAvailable() || capturePath()) {
            fill(caps, "MIDI_MAP", 3, synthPolyphony(), synthPolyphony());
            return true;
        }
        auto ports = alsaPorts();
        if (ports.empty()) return false;
        fill(caps, "MIDI_MAP", ports[0].technology, ports[0].voices, ports[0].notes);
        return true;
    }
    if (device == 0) {
        fill(caps, "内置合成器 (FluidSynth)", 3, synthPolyphony(), synthPolyphony());
        return true;
    }
    if (device < 0) return false;
    auto ports = alsaPorts();
    if (size_t(device) > ports.size()) return false;
    const PortInfo &p = ports[size_t(device) - 1];
    fill(caps, p.name, p.technology, p.voices, p.notes);
    return true;
}

void prepare(int32_t device) {
    if (capturePath()) return;
    if (device == 0 || (device == -1 && synthAvailable())) prepareSynth();
}

std::string takeFailure() {
    return takeSynthFailure();
}

void settle() {
    settleSynth();
}

std::unique_ptr<Device> open(int32_t device) {
    if (device < -1) return nullptr;
    const char *capture = capturePath();
    const bool synth = device == 0 || (device == -1 && (synthAvailable() || capture));
    // Only a port number needs the sequencer's port list (opening runs under the engine lock).
    std::vector<PortInfo> ports;
    if (!synth) ports = alsaPorts();
    const size_t index = device == -1 ? 0 : size_t(device) - 1;
    if (!synth && index >= ports.size()) return nullptr;
    if (capture) return openCapture(capture, device);
    return synth ? openSynth() : openAlsaPort(ports[index]);
}

}  // namespace nw::output
