// The output layer: the devices the engine can send short messages to. Device -1 is the mapper (the
// built-in synthesizer when a SoundFont is found, else the first ALSA port), device 0 the built-in
// synthesizer, devices 1.. the writable ALSA sequencer ports of other clients. With NOTEWIRE_CAPTURE set,
// every device opens as a capture sink that logs each call to that file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "notewire/notewire.h"

namespace nw::output {

class Device {
  public:
    virtual ~Device() = default;
    // Sends one packed short message; returns 0 or a non-zero error.
    virtual int32_t send(uint32_t packed) = 0;
    // Left volume in the low 16 bits, right in the high 16 bits.
    virtual void setVolume(uint32_t volume) = 0;
    // Called on every clock tick: a device that holds back what its port could not take yet hands it
    // on here. Never waits.
    virtual void service() {}
};

// midiOutShortMsg's "not ready": the message could neither go out nor wait its turn, and is dropped.
inline constexpr int32_t kSendNotReady = 67;

struct PortInfo {
    std::string name;
    int client = 0;
    int port = 0;
    int32_t technology = 2;
    int32_t voices = 0;
    int32_t notes = 0;
};

int32_t deviceCount();
bool deviceCaps(int32_t device, NwDeviceCaps *caps);

// Does the slow part of opening (starting the audio output, loading the SoundFont) ahead of open(), and
// tries again what failed before; call it without the engine lock.
void prepare(int32_t device);

// A failure of the built-in synthesizer the user has not been told of yet (told once), or "".
std::string takeFailure();

// Waits until the built-in synthesizer's audio start and SoundFont load under way have finished.
void settle();

// Opens a device; null when it does not exist or cannot start.
std::unique_ptr<Device> open(int32_t device);

// Backends.
std::vector<PortInfo> alsaPorts();
std::unique_ptr<Device> openAlsaPort(const PortInfo &port);
bool synthAvailable();  // a SoundFont is there
std::string soundFontPath();
int32_t synthPolyphony();
void prepareSynth();
std::string takeSynthFailure();
void settleSynth();
bool synthSoundFontLoaded();
std::unique_ptr<Device> openSynth();
std::unique_ptr<Device> openCapture(const char *path, int32_t device);

// Milliseconds since the library was loaded (the capture's time stamps).
uint64_t msSinceLoad();

}  // namespace nw::output
