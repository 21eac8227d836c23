#include "midi_input.h"

#include <rtmidi/RtMidi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "source_ports.h"

namespace nw::input {
namespace {

constexpr const char *kPortName = "Piano";

enum class Api { Default, Alsa, Jack, None };

Api askedApi() {
    const char *value = std::getenv("NOTEWIRE_MIDI_API");
    if (!value || !*value) return Api::Default;
    if (std::strcmp(value, "alsa") == 0) return Api::Alsa;
    if (std::strcmp(value, "jack") == 0) return Api::Jack;
    if (std::strcmp(value, "none") == 0) return Api::None;
    std::fprintf(stderr, "notewire: NOTEWIRE_MIDI_API=%s is neither alsa, jack nor none; using the default\n",
                 value);
    return Api::Default;
}

// Bytes a channel message of this status carries after it.
std::size_t dataBytes(unsigned char status) {
    const unsigned char kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

void onMessage(double, std::vector<unsigned char> *message, void *input) {
    if (message) static_cast<const MidiInput *>(input)->receive(message->data(), message->size());
}

// RtMidi reports through this instead of throwing once it is set; a failure of the port's opening is
// noted so that open() can give up cleanly.
void onError(RtMidiError::Type type, const std::string &text, void *failed) {
    if (type == RtMidiError::WARNING || type == RtMidiError::DEBUG_WARNING) return;
    std::fprintf(stderr, "notewire: MIDI input: %s\n", text.c_str());
    *static_cast<bool *>(failed) = true;
}

}  // namespace

MidiInput::MidiInput() = default;

MidiInput::~MidiInput() {
    close();
}

void MidiInput::receive(const unsigned char *bytes, std::size_t size) const {
    if (size == 0) return;
    const unsigned char status = bytes[0];
    if (status < 0x80 || status >= 0xF0 || size != 1 + dataBytes(status)) return;
    uint32_t packed = status | uint32_t(bytes[1]) << 8;
    if (size == 3) packed |= uint32_t(bytes[2]) << 16;
    if ((packed >> 8 & 0x80) || (packed >> 16 & 0x80)) return;
    host_.post(WM_MDRV_INPUT, 1, packed);
}

bool MidiInput::select(Choice choice, const std::string &source, const HostLink &host) {
    if (isOpen() && choice == choice_ && source == source_) return true;
    close();
    host_ = host;
    choice_ = choice;
    source_ = source;
    if (choice == Choice::None) return true;
    return open(choice, source);
}

void MidiInput::close() {
    // Closing the port joins the thread that runs the callback: nothing is posted after this.
    port_.reset();
    ports_.reset();
}

std::unique_ptr<SourcePorts> MidiInput::openSequencer() {
    const Api api = askedApi();
    std::unique_ptr<SourcePorts> ports;
    if (api == Api::Default || api == Api::Alsa) ports = openAlsaSourcePorts();
    jack_ = false;
    if (!ports && (api == Api::Default || api == Api::Jack)) {
        ports = openJackSourcePorts();
        jack_ = ports != nullptr;
    }
    if (!ports && api != Api::None && !toldNoSequencer_) {
        toldNoSequencer_ = true;
        std::fprintf(stderr, api == Api::Alsa
                                 ? "notewire: no MIDI input: the ALSA sequencer cannot be opened\n"
                             : api == Api::Jack ? "notewire: no MIDI input: no JACK server is running\n"
                                                : "notewire: no MIDI input: neither the ALSA sequencer nor a "
                                                  "JACK server is available\n");
    }
    return ports;
}

bool MidiInput::open(Choice choice, const std::string &source) {
    ports_ = openSequencer();
    if (!ports_) return false;
    failed_ = false;
    try {
        port_ = std::make_unique<RtMidiIn>(jack_ ? RtMidi::UNIX_JACK : RtMidi::LINUX_ALSA, kPortName);
        port_->setErrorCallback(onError, &failed_);
        // Clock ticks, active sensing and system exclusive never reach the callback.
        port_->ignoreTypes(true, true, true);
        port_->setCallback(onMessage, this);
        port_->openVirtualPort(kPortName);
    } catch (const RtMidiError &error) {
        std::fprintf(stderr, "notewire: MIDI input: %s\n", error.getMessage().c_str());
        failed_ = true;
    }
    if (failed_) {
        close();
        return false;
    }
    const std::string wanted = choice == Choice::Source ? source : std::string();
    if (!ports_->keepConnected(kPortName, wanted) && choice == Choice::Source)
        std::fprintf(stderr, "notewire: MIDI input: \"%s\" is not there; it is connected when it appears\n",
                     source.c_str());
    return true;
}

const std::vector<std::string> &MidiInput::listSources() {
    if (ports_) {
        listed_ = ports_->sources();
    } else {
        // Input is off: ask the sequencer it would use, quietly.
        const bool told = toldNoSequencer_;
        toldNoSequencer_ = true;
        std::unique_ptr<SourcePorts> ports = openSequencer();
        toldNoSequencer_ = told;
        listed_ = ports ? ports->sources() : std::vector<std::string>{};
    }
    return listed_;
}

}  // namespace nw::input
