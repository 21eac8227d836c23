#include "skin.h"

#include <QApplication>
#include <QFileInfo>
#include <QToolTip>

#include "program.h"

namespace Skin {

QColor colourFromValue(int value) {
    const auto v = static_cast<uint32_t>(value);
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

QPixmap looseOrSkin(const Program &program, const QString &looseFile, const QString &skinName) {
    const QString loose = program.state.paths.installDir + "/" + looseFile;
    if (QFileInfo(loose).isFile()) {
        QPixmap picture(loose);
        if (!picture.isNull()) return picture;
    }
    return program.skinLibrary.bitmap(skinName);
}

void loadSkin(Program &p) {
    MainWindowControls &c = p.controls;
    const QPixmap background = looseOrSkin(p, "Piano.bmp", "B0");
    c.background->setPicture(background);

    const char *controllerFiles[] = {"51.bmp", "52.bmp", "53.bmp", "54.bmp"};
    const char *controllerNames[] = {"B16", "B17", "B18", "B29"};
    for (int i = 0; i < 4; ++i)
        c.controllerButtons[i]->setGlyph(looseOrSkin(p, controllerFiles[i], controllerNames[i]));

    c.newBufferButton->setGlyph(looseOrSkin(p, "21.bmp", "B7"));
    c.saveBufferButton->setGlyph(looseOrSkin(p, "22.bmp", "B8"));
    c.playButton->setGlyph(looseOrSkin(p, "23.bmp", "B9"));
    c.pauseButton->setGlyph(looseOrSkin(p, "24.bmp", "B10"));
    const bool record = p.state.recordMode != RecordPlay;
    c.stopRecordButton->setGlyph(record ? looseOrSkin(p, "261.bmp", "B35") : looseOrSkin(p, "25.bmp", "B11"));
    c.modeSwitchButton->setGlyph(record ? looseOrSkin(p, "262.bmp", "B36") : looseOrSkin(p, "26.bmp", "B12"));
    c.openFilesButton->setGlyph(looseOrSkin(p, "27.bmp", "B5"));

    const char *modeFiles[] = {"56.bmp", "57.bmp", "58.bmp"};
    const char *modeNames[] = {"B32", "B33", "B34"};
    for (int i = 0; i < 3; ++i)
        c.modeButtons[i]->setGlyph(looseOrSkin(p, modeFiles[i], modeNames[i]));

    c.aboutPicture->setPicture(p.skinLibrary.bitmap("B37"));
    c.controlPanel->setPicture(p.skinLibrary.bitmap("B27"));
    const QPixmap verticalThumb = p.skinLibrary.bitmap("B30");
    for (ImageControl *thumb : c.verticalThumbs)
        thumb->setPicture(verticalThumb);
    const QPixmap horizontalThumb = p.skinLibrary.bitmap("B31");
    for (ImageControl *thumb : c.horizontalThumbs)
        thumb->setPicture(horizontalThumb);
    const QPixmap marker = p.skinLibrary.bitmap("B28");
    c.overlayImages[13]->setPicture(marker);
    c.overlayImages[14]->setPicture(marker);

    applyFlatButtons(p, p.skinLibrary.holds("Flig") ? 1 : 0);
}

void loadKeyPictures(Program &p, int kind) {
    MainWindowControls &c = p.controls;
    const ResourceLibrary &defaults = p.defaultLibrary;
    auto name = [](int n) { return QString("BEIFENB%1").arg(n); };
    if (kind == 1) {
        for (int i = 0; i < 4; ++i) {
            if (p.state.enlarged) {
                c.overlayImages[1 + i]->setPicture(defaults.bitmap(name(5 + i)));
                c.overlayImages[5 + i]->setPicture(defaults.bitmap(name(9 + i)));
            } else {
                c.overlayImages[1 + i]->setPicture(p.skinLibrary.bitmap(QString("B%1").arg(1 + i)));
                c.overlayImages[5 + i]->setPicture(defaults.bitmap(name(1 + i)));
            }
        }
    } else if (kind == 2) {
        c.newBufferButton->setGlyph(defaults.bitmap(name(16)));
        c.saveBufferButton->setGlyph(defaults.bitmap(name(17)));
        c.playButton->setGlyph(defaults.bitmap(name(18)));
        c.pauseButton->setGlyph(defaults.bitmap(name(19)));
        const bool record = p.state.recordMode == RecordRecord;
        c.stopRecordButton->setGlyph(defaults.bitmap(name(record ? 22 : 20)));
        c.modeSwitchButton->setGlyph(defaults.bitmap(name(record ? 23 : 21)));
        c.openFilesButton->setGlyph(defaults.bitmap(name(24)));
        for (int i = 0; i < 4; ++i)
            c.controllerButtons[i]->setGlyph(defaults.bitmap(name(25 + i)));
        for (int i = 0; i < 3; ++i)
            c.modeButtons[i]->setGlyph(defaults.bitmap(name(29 + i)));
    }
}

void applyColour(Program &p, int colour) {
    MainWindowControls &c = p.controls;
    auto paint = [](QWidget *w, const QColor &background) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, background);
        w->setPalette(palette);
        w->setAutoFillBackground(true);
    };
    const QColor base = colourFromValue(colour);
    paint(c.window, base);
    for (QFrame *panel : c.numberedPanels())
        paint(panel, base);
    c.songProgress->setBackColour(base);
    c.songProgress->setBarColour(colourFromValue(colour + 100));
    for (auto &[number, button] : c.captionButtons)
        button->setTextColour(base);
    QPalette hint = QToolTip::palette();
    hint.setColor(QPalette::ToolTipBase, colourFromValue(colour - 1716));
    QToolTip::setPalette(hint);
}

