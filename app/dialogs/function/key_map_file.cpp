#include "key_map_file.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "whole_file.h"

namespace piano {
namespace {

// Bytes 0..119 of the model lie at the same offsets; the pitch of slot 60 (byte 120) is left out, so
// the key functions (bytes 121..370) follow at offset 120.
constexpr int kHeadLength = 120;
constexpr int kFunctionLength = kKeyCodeCount;

}  // namespace

bool SaveKeyMapFile(const KeyboardState &state, const std::string &path) {
    const QString name = QFile::decodeName(path.c_str());
    QByteArray file;
    if (QFile old(name); old.open(QIODevice::ReadOnly)) file = old.readAll();
    if (file.size() < kKeyMapFileSize) file.resize(kKeyMapFileSize, '\0');
    std::copy_n(state.bytes.begin(), kHeadLength, file.begin());
    std::copy_n(state.bytes.begin() + KeyboardState::kKeyFunction, kFunctionLength,
                file.begin() + kHeadLength);
    return writeWholeFile(name, file);
}

KeyMapLoad LoadKeyMapFile(KeyboardState &state, const std::string &path) {
    const QString name = QFile::decodeName(path.c_str());
    // Only a regular file is read: a pipe or a device would never end.
    const QFileInfo info(name);
    if (!info.isFile()) return KeyMapLoad::CannotOpen;
    if (info.size() == kKeyFileSize) return KeyMapLoad::KeyboardFile;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) return KeyMapLoad::CannotOpen;
    const QByteArray bytes = file.read(kKeyMapFileSize);
    const int got = static_cast<int>(bytes.size());
    std::copy_n(bytes.begin(), std::min(got, kHeadLength), state.bytes.begin());
    if (got > kHeadLength)
        std::copy_n(bytes.begin() + kHeadLength, got - kHeadLength,
                    state.bytes.begin() + KeyboardState::kKeyFunction);
    return KeyMapLoad::Read;
}

}  // namespace piano
