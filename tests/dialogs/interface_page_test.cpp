#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "device_page.h"
#include "interface_page.h"
#include "layout.h"
#include "preview_panel.h"
#include "settings_dialog.h"
#include "settings_fixture.h"
#include "skin.h"
#include "skin_choice.h"

namespace {

class InterfacePageTest : public SettingsFixture {
  protected:
    QByteArray bmp(int width, int height) const {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::red);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "BMP");
        return bytes;
    }
    QString copyOfShippedSkin(const QString &name) const {
        QFile::copy(PIANO_TEST_SKIN, path(name));
        return path(name);
    }
};

TEST_F(InterfacePageTest, DefaultsDeleteExactlyTheLoosePicturesAndWriteTheirValues) {
    for (const char *name : SkinChoice::kLoosePictures)
        writeFile(name, bmp(4, 4));
    writeFile("keep.bmp", bmp(4, 4));
    writeFile("Key", "not a picture");
    writeSettings("[Set]\nDrviveID=0\n[Directory]\nRESDPath=" + copyOfShippedSkin("mine.skn").toUtf8() +
                  "\n");

    SettingsDialog dialog(*program_);
    dialog.show();
    ASSERT_EQ(dialog.devicePage()->deviceList()->currentRow(), 1);
    // Only some of the pictures present: missing ones are skipped.
    QFile::remove(path("53.bmp"));
    dialogs_.answers = {NW_IDYES};
    dialog.defaultsButton()->click();
    ASSERT_EQ(dialogs_.boxes.size(), 1u);
    EXPECT_TRUE(dialogs_.boxes[0].text.contains("Piano.bmp, 51.bmp, 52.bmp, 54.bmp"));

    QStringList left = QDir(dir_.path()).entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, (QStringList{"Key", "Piano", "keep.bmp", "mine.skn"}));
    EXPECT_EQ(readSetting("Directory", "RESDPath"), "");
    EXPECT_EQ(readSetting("Set", "DrviveID"), "-1");
    EXPECT_EQ(dialog.devicePage()->deviceList()->currentRow(), 0);
    EXPECT_TRUE(dialog.isVisible());

    // The defaults were written at once: cancelling afterwards keeps them.
    dialog.cancelButton()->click();
    EXPECT_EQ(readSetting("Set", "DrviveID"), "-1");
    EXPECT_EQ(readSetting("Directory", "RESDPath"), "");
}

TEST_F(InterfacePageTest, DefaultsAnsweredNoKeepTheUsersPictures) {
    for (const char *name : SkinChoice::kLoosePictures)
        writeFile(name, bmp(4, 4));
    writeSettings("[Set]\nDrviveID=0\n");
    SettingsDialog dialog(*program_);
    dialogs_.answers = {NW_IDNO};
    dialog.defaultsButton()->click();
    EXPECT_EQ(QDir(dir_.path()).entryList({"*.bmp"}).size(), qsizetype(SkinChoice::kLoosePictures.size()));
    EXPECT_EQ(readSetting("Set", "DrviveID"), "-1") << "the other defaults still apply";
}

TEST_F(InterfacePageTest, DefaultsPutTheLoosePicturesOffTheWindow) {
    writeFile("Piano.bmp", bmp(450, 210));
    Skin::loadSkin(*program_);
    const QImage loose = program_->controls.background->picture().toImage();
    SettingsDialog dialog(*program_);
    dialogs_.answers = {NW_IDYES};
    dialog.defaultsButton()->click();
    EXPECT_NE(program_->controls.background->picture().toImage(), loose);
    EXPECT_EQ(program_->controls.background->picture().toImage(),
              program_->skinLibrary.bitmap("B0").toImage());
}

TEST_F(InterfacePageTest, SkinLibraryWithTheBackgroundIsTakenAndRecorded) {
    const QString chosen = copyOfShippedSkin("chosen.skn");
    program_->state.settingsPage = 1;
    SettingsDialog dialog(*program_);
    const QString rootBefore = program_->skinLibrary.root();
    dialogs_.fileAnswers.push_back({chosen});
    dialog.interfacePage()->browseButton()->click();

    ASSERT_EQ(dialogs_.fileDialogs.size(), 1u);
    EXPECT_TRUE(dialogs_.fileDialogs[0].filter.startsWith("外观文件(*.skn)|*.SKN"));
    EXPECT_TRUE(dialogs_.boxes.empty());
    EXPECT_EQ(readSetting("Directory", "RESDPath"), QFileInfo(chosen).absoluteFilePath());
    EXPECT_NE(program_->skinLibrary.root(), rootBefore);
    EXPECT_TRUE(program_->skinLibrary.holds("B0"));
    EXPECT_EQ(QDir::currentPath(), QFileInfo(dir_.path()).canonicalFilePath());
}

TEST_F(InterfacePageTest, LibraryWithoutTheBackgroundIsRejectedAndTheOldSkinStays) {
    writeFile("garbage.skn", "this is not a resource file");
    for (const QString &chosen : {QString(PIANO_TEST_NO_B0_SKIN), path("garbage.skn")}) {
        dialogs_.boxes.clear();
        writeSettings("[Directory]\nRESDPath=old.skn\n");
        SettingsDialog dialog(*program_);
        const QString rootBefore = program_->skinLibrary.root();
        dialogs_.fileAnswers.push_back({chosen});
        dialog.interfacePage()->browseButton()->click();

        ASSERT_EQ(dialogs_.boxes.size(), 1u) << chosen.toStdString();
        EXPECT_EQ(dialogs_.boxes[0].text, QString::fromUtf8(SkinChoice::kNotASkinMessage));
        EXPECT_EQ(readSetting("Directory", "RESDPath"), "old.skn");
        // The library in use was never released: the window can still take its pictures.
        EXPECT_EQ(program_->skinLibrary.root(), rootBefore);
        ASSERT_TRUE(program_->skinLibrary.holds("B0"));
        EXPECT_NO_THROW(Skin::loadSkin(*program_));
    }
}

