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
    // Connects the source named `source` (every hardware source when empty) to the port `port` of this
    // process, now and whenever it appears again (a keyboard plugged in later). False when the port is not
    // found or a named source is not there now.
    virtual bool keepConnected(const std::string &port, const std::string &source) = 0;
};

// Null when the ALSA sequencer cannot be opened (no /dev/snd/seq, no permission).
std::unique_ptr<SourcePorts> openAlsaSourcePorts();
// Null when no JACK server runs (one is never started for us).
std::unique_ptr<SourcePorts> openJackSourcePorts();

}  // namespace nw::input
