// Reads what a capture sink wrote: one line per device call.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nwtest {

struct CaptureLine {
    uint64_t ms = 0;
    std::string kind;    // open, msg, volume, close
    uint32_t value = 0;  // the device for open, the packed message or volume otherwise
    std::string text;    // the line as written
};

// A capture file in a fresh temporary folder, set as NOTEWIRE_CAPTURE while the object lives.
class CaptureFile {
  public:
    CaptureFile();
    ~CaptureFile();
    const std::string &path() const { return path_; }
    std::vector<CaptureLine> lines() const;
    std::vector<uint32_t> messages() const;  // the packed messages, in order
    void clear() const;                      // forget what was written so far

  private:
    std::string dir_, path_;
};

std::vector<CaptureLine> parseCapture(const std::string &content);

// Notes switched on (velocity > 0) and not switched off again, as channel << 8 | note.
std::vector<uint16_t> hangingNotes(const std::vector<uint32_t> &messages);

}  // namespace nwtest