TEST_F(InterfacePageTest, CancelledSkinDialogChangesNothing) {
    SettingsDialog dialog(*program_);
    const QString rootBefore = program_->skinLibrary.root();
    dialog.interfacePage()->browseButton()->click();
    EXPECT_EQ(dialogs_.fileDialogs.size(), 1u);
    EXPECT_EQ(program_->skinLibrary.root(), rootBefore);
    EXPECT_EQ(readSetting("Directory", "RESDPath"), "<absent>");
    EXPECT_TRUE(dialogs_.boxes.empty());
}

TEST_F(InterfacePageTest, TypedTextMakesBrowseChooseAPictureForThePreview) {
    writeFile("wide.bmp", bmp(100, 40));
    SettingsDialog dialog(*program_);
    InterfacePage *page = dialog.interfacePage();
    page->skinBox()->setEditText("my picture");
    dialogs_.fileAnswers.push_back({path("wide.bmp")});
    page->browseButton()->click();

    EXPECT_EQ(dialogs_.fileDialogs.back().filter, "界面文件|*.bmp");
    EXPECT_EQ(page->preview()->picture().size(), QSize(100, 40));
    // Narrower and lower than the view: centred on both axes.
    EXPECT_EQ(page->preview()->pictureOffset(), QPoint((282 - 100) / 2 + 1, (162 - 40) / 2 + 1));
    EXPECT_EQ(readSetting("Directory", "RESDPath"), "<absent>");
}

TEST_F(InterfacePageTest, PreviewShowsTheInstalledBackgroundAndDrags) {
    {
        SettingsDialog dialog(*program_);
        EXPECT_TRUE(dialog.interfacePage()->preview()->picture().isNull());
        dialog.interfacePage()->skinBox()->activated(0);
        EXPECT_EQ(dialog.interfacePage()->preview()->caption(), "默认图片");
    }
    writeFile("Piano.bmp", bmp(450, 210));
    SettingsDialog dialog(*program_);
    PreviewPanel *preview = dialog.interfacePage()->preview();
    ASSERT_EQ(preview->picture().size(), QSize(450, 210));
    EXPECT_EQ(preview->pictureOffset(), QPoint(1, 1));

    QTest::mousePress(preview, Qt::LeftButton, {}, QPoint(50, 50));
    QTest::mouseMove(preview, QPoint(30, 45));
    QTest::mouseRelease(preview, Qt::LeftButton, {}, QPoint(30, 45));
    EXPECT_EQ(preview->pictureOffset(), QPoint(-19, -4));
    QTest::mouseMove(preview, QPoint(80, 80));  // released: no longer dragging
    EXPECT_EQ(preview->pictureOffset(), QPoint(-19, -4));
}

TEST_F(InterfacePageTest, ColourIsStoredAsDecimalAppliedAndShown) {
    writeSettings("[Set]\nColor=255\n");
    SettingsDialog dialog(*program_);
    InterfacePage *page = dialog.interfacePage();
    EXPECT_EQ(page->swatch()->palette().color(QPalette::Window), QColor(255, 0, 0));

    dialogs_.colourAnswers = {QColor(0x12, 0x34, 0x56)};
    page->colourButton()->click();
    const int value = 0x563412;
    EXPECT_TRUE(settingsText().contains(QString("Color=%1").arg(value))) << settingsText().toStdString();
    EXPECT_EQ(page->swatch()->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(program_->controls.window->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));

    dialogs_.colourAnswers = {QColor()};  // cancelled
    page->colourButton()->click();
    EXPECT_EQ(readSetting("Set", "Color"), QString::number(value));
}

TEST_F(InterfacePageTest, LayerButtonSwitchesBetweenPlainAndPictured) {
    writeSettings("[Set]\nPicFlat=1\n");
    SettingsDialog dialog(*program_);
    dialog.interfacePage()->layerButton()->click();
    EXPECT_EQ(readSetting("Set", "PicFlat"), "0");
    EXPECT_TRUE(program_->controls.controlPanel->hasPicture());
    dialog.interfacePage()->layerButton()->click();
    EXPECT_EQ(readSetting("Set", "PicFlat"), "1");
    EXPECT_FALSE(program_->controls.controlPanel->hasPicture());
}

}  // namespace

namespace {

TEST_F(InterfacePageTest, ChosenSkinKeepsTheEnlargedLayoutsOwnPictures) {
    Layout::enlarge(*program_);
    ASSERT_TRUE(program_->state.enlarged);
    const QImage enlargedBackground = program_->defaultLibrary.bitmap("BEIFENB15").toImage();
    SettingsDialog dialog(*program_);
    dialogs_.fileAnswers.push_back({copyOfShippedSkin("chosen.skn")});
    dialog.interfacePage()->browseButton()->click();
    EXPECT_EQ(program_->controls.background->picture().toImage(), enlargedBackground);
    EXPECT_EQ(program_->controls.playButton->glyph().toImage(),
              program_->defaultLibrary.bitmap("BEIFENB18").toImage());

    dialog.defaultsButton()->click();
    EXPECT_EQ(program_->controls.background->picture().toImage(), enlargedBackground);
}

}  // namespace
