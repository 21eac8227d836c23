// The function dialog opened from the real main window with the shipped skin and the real engine.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <memory>

#include "channel_page.h"
#include "composition_root.h"
#include "function_dialog_opener.h"
#include "main_window.h"
#include "performance_wiring.h"
#include "scripted_dialogs.h"
#include "test_installation.h"

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
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TestInstallation install;
    ScriptedDialogs dialogs;
    std::unique_ptr<CompositionRoot> composition;
    MainWindow *window = nullptr;
    FunctionDialogOpener *opener = nullptr;
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

}  // namespace
}  // namespace piano::test
