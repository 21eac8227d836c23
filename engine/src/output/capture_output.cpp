// A device that writes every call as a line of text, flushed at once, so tests and users can see
// exactly what reached the device.
#include <cstdio>

#include "output.h"

namespace nw::output {
namespace {

class CaptureDevice final : public Device {
  public:
    explicit CaptureDevice(std::FILE *file) : file_(file) {}
    ~CaptureDevice() override {
        line("close");
        std::fclose(file_);
    }
    int32_t send(uint32_t packed) override {
        line("msg %08x", packed);
        return 0;
    }
    void setVolume(uint32_t volume) override { line("volume %08x", volume); }

    template <typename... Args>
    void line(const char *format, Args... args) {
        std::fprintf(file_, "%llu ", static_cast<unsigned long long>(msSinceLoad()));
        if constexpr (sizeof...(Args) == 0) {
            std::fputs(format, file_);
        } else {
            std::fprintf(file_, format, args...);
        }
        std::fputc('\n', file_);
        std::fflush(file_);
    }

  private:
    std::FILE *file_;
};

}  // namespace

std::unique_ptr<Device> openCapture(const char *path, int32_t device) {
    std::FILE *file = std::fopen(path, "a");
    if (!file) return nullptr;
    auto capture = std::make_unique<CaptureDevice>(file);
    capture->line("open %d", device);
    return capture;
}

}  // namespace nw::output
