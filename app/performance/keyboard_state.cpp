#include "keyboard_state.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <QFile>

#include "default_key_map.h"
#include "whole_file.h"

namespace piano {
namespace {

struct Block {
    int fileOffset;
    int length;
    int stateOffset;
};

constexpr Block kKeyFileBlocks[] = {
    {0, 60, 0}, {60, 61, 60}, {121, 250, 121}, {371, 4, 371}, {375, 12, 423}, {387, 16, 375}, {403, 16, 391},
};

// Reads up to the whole file; returns the number of bytes read.
int readAll(int fd, uint8_t *buffer, int capacity) {
    int total = 0;
    while (total < capacity) {
        ssize_t n = ::read(fd, buffer + total, capacity - total);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        total += static_cast<int>(n);
    }
    return total;
}

}  // namespace

void KeyboardState::installDefaultMap() {
    for (int slot = 1; slot <= kSlotCount; ++slot)
        slotPitch(slot) = static_cast<uint8_t>(35 + slot);
}

KeyFileLoad LoadKeyboardState(KeyboardState &state, const std::string &path) {
    KeyFileLoad result = KeyFileLoad::Read;
    int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && errno != ENOENT) {
        // A read-only or otherwise unwritable file still holds the user's map.
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        result = KeyFileLoad::ReadOnly;
    }
    if (fd < 0) {
        if (errno == ENOENT) {
            int created = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
            if (created >= 0) ::close(created);
        }
        BuildDefaultKeyMap(state);
        return KeyFileLoad::CreatedDefault;
    }
    uint8_t file[kKeyFileSize] = {};
    const int got = readAll(fd, file, kKeyFileSize);
    ::close(fd);
    if (got == 0) {
        // Left empty by a run that ended before it could write the map: there is no map in it.
        BuildDefaultKeyMap(state);
        return KeyFileLoad::CreatedDefault;
    }
    for (const Block &b : kKeyFileBlocks) {
        const int n = std::clamp(got - b.fileOffset, 0, b.length);
        std::memcpy(state.bytes.data() + b.stateOffset, file + b.fileOffset, n);
    }
    return result;
}

bool SaveKeyboardState(const KeyboardState &state, const std::string &path) {
    const QString name = QFile::decodeName(path.c_str());
    // Bytes past the seven blocks are not the map's; they are kept as they were.
    QByteArray file;
    if (QFile old(name); old.open(QIODevice::ReadOnly)) file = old.readAll();
    if (file.size() < kKeyFileSize) file.resize(kKeyFileSize, '\0');
    for (const Block &b : kKeyFileBlocks)
        std::memcpy(file.data() + b.fileOffset, state.bytes.data() + b.stateOffset, b.length);
    return writeWholeFile(name, file);
}

}  // namespace piano
