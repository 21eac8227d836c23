#include "key_map_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

namespace piano {
namespace {

// Bytes 0..119 of the model lie at the same offsets; the pitch of slot 60 (byte 120) is left out, so
// the key functions (bytes 121..370) follow at offset 120.
constexpr int kHeadLength = 120;
constexpr int kFunctionLength = kKeyCodeCount;

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

bool writeAll(int fd, const uint8_t *data, int length) {
    while (length > 0) {
        const ssize_t n = ::write(fd, data, length);
        if (n <= 0) return false;
        data += n;
        length -= static_cast<int>(n);
    }
    return true;
}

// Reads up to `length` bytes; returns how many arrived before the end of the file.
int readSome(int fd, uint8_t *data, int length) {
    int total = 0;
    while (total < length) {
        const ssize_t n = ::read(fd, data + total, length - total);
        if (n <= 0) break;
        total += static_cast<int>(n);
    }
    return total;
}

}  // namespace

bool SaveKeyMapFile(const KeyboardState &state, const std::string &path) {
    Fd file(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    if (file.get() < 0) return false;
    return writeAll(file.get(), state.bytes.data(), kHeadLength) &&
           writeAll(file.get(), state.bytes.data() + KeyboardState::kKeyFunction, kFunctionLength);
}

bool LoadKeyMapFile(KeyboardState &state, const std::string &path) {
    Fd file(::open(path.c_str(), O_RDWR | O_CLOEXEC));
    if (file.get() < 0) return false;
    uint8_t buffer[kKeyMapFileSize];
    const int got = readSome(file.get(), buffer, kKeyMapFileSize);
    std::copy_n(buffer, std::min(got, kHeadLength), state.bytes.begin());
    if (got > kHeadLength)
        std::copy_n(buffer + kHeadLength, got - kHeadLength,
                    state.bytes.begin() + KeyboardState::kKeyFunction);
    return true;
}

}  // namespace piano
