#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "key_map_file.h"

namespace piano {
namespace {

QByteArray readAll(const QString &path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeAll(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

KeyboardState patterned() {
    KeyboardState s;
    for (int i = 0; i < KeyboardState::kSize; ++i)
        s.bytes[i] = static_cast<uint8_t>(i * 7 + 3);
    return s;
}

TEST(KeyMapFile, LayoutLeavesOutTheLastSlotsPitchAndKeepsALongerTail) {
    QTemporaryDir dir;
    const QString path = dir.filePath("map");
    writeAll(path, QByteArray(400, 'x'));
    const KeyboardState s = patterned();
    ASSERT_TRUE(SaveKeyMapFile(s, path.toStdString()));

    const QByteArray bytes = readAll(path);
    ASSERT_EQ(bytes.size(), 400);
    for (int i = 0; i < 120; ++i)
        ASSERT_EQ(uint8_t(bytes[i]), s.bytes[i]) << i;
    for (int i = 0; i < 250; ++i)
        ASSERT_EQ(uint8_t(bytes[120 + i]), s.bytes[121 + i]) << i;
    EXPECT_EQ(bytes.mid(370), QByteArray(30, 'x'));
}

TEST(KeyMapFile, NewFileIsExactly370Bytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("new");
    ASSERT_TRUE(SaveKeyMapFile(patterned(), path.toStdString()));
    EXPECT_EQ(readAll(path).size(), kKeyMapFileSize);
}

TEST(KeyMapFile, LoadingKeepsTheLastSlotsPitch) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("map").toStdString();
    KeyboardState s = patterned();
    ASSERT_TRUE(SaveKeyMapFile(s, path));
    const KeyboardState saved = s;
    s.slotPitch(60) = 99;
    s.slotPitch(59) = 98;
    s.keyFunction(65) = 7;
    ASSERT_EQ(LoadKeyMapFile(s, path), KeyMapLoad::Read);
    EXPECT_EQ(s.slotPitch(60), 99);
    EXPECT_EQ(s.slotPitch(59), saved.bytes[119]);
    EXPECT_EQ(s.keyFunction(65), saved.bytes[121 + 65]);
}

TEST(KeyMapFile, ShortFileLoadsAsFarAsItReaches) {
    QTemporaryDir dir;
    const QString path = dir.filePath("short");
    // 130 bytes: the whole head and the functions of codes 0..9.
    QByteArray bytes(130, char(5));
    writeAll(path, bytes);
    KeyboardState s = patterned();
    const KeyboardState before = s;
    ASSERT_EQ(LoadKeyMapFile(s, path.toStdString()), KeyMapLoad::Read);
    EXPECT_EQ(s.bytes[0], 5);
    EXPECT_EQ(s.bytes[119], 5);
    EXPECT_EQ(s.bytes[120], before.bytes[120]);
    EXPECT_EQ(s.keyFunction(9), 5);
    EXPECT_EQ(s.keyFunction(10), before.bytes[121 + 10]);
}

TEST(KeyMapFile, FilesThatAreNoMapLeaveTheMapAlone) {
    QTemporaryDir dir;
    writeAll(dir.filePath("Key"), QByteArray(kKeyFileSize, char(9)));  // the program's own state file
    struct Case {
        const char *what;
        QString path;
        KeyMapLoad result;
    } cases[] = {{"missing", dir.filePath("missing"), KeyMapLoad::CannotOpen},
                 {"a folder", dir.path(), KeyMapLoad::CannotOpen},
                 {"the keyboard-state file", dir.filePath("Key"), KeyMapLoad::KeyboardFile}};
    for (const Case &c : cases) {
        KeyboardState s = patterned();
        EXPECT_EQ(LoadKeyMapFile(s, c.path.toStdString()), c.result) << c.what;
        EXPECT_EQ(s.bytes, patterned().bytes) << c.what;
    }
    EXPECT_FALSE(SaveKeyMapFile(patterned(), dir.filePath("no/such/folder/map").toStdString()));
}

TEST(KeyMapFile, AReadOnlyMapLoadsAndASymlinkStaysALink) {
    QTemporaryDir dir;
    const QString target = dir.filePath("real.map");
    ASSERT_TRUE(SaveKeyMapFile(patterned(), target.toStdString()));
    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    KeyboardState s;
    EXPECT_EQ(LoadKeyMapFile(s, target.toStdString()), KeyMapLoad::Read);
    EXPECT_EQ(s.keyFunction(65), patterned().keyFunction(65));

    QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QString link = dir.filePath("link.map");
    ASSERT_TRUE(QFile::link(target, link));
    KeyboardState other;
    other.keyFunction(65) = 3;
    ASSERT_TRUE(SaveKeyMapFile(other, link.toStdString()));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(uint8_t(readAll(target)[120 + 65]), 3);
}

}  // namespace
}  // namespace piano
