#include "display.h"

#include "program.h"

namespace DisplayLines {

namespace {

QString songStateText(int state) {
    switch (state) {
        case 1:
            return "P ";
        case 2:
            return "Pa ";
        case 3:
            return "S ";
        case 4:
            return "C ";
        default:
            return "W ";
    }
}

QString accompStateText(int state) {
    switch (state) {
        case 10:
            return "P ";
        case 11:
            return "Pa ";
        case 12:
            return "O ";
        default:
            return "W ";
    }
}

QString bufferStateText(int state) {
    switch (state) {
        case 7:
            return "Rec ";
        case 8:
            return "S ";
        case 9:
            return "Play ";
        default:
            return "W ";
    }
}

QString programModeText(int mode) {
    switch (mode) {
        case 5:
            return "ON ";
        case 6:
            return "OFF ";
        default:
            return QString();
    }
}

QString num(int value) {
    return QString::number(value);
}

void show(Program &p, const QString &line1, const QString &line2, const QString &line3) {
    setLines(p, line1, line2, line3);
    p.state.progressShown = false;
}

}  // namespace

void setLines(Program &p, const QString &line1, const QString &line2, const QString &line3) {
    p.controls.displayLine1->setText(line1);
    p.controls.displayLine2->setText(line2);
    p.controls.displayLine3->setText(line3);
}

QString idleLine(int line) {
    switch (line) {
        case 1:
            return QStringLiteral("Keyloom20");
        case 2:
            return QStringLiteral("Brenvik 出品");
        default:
            return QStringLiteral("2002-6-23 12：24");
    }
}

void renderStatus(Program &p, const QString &text) {
    const EngineBinding &e = p.engine;
    const QString line2 = "Y:" + songStateText(e.call(MDRV_GET_SONG_STATE)) +
                          "B:" + accompStateText(e.call(MDRV_GET_ACCOMP_STATE)) +
                          "REC:" + bufferStateText(e.call(MDRV_GET_BUFFER_STATE));
    const QString line3 = "YS:" + programModeText(e.call(MDRV_GET_PROGRAM_MODE)) +
                          "N:" + num(e.call(MDRV_GET_BEND) / 300) + " SD:" + num(e.call(MDRV_GET_SPEED));
    show(p, text, line2, line3);
}

void renderControllers(Program &p, const QString &text) {
    const piano::ButtonSettings b = p.hooks.liveSettings().buttons;
    auto pair = [&](int n) {
        return "B" + num(n) + ":" + num(b.controllerValues[n - 1]) + " " + num(p.hooks.buttonController(n));
    };
    show(p, text + num(b.controllerButton), pair(1) + " " + pair(2), pair(3) + " " + pair(4));
}

void renderPanel(Program &p, const QString &text) {
    const piano::ButtonSettings b = p.hooks.liveSettings().buttons;
    show(p, text + num(b.panelMode), "双击面板选择 " + num(b.panelCells[0]) + "   ",
         "效果:" + num(b.panelCells[1]) + "  伴奏:" + num(b.panelCells[2]) + " ");
}

void renderSliders(Program &p, const QString &text) {
    const piano::SliderThumbs t = p.hooks.liveSettings().sliders;
    const QString line2 = "Z:" + num(t[0]) + " Y:" + num(t[1]) + " B:" + num(t[2]) + " K:" + num(t[3]);
    const QString line3 = "S:" + num(t[4]) + " T:" + num(t[5]) + " C:" + num(t[6]) + "  ";
    show(p, text + "[请拖动]", line2, line3);
}

void renderIdle(Program &p, const QString &) {
    show(p, idleLine(1), idleLine(2), idleLine(3));
}

}  // namespace DisplayLines
