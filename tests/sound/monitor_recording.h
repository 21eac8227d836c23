// Records what the test's PulseAudio server plays on its null sink (parec on "out.monitor"), and
// measures it: the peak in dBFS and how many samples reached full scale.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace nwtest {

struct Level {
    double peakDbfs = -200.0;  // -200 stands for digital silence
    long clippedSamples = 0;   // samples at the largest magnitude 16 bits hold
};

Level measure(const std::vector<int16_t> &samples);

class MonitorRecording {
  public:
    explicit MonitorRecording(const std::string &file);  // starts recording
    ~MonitorRecording();                                 // stops it, if stop() was not called
    MonitorRecording(const MonitorRecording &) = delete;
    MonitorRecording &operator=(const MonitorRecording &) = delete;

    // The samples recorded so far (interleaved stereo, 16 bits at 48 kHz).
    std::vector<int16_t> samples() const;
    // True once the recorder delivers sound from the sink.
    bool started() const;
    void stop();

  private:
    std::string file_;
    pid_t pid_ = -1;
};

}  // namespace nwtest
