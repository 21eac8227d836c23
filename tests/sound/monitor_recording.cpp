#include "monitor_recording.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace nwtest {

Level measure(const std::vector<int16_t> &samples) {
    Level level;
    int peak = 0;
    for (int16_t s : samples) {
        const int magnitude = std::abs(int(s));
        if (magnitude > peak) peak = magnitude;
        if (magnitude >= 32767) ++level.clippedSamples;
    }
    if (peak > 0) level.peakDbfs = 20.0 * std::log10(double(peak) / 32768.0);
    return level;
}

MonitorRecording::MonitorRecording(const std::string &file) : file_(file) {
    pid_ = fork();
    if (pid_ == 0) {
        const int out = open(file_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO);
        // Small fragments, so what is played reaches the file while the test still records.
        execlp("parec", "parec", "-d", "out.monitor", "--raw", "--format=s16le", "--rate=48000",
               "--channels=2", "--latency-msec=20", nullptr);
        _exit(127);
    }
}

MonitorRecording::~MonitorRecording() {
    stop();
}

std::vector<int16_t> MonitorRecording::samples() const {
    std::ifstream in(file_, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    std::vector<int16_t> out(bytes.size() / 2);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = int16_t(uint8_t(bytes[2 * i]) | uint8_t(bytes[2 * i + 1]) << 8);
    return out;
}

bool MonitorRecording::started() const {
    std::ifstream in(file_, std::ios::binary | std::ios::ate);
    return in && in.tellg() > 0;
}

void MonitorRecording::stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGINT);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

}  // namespace nwtest
