#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTest>

#include "dialog_fixture.h"
#include "key_map_page.h"

namespace piano::test {
namespace {

class KeyMapPageTest : public DialogTest {
  protected:
    KeyMapPage &page() { return *open(2).keyMapPage(); }
};

TEST_F(KeyMapPageTest, OpensWithNothingSelectedAndTheSlotListsEnabled) {
    KeyMapPage &p = page();
    EXPECT_EQ(p.keyList->count(), 91);
    EXPECT_EQ(p.functionList->count(), 80);
    EXPECT_EQ(p.programList->count(), 128);
    EXPECT_EQ(p.pitchList->count(), 121);
    for (QListWidget *list : {p.keyList, p.functionList, p.programList, p.pitchList})
        EXPECT_EQ(list->currentRow(), -1);
    EXPECT_TRUE(p.programList->isEnabled() && p.pitchList->isEnabled());
}

TEST_F(KeyMapPageTest, ControllerFunctionsGreyTheSlotListsAndANoteFunctionShowsItsSlot) {
    const int e = 34, eCode = 69;    // key row and code of E
    keys().keyFunction(eCode) = 62;  // CON3
    keys().slotVoice(12) = 33;
    keys().slotPitch(12) = 70;
    KeyMapPage &p = page();

    p.selectKey(e);
    EXPECT_EQ(p.functionList->currentRow(), 62);
    EXPECT_FALSE(p.programList->isEnabled());
    EXPECT_FALSE(p.pitchList->isEnabled());
    EXPECT_EQ(keys().keyFunction(eCode), 62);

    p.selectFunction(11);  // "12"
    EXPECT_TRUE(p.programList->isEnabled() && p.pitchList->isEnabled());
    EXPECT_EQ(p.programList->currentRow(), 33);
    EXPECT_EQ(p.pitchList->currentRow(), 70);
    EXPECT_EQ(keys().keyFunction(eCode), 11);

    p.selectProgram(5);
    p.selectPitch(72);
    EXPECT_EQ(keys().slotVoice(12), 5);
    EXPECT_EQ(keys().slotPitch(12), 72);
}

TEST_F(KeyMapPageTest, TheArrowKeysChooseAsTheMouseDoesAndNoteKeysLeaveTheListsAlone) {
    const int w = 33, wCode = 87, eCode = 69;  // key rows W and E below it, and their codes
    keys().keyFunction(wCode) = 62;            // CON3
    keys().keyFunction(eCode) = 11;            // "12"
    keys().slotVoice(12) = 33;
    keys().slotPitch(12) = 70;
    KeyMapPage &p = page();
    QWindow *window = p.window()->windowHandle();
    p.selectKey(w);
    p.keyList->setFocus();

    QTest::keyClick(window, Qt::Key_Down);
    EXPECT_EQ(p.keyList->currentRow(), w + 1);
    EXPECT_EQ(p.functionList->currentRow(), 11);
    EXPECT_TRUE(p.programList->isEnabled() && p.pitchList->isEnabled());
    EXPECT_EQ(p.programList->currentRow(), 33);
    EXPECT_EQ(p.pitchList->currentRow(), 70);

    p.functionList->setFocus();
    QTest::keyClick(window, Qt::Key_Up);
    EXPECT_EQ(keys().keyFunction(eCode), 10) << "the key now plays slot 11";

    // A letter plays; the list does not jump to a row starting with it.
    p.keyList->setFocus();
    QTest::keyClick(window, Qt::Key_F);
    EXPECT_EQ(p.keyList->currentRow(), w + 1);
    EXPECT_FALSE(closed());
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_TRUE(closed());
}

TEST_F(KeyMapPageTest, KeysStoreUnderTheirCodesAndAKeyWithoutFunctionBecomes255) {
    KeyMapPage &p = page();
    p.selectKey(9);  // F10
    p.selectFunction(3);
    EXPECT_EQ(keys().keyFunction(121), 3);
    p.selectKey(22);  // 0
    p.selectFunction(76);
    EXPECT_EQ(keys().keyFunction(48), 76);

    keys().keyFunction(112) = 200;  // F1: no function
    p.selectKey(0);
    EXPECT_EQ(p.functionList->currentRow(), -1);
    EXPECT_EQ(keys().keyFunction(112), 255);
}

TEST_F(KeyMapPageTest, NoKeySelectedMeansAFunctionClickAssignsNothing) {
    const auto before = keys().bytes;
    page().selectFunction(3);
    EXPECT_EQ(keys().bytes, before);
}

TEST_F(KeyMapPageTest, SaveAndOpenGoThroughTheFileDialogs) {
    KeyMapPage &p = page();
    const QString path = file("map.kbd");
    dialogs.fileAnswers = {{path}};
    p.saveMap();
    EXPECT_EQ(QFile(path).size(), 370);
    EXPECT_EQ(dialogs.fileDialogs.back().filter, "");
    EXPECT_EQ(dialogs.fileDialogs.back().folder, QDir::homePath()) << "not the installation folder";

    const auto saved = keys().bytes;
    keys().slotVoice(1) = 99;
    dialogs.fileAnswers = {QStringList{}};
    p.loadMap();  // cancelled
    EXPECT_EQ(keys().slotVoice(1), 99);
    dialogs.fileAnswers = {{path}};
    p.loadMap();
    EXPECT_EQ(keys().bytes, saved);
}

TEST_F(KeyMapPageTest, AMapThatCannotBeReadOrWrittenIsToldAndChangesNothing) {
    QFile key(program.state.paths.keyFile);
    ASSERT_TRUE(key.open(QIODevice::WriteOnly));
    key.write(QByteArray(kKeyFileSize, char(7)));
    key.close();
    struct Case {
        const char *what;
        bool save;
        QString path;
        const char *told;
    } cases[] = {
        {"open the program's own Key", false, program.state.paths.keyFile, "不是键盘映射文件"},
        {"open a missing file", false, file("missing.kbd"), "不能读取键盘映射文件"},
        {"save over the program's own Key", true, program.state.paths.keyFile, "不能把键盘映射保存到"},
        {"save into a missing folder", true, file("gone/map.kbd"), "键盘映射没有保存"},
    };
    for (const Case &c : cases) {
        KeyMapPage &p = page();
        const auto before = keys().bytes;
        dialogs.boxes.clear();
        dialogs.fileAnswers = {{c.path}};
        c.save ? p.saveMap() : p.loadMap();
        ASSERT_EQ(dialogs.boxes.size(), 1u) << c.what;
        EXPECT_TRUE(dialogs.boxes[0].text.contains(QString::fromUtf8(c.told))) << c.what;
        EXPECT_EQ(keys().bytes, before) << c.what;
        EXPECT_EQ(QFile(program.state.paths.keyFile).size(), kKeyFileSize) << c.what;
    }
}

TEST_F(KeyMapPageTest, ClosingTheDialogWritesTheKeyboardState) {
    int writes = 0;
    program.hooks.saveKeyboardState = [&](const QString &path) {
        EXPECT_EQ(path, program.state.paths.keyFile);
        ++writes;
        return true;
    };
    page();
    keys().slotVoice(1) = 42;
    opener->dialog()->close();
    EXPECT_EQ(writes, 1);
}

}  // namespace
}  // namespace piano::test
