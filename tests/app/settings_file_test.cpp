#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settings_file.h"

namespace {

QString readAll(const QString &path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

void writeAll(const QString &path, const QString &text) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.toUtf8());
}

}  // namespace

TEST(SettingsFile, SectionsAndKeysMatchWithoutRegardToCase) {
    QTemporaryDir dir;
    const SettingsFile ini(dir.filePath("Piano"));
    writeAll(ini.path(), "[set]\ncolor=255\n[PIANO]\nleft=12\n");
    EXPECT_EQ(ini.readInt("Set", "Color", 0), 255);
    EXPECT_EQ(ini.readInt("piano", "Left", 0), 12);

    // Writing under another spelling changes the existing entry instead of adding a second one.
    ini.writeInt("Set", "COLOR", 7);
    EXPECT_EQ(ini.readInt("set", "color", 0), 7);
    EXPECT_EQ(readAll(ini.path()).count("olor", Qt::CaseInsensitive), 1);
    EXPECT_EQ(readAll(ini.path()).count("[set]", Qt::CaseInsensitive), 1);
}

TEST(SettingsFile, WriteKeepsOtherContentAndPutsNoBlanksAroundTheEqualsSign) {
    QTemporaryDir dir;
    const SettingsFile ini(dir.filePath("Piano"));
    writeAll(ini.path(), "[Directory]\nOpenPath=/home/user/歌曲\n[Piano]\nTop=5\n");
    ASSERT_TRUE(ini.writeString("Piano", "Left", "300"));
    ASSERT_TRUE(ini.writeString("Set", "SavePlay", "1"));

    const QString text = readAll(ini.path());
    EXPECT_TRUE(text.contains("OpenPath=/home/user/歌曲\n"));
    EXPECT_TRUE(text.contains("Top=5\n"));
    EXPECT_TRUE(text.contains("Left=300\n"));
    EXPECT_TRUE(text.contains("SavePlay=1\n"));
    EXPECT_FALSE(text.contains(" ="));
    EXPECT_FALSE(text.contains("= "));
    EXPECT_EQ(ini.readString("directory", "openpath"), "/home/user/歌曲");
}

TEST(SettingsFile, IntegerReadsTakeTheDefaultOnlyForAMissingKey) {
    QTemporaryDir dir;
    const SettingsFile ini(dir.filePath("Piano"));
    EXPECT_EQ(ini.readInt("Piano", "Left", 200), 200);  // no file at all
    writeAll(ini.path(), "[Piano]\nA=-1\nB=12abc\nC=abc\nD=\n");
    struct Case {
        const char *key;
        int expected;
    } cases[] = {{"A", -1}, {"B", 12}, {"C", 0}, {"D", 0}, {"Missing", 8}};
    for (const Case &c : cases)
        EXPECT_EQ(ini.readInt("Piano", c.key, 8), c.expected) << c.key;
}

TEST(SettingsFile, LongChineseStringsAreReadWhole) {
    QTemporaryDir dir;
    const SettingsFile ini(dir.filePath("Piano"));
    // 200 bytes and more: a skin or song folder with Chinese names easily passes any small buffer.
    const QString path = "/home/用户/音乐/" + QString(60, QChar(0x7434)) + "/皮肤.skn";
    ASSERT_GE(path.toUtf8().size(), 200);
    ASSERT_TRUE(ini.writeString("Directory", "RESDPath", path));
    EXPECT_EQ(ini.readString("directory", "resdpath"), path);
}

TEST(SettingsFile, AnEditWritesManyValuesAtOnceAndAFailedWriteKeepsTheOldFile) {
    QTemporaryDir dir;
    const SettingsFile ini(dir.filePath("Piano"));
    writeAll(ini.path(), "[Directory]\nOpenPath=/歌曲\n");
    {
        SettingsFile::Edit edit(ini);
        edit.setInt("Piano", "Left", 10);
        edit.setString("Set", "SavePlay", "1");
        EXPECT_EQ(ini.readInt("Piano", "Left", -1), -1) << "nothing is written before the commit";
        ASSERT_TRUE(edit.commit());
    }
    EXPECT_EQ(ini.readInt("Piano", "Left", -1), 10);
    EXPECT_EQ(ini.readString("Directory", "OpenPath"), "/歌曲");

    // The settings file's place is taken by a folder: nothing can be written, and that is reported.
    const SettingsFile blocked(dir.filePath("sub"));
    QDir(dir.path()).mkdir("sub");
    EXPECT_FALSE(blocked.writeString("Set", "Color", "1"));
    EXPECT_EQ(readAll(ini.path()).count("Left=10"), 1);
}

TEST(SettingsFile, AFolderThatCannotBeWrittenFailsQuietly) {
    const SettingsFile ini("/nonexistent-folder/Piano");
    EXPECT_FALSE(ini.writeString("Set", "ButtonFlat", "1"));
    EXPECT_FALSE(ini.exists());
}
