#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include "about_page.h"
#include "help_page.h"
#include "settings_dialog.h"
#include "settings_fixture.h"

namespace {

class AboutPageTest : public SettingsFixture {
  protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        HelpPage::setOpener([this](const QUrl &url) {
            opened_.push_back(url);
            return true;
        });
    }
    void TearDown() override {
        HelpPage::setOpener([](const QUrl &) { return false; });
    }
    std::vector<QUrl> opened_;
};

TEST_F(AboutPageTest, ShowsTheVersionLine) {
    SettingsDialog dialog(*program_);
    EXPECT_EQ(dialog.aboutPage()->versionLabel()->text(), "SonviraV2.20(TM)版");
}

TEST_F(AboutPageTest, HelpButtonReportsAMissingPageAndStartsNothing) {
    SettingsDialog dialog(*program_);
    dialog.aboutPage()->helpButton()->click();
    EXPECT_TRUE(opened_.empty());
    ASSERT_EQ(dialogs_.boxes.size(), 1u);
    EXPECT_EQ(dialogs_.boxes[0].text, "没有找到文件Pianohlp.htm,请检查文件是否在Help目录下");
}

TEST_F(AboutPageTest, HelpButtonOpensTheInstalledPage) {
    ASSERT_TRUE(QDir(dir_.path()).mkpath("Help"));
    writeFile("Help/PianoHlp.htm", "<html></html>");
    SettingsDialog dialog(*program_);
    dialog.aboutPage()->helpButton()->click();
    EXPECT_TRUE(dialogs_.boxes.empty());
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0], QUrl::fromLocalFile(path("Help/PianoHlp.htm")));
}

TEST_F(AboutPageTest, OpensTheDialogOnItsPageAndRestoresTheSelector) {
    for (int page : {0, 1, 2}) {
        program_->state.settingsPage = 7;
        int shownPage = -1;
        QTimer::singleShot(0, [&shownPage] {
            auto *dialog = qobject_cast<SettingsDialog *>(QApplication::activeModalWidget());
            if (!dialog) return;
            shownPage = dialog->pages()->currentIndex();
            dialog->reject();
        });
        SettingsDialog::openModal(*program_, page, &window_);
        EXPECT_EQ(shownPage, page);
        EXPECT_EQ(program_->state.settingsPage, 7);
    }
}

}  // namespace
