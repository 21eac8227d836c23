// The function dialog opened from the real main window with the shipped skin and the real engine.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <memory>

#include "channel_page.h"
#include "composition_root.h"
#include "function_dialog_opener.h"
#include "install_registry.h"
#include "main_window.h"
#include "performance_wiring.h"

namespace piano::test {
namespace {

class QuietDialogs : public DialogService {
  public:
    QStringList messages;
    int32_t messageBox(const QString &text, const QString &, uint32_t) override {
        messages << text;
        return NW_IDNO;
    }
    QStringList openFiles(const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &) override { return {}; }
    QColor pickColour(const QColor &initial) override { return initial; }
};

class DialogInWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(temp.filePath("config")));
        const QString install = temp.filePath("install");
        QDir().mkpath(install);
        ASSERT_TRUE(QFile::copy(PIANO_TEST_SKIN, install + "/resource.skn"));
        ASSERT_TRUE(QFile::copy(PIANO_TEST_DEFAULTS, install + "/BeiFen.dat"));
        ASSERT_TRUE(QFile::link(PIANO_TEST_ENGINE, install + "/libnotewire.so"));
        ASSERT_TRUE(InstallRegistry::writeInstallDir(install));
        // The engine's device writes a text capture: no sound card needed.
        qputenv("NOTEWIRE_CAPTURE", QFile::encodeName(install + "/capture.txt"));
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

    QTemporaryDir temp;
    QuietDialogs dialogs;
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
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
}

}  // namespace
}  // namespace piano::test
