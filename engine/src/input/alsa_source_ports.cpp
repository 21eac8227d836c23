// The ALSA sequencer's sources. A client of our own makes the subscriptions from a source to the
// program's port (a third client may join any two ports that allow it) and listens to the system's
// announcements to connect a keyboard plugged in later.
#include <alsa/asoundlib.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "source_ports.h"

namespace nw::input {
namespace {

constexpr unsigned kReadable = SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ;
constexpr int kWatchMs = 200;  // how soon the watcher sees that it should stop

class AlsaSourcePorts : public SourcePorts {
  public:
    explicit AlsaSourcePorts(snd_seq_t *seq) : seq_(seq), self_(snd_seq_client_id(seq)) {
        snd_seq_set_client_name(seq_, "Piano input connector");
    }
    ~AlsaSourcePorts() override {
        stop_ = true;
        if (watcher_.joinable()) watcher_.join();
        snd_seq_close(seq_);
    }

    std::vector<std::string> sources() override {
        std::vector<std::string> out;
        forEachPort([&](snd_seq_port_info_t *port, snd_seq_client_info_t *client) {
            if (isSource(port, client)) out.push_back(nameOf(port, client));
        });
        return out;
    }

    bool keepConnected(const std::string &port, const std::string &source) override {
        if (!ownPort(port, target_)) return false;
        source_ = source;
        bool joined = false;
        forEachPort([&](snd_seq_port_info_t *p, snd_seq_client_info_t *c) {
            if (isWanted(p, c)) joined = subscribe(*snd_seq_port_info_get_addr(p), target_) || joined;
        });
        const int listener = snd_seq_create_simple_port(seq_, "announcements",
                                                        SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT,
                                                        SND_SEQ_PORT_TYPE_APPLICATION);
        if (listener >= 0 &&
            snd_seq_connect_from(seq_, listener, SND_SEQ_CLIENT_SYSTEM, SND_SEQ_PORT_SYSTEM_ANNOUNCE) >= 0)
            watcher_ = std::thread([this] { watch(); });
        return joined;
    }

  private:
    template <typename F>
    void forEachPort(F &&visit) {
        snd_seq_client_info_t *client;
        snd_seq_port_info_t *port;
        snd_seq_client_info_alloca(&client);
        snd_seq_port_info_alloca(&port);
        snd_seq_client_info_set_client(client, -1);
        while (snd_seq_query_next_client(seq_, client) >= 0) {
            snd_seq_port_info_set_client(port, snd_seq_client_info_get_client(client));
            snd_seq_port_info_set_port(port, -1);
            while (snd_seq_query_next_port(seq_, port) >= 0)
                visit(port, client);
        }
    }

    // The program's own client (its input port), known by its process, or by its name where the
    // sequencer does not tell the process; and the connector.
    bool isOurs(snd_seq_client_info_t *client) const {
        const int pid = snd_seq_client_info_get_pid(client);
        return pid == getpid() ||
               (pid <= 0 && std::string(snd_seq_client_info_get_name(client)) == "Piano") ||
               snd_seq_client_info_get_client(client) == self_;
    }

    bool isSource(snd_seq_port_info_t *port, snd_seq_client_info_t *client) const {
        const int id = snd_seq_client_info_get_client(client);
        const unsigned caps = snd_seq_port_info_get_capability(port);
        return id != SND_SEQ_CLIENT_SYSTEM && (caps & kReadable) == kReadable &&
               !(caps & SND_SEQ_PORT_CAP_NO_EXPORT) && !isOurs(client);
    }

    bool isHardware(snd_seq_port_info_t *port, snd_seq_client_info_t *client) const {
        // Midi Through echoes whatever is sent to it: joining it would play the program's own output.
        return isSource(port, client) && (snd_seq_port_info_get_type(port) & SND_SEQ_PORT_TYPE_HARDWARE) &&
               std::string(snd_seq_client_info_get_name(client)) != "Midi Through";
    }

    bool isWanted(snd_seq_port_info_t *port, snd_seq_client_info_t *client) const {
        return source_.empty() ? isHardware(port, client)
                               : isSource(port, client) && nameOf(port, client) == source_;
    }

    static std::string nameOf(snd_seq_port_info_t *port, snd_seq_client_info_t *client) {
        return std::string(snd_seq_client_info_get_name(client)) + ":" + snd_seq_port_info_get_name(port);
    }

    bool ownPort(const std::string &name, snd_seq_addr_t &out) {
        bool found = false;
        forEachPort([&](snd_seq_port_info_t *p, snd_seq_client_info_t *c) {
            if (!found && isOurs(c) && snd_seq_client_info_get_client(c) != self_ &&
                name == snd_seq_port_info_get_name(p)) {
                out = *snd_seq_port_info_get_addr(p);
                found = true;
            }
        });
        return found;
    }

    bool subscribe(const snd_seq_addr_t &from, const snd_seq_addr_t &to) {
        snd_seq_port_subscribe_t *sub;
        snd_seq_port_subscribe_alloca(&sub);
        snd_seq_port_subscribe_set_sender(sub, &from);
        snd_seq_port_subscribe_set_dest(sub, &to);
        const int result = snd_seq_subscribe_port(seq_, sub);
        return result >= 0 || result == -EBUSY;  // already joined
    }

    void connectIfWanted(const snd_seq_addr_t &addr) {
        snd_seq_client_info_t *client;
        snd_seq_port_info_t *port;
        snd_seq_client_info_alloca(&client);
        snd_seq_port_info_alloca(&port);
        if (snd_seq_get_any_client_info(seq_, addr.client, client) < 0 ||
            snd_seq_get_any_port_info(seq_, addr.client, addr.port, port) < 0)
            return;
        if (isWanted(port, client)) subscribe(addr, target_);
    }

    void watch() {
        const int count = snd_seq_poll_descriptors_count(seq_, POLLIN);
        std::vector<pollfd> fds(std::size_t(count > 0 ? count : 0));
        snd_seq_poll_descriptors(seq_, fds.data(), unsigned(fds.size()), POLLIN);
        while (!stop_) {
            if (poll(fds.data(), fds.size(), kWatchMs) <= 0) continue;
            snd_seq_event_t *event = nullptr;
            while (snd_seq_event_input(seq_, &event) >= 0 && event) {
                if (event->type == SND_SEQ_EVENT_PORT_START) connectIfWanted(event->data.addr);
                event = nullptr;
            }
        }
    }

    snd_seq_t *seq_;
    int self_;
    snd_seq_addr_t target_{};
    std::string source_;  // empty: every hardware source
    std::thread watcher_;
    std::atomic<bool> stop_{false};
};

}  // namespace

std::unique_ptr<SourcePorts> openAlsaSourcePorts() {
    snd_seq_t *seq = nullptr;
    // Before opening, so that a machine without a sequencer is not told about by alsa-lib too.
    if (access("/dev/snd/seq", F_OK) != 0) return nullptr;
    if (snd_seq_open(&seq, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) < 0) return nullptr;
    return std::make_unique<AlsaSourcePorts>(seq);
}

}  // namespace nw::input
