// A PulseAudio server of the test's own: a null sink named "out" whose monitor can be recorded, in a
// private runtime folder, started by the constructor and stopped by the destructor.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

namespace nwtest {

class PulseServer {
  public:
    PulseServer();
    ~PulseServer();
    PulseServer(const PulseServer &) = delete;
    PulseServer &operator=(const PulseServer &) = delete;

    // The server answers on its socket.
    bool running() const { return running_; }
    // The server's address, as PULSE_SERVER takes it.
    std::string address() const;

  private:
    std::filesystem::path runtimeDir_;
    pid_t pid_ = -1;
    bool running_ = false;
};

}  // namespace nwtest
