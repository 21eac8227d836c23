#include <gtest/gtest.h>

#include <QFile>
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
    ASSERT_TRUE(LoadKeyMapFile(s, path));
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
    ASSERT_TRUE(LoadKeyMapFile(s, path.toStdString()));
    EXPECT_EQ(s.bytes[0], 5);
    EXPECT_EQ(s.bytes[119], 5);
    EXPECT_EQ(s.bytes[120], before.bytes[120]);
    EXPECT_EQ(s.keyFunction(9), 5);
    EXPECT_EQ(s.keyFunction(10), before.bytes[121 + 10]);
}

TEST(KeyMapFile, UnopenableFilesAreNeitherReadNorWritten) {
    QTemporaryDir dir;
    KeyboardState s = patterned();
    const KeyboardState before = s;
    EXPECT_FALSE(LoadKeyMapFile(s, dir.filePath("missing").toStdString()));
    EXPECT_FALSE(SaveKeyMapFile(s, dir.filePath("no/such/folder/map").toStdString()));
    EXPECT_FALSE(LoadKeyMapFile(s, dir.path().toStdString()));  // a folder
    EXPECT_EQ(s.bytes, before.bytes);
}

}  // namespace
}  // namespace piano
