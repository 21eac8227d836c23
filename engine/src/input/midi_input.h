// MIDI input: one port named "Piano" on the ALSA sequencer (or on a JACK server when ALSA has none or
// NOTEWIRE_MIDI_API=jack asks for it) that other programs and keyboards connect to. Every channel message
// that arrives is posted to the host as WM_MDRV_INPUT and handled there; nothing of the engine's clock,
// senders or lock is touched on the way, so input never waits for playback nor playback for input.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "host_link.h"

class RtMidiIn;

namespace nw::input {

class SourcePorts;

enum class Choice { Auto, None, Source };

class MidiInput {
  public:
    MidiInput();
    ~MidiInput();
    MidiInput(const MidiInput &) = delete;
    MidiInput &operator=(const MidiInput &) = delete;

    // Opens the port for `choice` (reopened only when the choice changed) and posts to `host`. False when
    // there is no sequencer to open it on, which is said once on stderr.
    bool select(Choice choice, const std::string &source, const HostLink &host);
    void close();
    bool isOpen() const { return port_ != nullptr; }

    // The sources the input list offers, read afresh.
    const std::vector<std::string> &listSources();
    const std::vector<std::string> &listedSources() const { return listed_; }

    // What the port's callback does with one message as it arrived: a channel message is posted, all
    // else (system messages, running status, anything longer than three bytes) is dropped. Allocates
    // nothing and takes no lock.
    void receive(const unsigned char *bytes, std::size_t size) const;

  private:
    bool open(Choice choice, const std::string &source);
    std::unique_ptr<SourcePorts> openSequencer();

    HostLink host_;
    std::unique_ptr<SourcePorts> ports_;
    std::unique_ptr<RtMidiIn> port_;
    bool jack_ = false;
    Choice choice_ = Choice::None;
    std::string source_;
    std::vector<std::string> listed_;
    bool toldNoSequencer_ = false;
    bool failed_ = false;  // the port reported an error while it opened
};

}  // namespace nw::input
