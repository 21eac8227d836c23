#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <new>
#include <string>

namespace nw {
namespace {

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return fd_; }
    int release() {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

// Reads until `size` bytes are in or the file ends; returns the count, or -1 on an error.
long readFully(int fd, uint8_t *buffer, size_t size) {
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::read(fd, buffer + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += size_t(n);
    }
    return long(done);
}

// The final target of `path` after every symbolic link; `path` itself when it is not a link. False for
// a link that cannot be resolved (a loop, a dangling chain through a missing folder).
bool followSymlink(const char *path, std::string &resolved) {
    resolved = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat link {};
        if (::lstat(resolved.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return true;
        std::string target(size_t(link.st_size ? link.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(resolved.c_str(), target.data(), target.size());
        if (n <= 0 || size_t(n) >= target.size()) return false;
        target.resize(size_t(n));
        if (target.front() != '/') {
            const size_t slash = resolved.rfind('/');
            target = (slash == std::string::npos ? std::string() : resolved.substr(0, slash + 1)) + target;
        }
        resolved = target;
    }
    return false;
}

bool writeFully(int fd, const uint8_t *bytes, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= size_t(n);
    }
    return true;
}

// Opens `path` for reading only when it is a regular file. Opening a named pipe waits for a writer, so
// the path is checked first; O_NONBLOCK covers a swap between the check and the open (it changes
// nothing for a regular file), and the descriptor is checked again.
int openRegularFile(const char *path, struct stat &st) {
    if (!path || ::stat(path, &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    Fd fd(::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return fd.release();
}

}  // namespace

ReadFileStatus readWholeFile(const char *path, FileImage &image, size_t maxSize) {
    struct stat st {};
    Fd fd(openRegularFile(path, st));
    if (fd.get() < 0) return ReadFileStatus::CannotOpen;
    if (uint64_t(st.st_size) > maxSize) return ReadFileStatus::TooBig;
    const size_t size = size_t(st.st_size);
    image.bytes.reset(new (std::nothrow) uint8_t[size ? size : 1]);
    if (!image.bytes) return ReadFileStatus::NoMemory;
    image.size = size;
    return readFully(fd.get(), image.bytes.get(), size) == long(size) ? ReadFileStatus::Ok
                                                                      : ReadFileStatus::ShortRead;
}

long readFileStart(const char *path, uint8_t *buffer, size_t capacity) {
    struct stat st {};
    Fd fd(openRegularFile(path, st));
    if (fd.get() < 0) return -1;
    return readFully(fd.get(), buffer, capacity);
}

bool writeFileReplacing(const char *requested, const uint8_t *bytes, size_t size) {
    static std::atomic<unsigned> serial{0};
    // A symbolic link stays a link: the new file replaces the file it points to, beside that file.
    std::string resolved;
    if (!followSymlink(requested, resolved)) return false;
    const char *path = resolved.c_str();
    struct stat target {};
    const bool exists = ::stat(path, &target) == 0;
    if (exists && !S_ISREG(target.st_mode)) return false;

    std::string temp;
    int raw = -1;
    for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        temp = std::string(path) + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
        raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0 && errno != EEXIST) return false;
    }
    if (raw < 0) return false;
    Fd fd(raw);

    bool ok = writeFully(fd.get(), bytes, size);
    if (ok && exists) ok = ::fchmod(fd.get(), target.st_mode & 07777) == 0;
    if (ok) ok = ::fsync(fd.get()) == 0;
    ok = (::close(fd.release()) == 0) && ok;
    if (ok) ok = ::rename(temp.c_str(), path) == 0;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

}  // namespace nw
