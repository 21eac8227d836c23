#include "pulse_server.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace nwtest {
namespace {

// Runs a command and tells whether it succeeded.
bool succeeds(const std::string &command) {
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace

PulseServer::PulseServer() {
    char pattern[] = "/tmp/notewire-pulse-XXXXXX";
    runtimeDir_ = mkdtemp(pattern);
    // The server and every client of this process (FluidSynth, pactl, parec) find each other here, and
    // the server's cookie stays in here too instead of the user's home.
    setenv("XDG_RUNTIME_DIR", runtimeDir_.c_str(), 1);
    setenv("HOME", runtimeDir_.c_str(), 1);
    setenv("PULSE_SERVER", address().c_str(), 1);
    const std::string log = (runtimeDir_ / "server.log").string();
    pid_ = fork();
    if (pid_ == 0) {
        freopen(log.c_str(), "w", stdout);
        freopen(log.c_str(), "a", stderr);
        execlp("pulseaudio", "pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "-L",
               "module-null-sink sink_name=out", "-L", "module-native-protocol-unix", nullptr);
        _exit(127);
    }
    // Starting takes a moment; a server that has not answered after ten seconds is not coming.
    for (int attempt = 0; attempt < 100 && pid_ > 0 && !running_; ++attempt) {
        running_ = succeeds("pactl info");
        if (!running_) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

PulseServer::~PulseServer() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    std::error_code ignored;
    std::filesystem::remove_all(runtimeDir_, ignored);
}

std::string PulseServer::address() const {
    return "unix:" + (runtimeDir_ / "pulse" / "native").string();
}

}  // namespace nwtest
