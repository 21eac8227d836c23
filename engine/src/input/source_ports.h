// The MIDI sources of one sequencer (the ALSA sequencer or a JACK server): listing them, connecting them
// to the program's input port, and following hardware that is plugged in while the program runs.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace nw::input {

class SourcePorts {
  public:
    virtual ~SourcePorts() = default;

    // Every source another program or a device offers, by the name the dialog shows; the program's own
    // port is not among them.
    virtual std::vector<std::string> sources() = 0;
    // Connects a source to the port `port` of this process (the name the sequencer knows it by is looked
    // up here); false when either is gone.
    virtual bool connect(const std::string &source, const std::string &port) = 0;
    // Connects every hardware source present now, and from now on each one that appears, to `port`.
    virtual void connectHardware(const std::string &port) = 0;
};

// Null when the ALSA sequencer cannot be opened (no /dev/snd/seq, no permission).
std::unique_ptr<SourcePorts> openAlsaSourcePorts();
// Null when no JACK server runs (one is never started for us).
std::unique_ptr<SourcePorts> openJackSourcePorts();

}  // namespace nw::input