void showEnlargedPictures(Program &p) {
    MainWindowControls &c = p.controls;
    c.keyboardPicture->setPicture(p.defaultLibrary.bitmap("BEIFENB14"));
    c.background->setPicture(p.defaultLibrary.bitmap("BEIFENB15"));
    loadKeyPictures(p, 2);
}

void applyFlatButtons(Program &p, int flag) {
    for (SpeedButton *button : p.controls.transportButtons())
        button->setFlat(flag != 0);
    p.settings.writeString(SettingsKeys::kFlatButtons, flag ? "1" : "0");
}

void applyPlainPictures(Program &p, int value) {
    MainWindowControls &c = p.controls;
    if (value == 1) {
        p.settings.writeString(SettingsKeys::kPlainPictures, "1");
        c.aboutPicture->clearPicture();
        c.controlPanel->clearPicture();
        c.aboutPicture->setToolTip(QStringLiteral("关于我们"));
    } else if (value == 0) {
        p.settings.writeString(SettingsKeys::kPlainPictures, "0");
        c.aboutPicture->setPicture(p.skinLibrary.bitmap("B37"));
        c.controlPanel->setPicture(p.skinLibrary.bitmap("B27"));
        c.aboutPicture->setToolTip(QString());
    }
}

void showModePictures(Program &p, bool recordMode) {
    MainWindowControls &c = p.controls;
    if (p.state.enlarged) {
        c.stopRecordButton->setGlyph(p.defaultLibrary.bitmap(recordMode ? "BEIFENB22" : "BEIFENB20"));
        c.modeSwitchButton->setGlyph(p.defaultLibrary.bitmap(recordMode ? "BEIFENB23" : "BEIFENB21"));
    } else if (recordMode) {
        c.modeSwitchButton->setGlyph(looseOrSkin(p, "262.bmp", "B36"));
        c.stopRecordButton->setGlyph(looseOrSkin(p, "261.bmp", "B35"));
    } else {
        c.stopRecordButton->setGlyph(looseOrSkin(p, "25.bmp", "B11"));
        c.modeSwitchButton->setGlyph(looseOrSkin(p, "26.bmp", "B12"));
    }
}

}  // namespace Skin
