// The function dialog opened from the real main window with the shipped skin and the real engine.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <memory>

#include "channel_page.h"
#include "composition_root.h"
#include "fake_engine.h"
#include "function_dialog_opener.h"
#include "main_window.h"
#include "performance_wiring.h"
#include "scripted_dialogs.h"
#include "test_installation.h"
#include "voice_page.h"

namespace piano::test {
namespace {

class DialogInWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(install.isComplete()) << install.problem().toStdString();
        dialogs.answerWhenNoneLeft = NW_IDNO;
        composition = std::make_unique<CompositionRoot>(dialogs);
        window = &composition->window();
        opener = &composition->functionDialog();
        ASSERT_TRUE(window->start());
        window->show();
    }
    void TearDown() override {
        composition.reset();
        engine.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TestInstallation install;
    ScriptedDialogs dialogs;
    std::unique_ptr<CompositionRoot> composition;
    MainWindow *window = nullptr;
    FunctionDialogOpener *opener = nullptr;
    std::unique_ptr<FakeEngine> engine;  // once a test records the window's engine calls
};

TEST_F(DialogInWindowTest, TheWindowsOpenerShowsTheChannelPageOverTheSkinAndTheTimerDropsItClosed) {
    window->program().hooks.openFunctionDialog(5, false);
    FunctionDialog *dialog = opener->dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->currentTab(), FunctionTab::Channels);
    EXPECT_TRUE(dialog->hasBackground()) << "the skin's background picture";
    // The freshly opened engine has its keyboard and accompaniment channels; every row shows a role.
    QStringList rows;
    for (int i = 0; i < 16; ++i)
        rows << dialog->channelPage()->checkList->item(i)->text();
    EXPECT_TRUE(rows.contains("键盘使用") && rows.contains("伴奏使用")) << rows.join(',').toStdString();
    EXPECT_FALSE(rows.contains(QString())) << rows.join(',').toStdString();

    window->program().hooks.timer1Tick();
    EXPECT_TRUE(opener->exists());
    dialog->close();
    window->program().hooks.timer1Tick();
    EXPECT_FALSE(opener->exists());
    EXPECT_TRUE(dialogs.boxes.empty()) << dialogs.boxTexts().join('\n').toStdString();
}

TEST_F(DialogInWindowTest, TheKeyboardPlaysWhileAVoicePageHasTheFocus) {
    window->program().hooks.openFunctionDialog(kPageVoices, false);
    FunctionDialog *dialog = opener->dialog();
    ASSERT_NE(dialog, nullptr);
    dialog->activateWindow();
    QListWidget *voices = dialog->voicePage()->programList;
    voices->setFocus();
    engine = std::make_unique<FakeEngine>();
    engine->bind(window->program().engine);
    composition->livePlaying().performance().harmonyEffect = 0;  // the saved default is a layer effect
    auto notes = [this] {  // + pitch for a note-on, - pitch for a release
        std::vector<int> out;
        for (const EngineCallRecord &c : engine->calls)
            if (c.via == '1' && c.a == NW_NOTE_ON) out.push_back(c.c ? c.b : -c.b);
        return out;
    };
    QWindow *keys = dialog->windowHandle();

    // F1 plays slot 1 (pitch 36) in the shipped map.
    QTest::keyPress(keys, Qt::Key_F1);
    QTest::keyRelease(keys, Qt::Key_F1);
    EXPECT_EQ(notes(), (std::vector<int>{36, -36}));

    // Down moves in the list and chooses as a click does; it plays nothing.
    const int row = voices->currentRow();
    QTest::keyClick(keys, Qt::Key_Down);
    EXPECT_EQ(voices->currentRow(), row + 1);
    EXPECT_EQ(composition->livePlaying().performance().state.slotVoice(1), row + 1);
    EXPECT_EQ(notes().size(), 2u);

    QTest::keyClick(keys, Qt::Key_Return);  // 确定
    EXPECT_FALSE(dialog->isVisible());
}

}  // namespace
}  // namespace piano::test
