// ALSA sequencer ports: every writable port of another client is a device; opening one connects the
// engine's own port to it. The sequencer is opened non-blocking: a port that cannot keep up never holds
// the engine (see QueuedPort).
#include <alsa/asoundlib.h>

#include <cstdio>

#include "output.h"
#include "queued_port.h"

namespace nw::output {
namespace {

void quietAlsa(const char *, int, const char *, int, const char *, ...) {}

snd_seq_t *openSequencer(int streams, int mode = 0) {
    snd_seq_t *seq = nullptr;
    // A machine without a sequencer simply has no ports; ALSA's own complaint is not for the user.
    snd_lib_error_set_handler(quietAlsa);
    int rc = snd_seq_open(&seq, "default", streams, mode);
    snd_lib_error_set_handler(nullptr);
    return rc < 0 ? nullptr : seq;
}

int32_t technologyOf(unsigned type) {
    if (type & SND_SEQ_PORT_TYPE_HARDWARE) return 1;
    if (type & (SND_SEQ_PORT_TYPE_SYNTHESIZER | SND_SEQ_PORT_TYPE_SYNTH)) return 3;
    return 2;
}

class AlsaDevice final : public QueuedPort {
  public:
    AlsaDevice(snd_seq_t *seq, int port) : seq_(seq), port_(port) {}
    ~AlsaDevice() override {
        // A port has no reset of its own: release every note before leaving it (as far as the port
        // takes them now; closing never waits for a stalled port).
        for (uint8_t channel = 0; channel < 16; ++channel) {
            send(uint32_t(0xB0 | channel) | 64u << 8);   // sustain off
            send(uint32_t(0xB0 | channel) | 123u << 8);  // all notes off
        }
        flush();
        snd_seq_drain_output(seq_);
        snd_seq_close(seq_);
    }

    void setVolume(uint32_t) override {}  // a port has no master volume of its own

  private:
    int writeNow(uint32_t packed) override {
        snd_seq_event_t ev;
        snd_seq_ev_clear(&ev);
        snd_seq_ev_set_source(&ev, port_);
        snd_seq_ev_set_subs(&ev);
        snd_seq_ev_set_direct(&ev);
        int status = int(packed & 0xFF), d1 = int(packed >> 8 & 0x7F), d2 = int(packed >> 16 & 0x7F);
        int channel = status & 0x0F;
        switch (status & 0xF0) {
            case 0x80:
                snd_seq_ev_set_noteoff(&ev, channel, d1, d2);
                break;
            case 0x90:
                snd_seq_ev_set_noteon(&ev, channel, d1, d2);
                break;
            case 0xA0:
                snd_seq_ev_set_keypress(&ev, channel, d1, d2);
                break;
            case 0xB0:
                snd_seq_ev_set_controller(&ev, channel, d1, d2);
                break;
            case 0xC0:
                snd_seq_ev_set_pgmchange(&ev, channel, d1);
                break;
            case 0xD0:
                snd_seq_ev_set_chanpress(&ev, channel, d1);
                break;
            case 0xE0:
                snd_seq_ev_set_pitchbend(&ev, channel, (d1 | d2 << 7) - 8192);
                break;
            default:
                return 0;
        }
        const int rc = snd_seq_event_output_direct(seq_, &ev);
        return rc < 0 ? rc : 0;
    }

    snd_seq_t *seq_;
    int port_;
};

}  // namespace

std::vector<PortInfo> alsaPorts() {
    std::vector<PortInfo> ports;
    snd_seq_t *seq = openSequencer(SND_SEQ_OPEN_OUTPUT);
    if (!seq) return ports;
    int self = snd_seq_client_id(seq);
    snd_seq_client_info_t *client;
    snd_seq_port_info_t *port;
    snd_seq_client_info_alloca(&client);
    snd_seq_port_info_alloca(&port);
    snd_seq_client_info_set_client(client, -1);
    while (snd_seq_query_next_client(seq, client) >= 0) {
        int id = snd_seq_client_info_get_client(client);
        if (id == self || id == SND_SEQ_CLIENT_SYSTEM) continue;
        snd_seq_port_info_set_client(port, id);
        snd_seq_port_info_set_port(port, -1);
        while (snd_seq_query_next_port(seq, port) >= 0) {
            unsigned caps = snd_seq_port_info_get_capability(port);
            unsigned want = SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
            if ((caps & want) != want || (caps & SND_SEQ_PORT_CAP_NO_EXPORT)) continue;
            PortInfo info;
            info.client = id;
            info.port = snd_seq_port_info_get_port(port);
            info.name = snd_seq_port_info_get_name(port);
            info.technology = technologyOf(snd_seq_port_info_get_type(port));
            info.voices = snd_seq_port_info_get_synth_voices(port);
            info.notes = snd_seq_port_info_get_midi_voices(port);
            ports.push_back(std::move(info));
        }
    }
    snd_seq_close(seq);
    return ports;
}

std::unique_ptr<Device> openAlsaPort(const PortInfo &info) {
    snd_seq_t *seq = openSequencer(SND_SEQ_OPEN_OUTPUT, SND_SEQ_NONBLOCK);
    if (!seq) return nullptr;
    snd_seq_set_client_name(seq, "Piano");
    int port =
        snd_seq_create_simple_port(seq, "Piano out", SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                   SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    if (port < 0 || snd_seq_connect_to(seq, port, info.client, info.port) < 0) {
        snd_seq_close(seq);
        return nullptr;
    }
    return std::make_unique<AlsaDevice>(seq, port);
}

}  // namespace nw::output
