// A JACK server's MIDI sources. A client of our own lists the ports and joins them to the program's
// port; the server tells it of every port registered, and a keyboard that appears later is joined on a
// thread of ours, as a client must not call the server from its notifications.
#include <jack/jack.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "source_ports.h"

namespace nw::input {
namespace {

void quiet(const char *) {}

std::vector<std::string> portNames(jack_client_t *client, const char *pattern, unsigned long flags) {
    std::vector<std::string> out;
    const char **names = jack_get_ports(client, pattern, JACK_DEFAULT_MIDI_TYPE, flags);
    for (const char **name = names; name && *name; ++name)
        out.emplace_back(*name);
    jack_free(names);
    return out;
}

class JackSourcePorts : public SourcePorts {
  public:
    explicit JackSourcePorts(jack_client_t *client) : client_(client) {
        jack_set_port_registration_callback(client_, onRegistration, this);
        jack_activate(client_);
    }
    ~JackSourcePorts() override {
        {
            std::lock_guard<std::mutex> guard(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        if (watcher_.joinable()) watcher_.join();
        jack_client_close(client_);
    }

    std::vector<std::string> sources() override {
        // The program's own port is an input, and the connector has none.
        return portNames(client_, nullptr, JackPortIsOutput);
    }

    bool keepConnected(const std::string &port, const std::string &source) override {
        target_ = ownPort(port);
        if (target_.empty()) return false;
        source_ = source;
        const bool joined = joinWanted();
        watcher_ = std::thread([this] { watch(); });
        return joined;
    }

  private:
    static void onRegistration(jack_port_id_t, int registered, void *self) {
        auto *ports = static_cast<JackSourcePorts *>(self);
        if (!registered) return;
        {
            std::lock_guard<std::mutex> guard(ports->mutex_);
            ports->changed_ = true;
        }
        ports->wake_.notify_all();
    }

    // The program's port: an input port of this name on a client called "Piano" (or "Piano-NN" when
    // the server had to rename it).
    std::string ownPort(const std::string &port) const {
        const std::string pattern = "^Piano(-[0-9]+)?:" + port + "$";
        const std::vector<std::string> found = portNames(client_, pattern.c_str(), JackPortIsInput);
        return found.empty() ? std::string() : found.back();
    }

    // Joins what is wanted and present; true when something was.
    bool joinWanted() {
        bool joined = false;
        const unsigned long flags = JackPortIsOutput | (source_.empty() ? JackPortIsPhysical : 0);
        for (const std::string &name : portNames(client_, nullptr, flags)) {
            if (!source_.empty() && name != source_) continue;
            const int result = jack_connect(client_, name.c_str(), target_.c_str());
            joined = joined || result == 0 || result == EEXIST;
        }
        return joined;
    }

    void watch() {
        std::unique_lock<std::mutex> lock(mutex_);
        while (!stop_) {
            wake_.wait(lock, [this] { return stop_ || changed_; });
            if (stop_) break;
            changed_ = false;
            lock.unlock();
            joinWanted();
            lock.lock();
        }
    }

    jack_client_t *client_;
    std::string target_;
    std::string source_;  // empty: every physical source
    std::thread watcher_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool changed_ = false;
    bool stop_ = false;
};

}  // namespace

std::unique_ptr<SourcePorts> openJackSourcePorts() {
    // libjack's own complaints (no server, ...) would repeat what the engine says once.
    jack_set_error_function(quiet);
    jack_set_info_function(quiet);
    jack_status_t status;
    jack_client_t *client = jack_client_open("Piano input connector", JackNoStartServer, &status);
    if (!client) return nullptr;
    return std::make_unique<JackSourcePorts>(client);
}

}  // namespace nw::input
