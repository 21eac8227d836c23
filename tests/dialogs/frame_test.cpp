#include <QComboBox>
#include <QImage>
#include <QListWidget>

#include "accomp_page.h"
#include "dialog_fixture.h"
#include "scale_page.h"
#include "voice_page.h"

namespace piano::test {
namespace {

class FrameTest : public DialogTest {};

TEST_F(FrameTest, EachOpenerShowsItsPageCaptionAndSize) {
    struct Case {
        int page;
        FunctionTab tab;
        const char *caption;
        QSize size;
    } cases[] = {
        {0, FunctionTab::Accomp, "伴奏选择", {368, 230}},
        {2, FunctionTab::KeyMap, "键盘", {550, 340}},
        {3, FunctionTab::Voice, "音色选择", {355, 327}},
        {4, FunctionTab::Voice, "音色选择", {355, 327}},
        {5, FunctionTab::Channels, "通道", {494, 300}},
        {6, FunctionTab::Controllers, "控制器", {355, 327}},
        {30, FunctionTab::Scale, "音阶选择", {355, 327}},
        {40, FunctionTab::Voice, "音色选择", {355, 327}},
        {112, FunctionTab::Voice, "音色选择", {355, 327}},
        {300, FunctionTab::Voice, "音色选择", {355, 327}},
    };
    performance.panel.cell[1] = 0;  // value 3 then opens the first region's voice
    for (const Case &c : cases) {
        FunctionDialog &d = open(c.page);
        EXPECT_EQ(d.currentTab(), c.tab) << c.page;
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8(c.caption)) << c.page;
        EXPECT_EQ(d.outerSize(), c.size) << c.page;
        EXPECT_EQ(d.containerTop(), -22) << c.page;
        EXPECT_TRUE(d.isVisible() && !d.isModal()) << c.page;
    }
}

TEST_F(FrameTest, ModalOpeningsShowTheirPage) {
    struct Case {
        int page;
        FunctionTab tab;
        QSize size;
    } cases[] = {{1, FunctionTab::Save, {290, 200}}, {111, FunctionTab::Voice, {355, 327}}};
    for (const Case &c : cases) {
        bool ran = false;
        openModal(c.page, [&](FunctionDialog &d) {
            ran = true;
            EXPECT_TRUE(d.isModal());
            EXPECT_EQ(d.currentTab(), c.tab);
            EXPECT_EQ(d.outerSize(), c.size);
        });
        EXPECT_TRUE(ran) << c.page;
    }
}

TEST_F(FrameTest, OnlyOneDialogAndAHiddenOneIsDestroyedByTheTimer) {
    QPointer<FunctionDialog> first = &open(0);
    QPointer<FunctionDialog> second = &open(2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    ASSERT_FALSE(second.isNull());

    opener->destroyIfHidden();
    EXPECT_TRUE(opener->exists()) << "a shown dialog stays";
    second->close();
    opener->destroyIfHidden();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(opener->exists());
    EXPECT_TRUE(second.isNull());
}

TEST_F(FrameTest, SetUpCreatesTheSettingsFileAndClosingWritesTheTwoOptions) {
    ASSERT_FALSE(program.settings.exists());
    FunctionDialog &d = open(2);
    EXPECT_TRUE(program.settings.exists());
    program.settings.writeString("Set", "YinSePower", "3");
    d.close();
    EXPECT_EQ(program.settings.readString("set", "YinSePower"), "12");
    EXPECT_EQ(program.settings.readString("set", "YinJeiPower"), "12");
}

TEST_F(FrameTest, BackgroundComesFromTheLooseFileWhenPresent) {
    EXPECT_FALSE(open(0).hasBackground()) << "no loose file and no skin";
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(file("Back.bmp"), "BMP"));
    FunctionDialog &d = open(0);
    EXPECT_TRUE(d.hasBackground());
    d.close();
    EXPECT_FALSE(d.hasBackground()) << "released on closing";
}

TEST_F(FrameTest, AccompanimentEntriesUseEqualsAtEveryOpeningAndAColonAfterAChoice) {
    performance.panel.accompFiles[0] = file("a/one.tkb").toStdString();
    performance.panel.accompFiles[4] = "/gone/five.tkb";
    AccompPage *page = open(0).accompPage();
    ASSERT_EQ(page->list->count(), 11);
    EXPECT_EQ(page->list->currentRow(), 0);
    EXPECT_EQ(page->list->item(4)->text(), "伴奏面板6=/gone/five.tkb");

    dialogs.fileAnswers = {QStringList{}};  // cancelled
    page->list->setCurrentRow(4);
    page->chooseFile();
    EXPECT_EQ(dialogs.fileDialogs.back().filter, "Tkb 文件 (*.tkb)|*.tkb");
    EXPECT_EQ(dialogs.fileDialogs.back().folder, "/gone");
    EXPECT_EQ(page->list->item(4)->text(), "伴奏面板6=/gone/five.tkb");

    dialogs.fileAnswers = {{"/new/six.tkb"}};
    page->chooseFile();
    EXPECT_EQ(page->list->item(4)->text(), "伴奏面板6:/new/six.tkb");
    EXPECT_EQ(performance.panel.accompFiles[4], "/new/six.tkb");
    EXPECT_TRUE(engine.actions().empty()) << "the page sends nothing";

    page = open(0).accompPage();
    EXPECT_EQ(page->list->item(0)->text(), "伴奏面板2=" + file("a/one.tkb"));
    EXPECT_EQ(page->list->item(4)->text(), "伴奏面板6=/new/six.tkb");
}

TEST_F(FrameTest, VoiceAndRangeCellsOpenTheVoiceOrScalePage) {
    performance.panel.mode = 1;
    keys().slotVoice(25) = 40;
    keys().slotPitch(37) = 50;
    struct Case {
        int cell;
        FunctionTab tab;
        int region;  // target or region box row
        int listRow;
    } cases[] = {{2, FunctionTab::Voice, 2, 40},
                 {5, FunctionTab::Voice, 0, 0},
                 {9, FunctionTab::Scale, 3, 50},
                 {11, FunctionTab::Scale, -1, -1}};
    for (const Case &c : cases) {
        performance.panel.cell[1] = c.cell;
        const auto before = keys().bytes;
        FunctionDialog &d = open(3);
        EXPECT_EQ(d.currentTab(), c.tab) << c.cell;
        if (c.tab == FunctionTab::Voice) {
            EXPECT_EQ(d.voicePage()->target(), c.region) << c.cell;
            EXPECT_FALSE(d.voicePage()->targetFixed());
            EXPECT_EQ(d.voicePage()->programList->currentRow(), c.listRow) << c.cell;
        } else {
            EXPECT_EQ(d.scalePage()->regionBox->currentIndex(), c.region) << c.cell;
            EXPECT_EQ(d.scalePage()->noteList->currentRow(), c.listRow) << c.cell;
        }
        EXPECT_EQ(keys().bytes, before) << "opening assigns nothing";
    }

    // Cell 11: no region, so a chosen note assigns nothing and closes the dialog.
    const auto before = keys().bytes;
    opener->dialog()->scalePage()->doubleClickNote(60);
    EXPECT_EQ(keys().bytes, before);
    EXPECT_TRUE(closed());
}

}  // namespace
}  // namespace piano::test
