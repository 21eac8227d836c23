#include <QFile>
#include <QListWidget>

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
    dialogs.fileAnswers = {path};
    p.saveMap();
    EXPECT_EQ(QFile(path).size(), 370);
    EXPECT_EQ(dialogs.filters.back(), "");

    const auto saved = keys().bytes;
    keys().slotVoice(1) = 99;
    dialogs.fileAnswers = {""};
    p.loadMap();  // cancelled
    EXPECT_EQ(keys().slotVoice(1), 99);
    dialogs.fileAnswers = {path};
    p.loadMap();
    EXPECT_EQ(keys().bytes, saved);
}

}  // namespace
}  // namespace piano::test
