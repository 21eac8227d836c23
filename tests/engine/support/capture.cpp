#include "capture.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace nwtest {

CaptureFile::CaptureFile() {
    char pattern[] = "/tmp/nwcapture-XXXXXX";
    dir_ = mkdtemp(pattern);
    path_ = dir_ + "/capture.txt";
    setenv("NOTEWIRE_CAPTURE", path_.c_str(), 1);
}

CaptureFile::~CaptureFile() {
    unsetenv("NOTEWIRE_CAPTURE");
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

std::vector<CaptureLine> CaptureFile::lines() const {
    std::ifstream in(path_);
    std::stringstream content;
    content << in.rdbuf();
    return parseCapture(content.str());
}

std::vector<uint32_t> CaptureFile::messages() const {
    std::vector<uint32_t> out;
    for (const auto &line : lines())
        if (line.kind == "msg") out.push_back(line.value);
    return out;
}

void CaptureFile::clear() const {
    std::ofstream(path_, std::ios::trunc);
}

std::vector<CaptureLine> parseCapture(const std::string &content) {
    std::vector<CaptureLine> out;
    std::istringstream in(content);
    std::string line;
    while (std::getline(in, line)) {
        CaptureLine parsed;
        parsed.text = line;
        std::istringstream fields(line);
        std::string value;
        fields >> parsed.ms >> parsed.kind >> value;
        if (parsed.kind == "open")
            parsed.value = uint32_t(std::stol(value));
        else if (!value.empty())
            parsed.value = uint32_t(std::stoul(value, nullptr, 16));
        out.push_back(parsed);
    }
    return out;
}

std::vector<uint16_t> hangingNotes(const std::vector<uint32_t> &messages) {
    std::map<uint16_t, int> on;
    for (uint32_t m : messages) {
        uint8_t status = m & 0xFF, note = m >> 8 & 0xFF, velocity = m >> 16 & 0xFF;
        uint16_t key = uint16_t((status & 0x0F) << 8 | note);
        if ((status & 0xF0) == 0x90 && velocity > 0)
            on[key] = 1;
        else if ((status & 0xF0) == 0x80 || (status & 0xF0) == 0x90)
            on.erase(key);
        else if ((status & 0xF0) == 0xB0 && (note == 123 || note == 120)) {
            for (auto it = on.begin(); it != on.end();)
                it = (it->first >> 8) == (status & 0x0F) ? on.erase(it) : std::next(it);
        }
    }
    std::vector<uint16_t> out;
    for (const auto &[key, _] : on)
        out.push_back(key);
    return out;
}

}  // namespace nwtest
