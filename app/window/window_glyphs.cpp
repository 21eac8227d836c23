#include "window_glyphs.h"

#include <QPainter>
#include <QPolygon>
#include <functional>

namespace WindowGlyphs {
namespace {

constexpr int kStates = 3;

// Draws `symbol` three times (up, disabled, down) on a dark rounded face of the given size.
QPixmap threeStates(int width, int height, const std::function<void(QPainter &, const QColor &)> &symbol) {
    QPixmap glyph(width * kStates, height);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    const QColor faces[kStates] = {QColor(58, 62, 70), QColor(58, 62, 70), QColor(30, 32, 36)};
    const QColor inks[kStates] = {QColor(225, 230, 235), QColor(110, 112, 118), QColor(120, 220, 140)};
    for (int state = 0; state < kStates; ++state) {
        painter.save();
        painter.translate(state * width, 0);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(0, 0, width, height, faces[state]);
        symbol(painter, inks[state]);
        painter.restore();
    }
    return glyph;
}

}  // namespace

QPixmap windowGlyph(Window kind) {
    return threeStates(14, 14, [kind](QPainter &p, const QColor &ink) {
        p.setPen(QPen(ink, 1));
        switch (kind) {
            case Window::Hide:
                p.drawLine(4, 10, 9, 10);
                p.drawLine(4, 9, 9, 9);
                break;
            case Window::Resize:
                p.drawRect(3, 3, 7, 7);
                p.drawLine(3, 4, 10, 4);
                break;
            case Window::Close:
                p.drawLine(4, 4, 9, 9);
                p.drawLine(4, 9, 9, 4);
                p.drawLine(5, 4, 9, 8);
                p.drawLine(4, 8, 8, 4);
                break;
        }
    });
}

QPixmap stepGlyph(Step kind) {
    return threeStates(13, 14, [kind](QPainter &p, const QColor &ink) {
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        auto leftTriangle = [&p](int x) {
            p.drawPolygon(QPolygon({QPoint(x, 7), QPoint(x + 4, 3), QPoint(x + 4, 11)}));
        };
        auto rightTriangle = [&p](int x) {
            p.drawPolygon(QPolygon({QPoint(x + 4, 7), QPoint(x, 3), QPoint(x, 11)}));
        };
        switch (kind) {
            case Step::PositionBack:
                leftTriangle(2);
                leftTriangle(6);
                break;
            case Step::PreviousSong:
                p.drawRect(3, 3, 1, 8);
                leftTriangle(5);
                break;
            case Step::NextSong:
                rightTriangle(4);
                p.drawRect(9, 3, 1, 8);
                break;
            case Step::PositionForward:
                rightTriangle(2);
                rightTriangle(6);
                break;
        }
    });
}

}  // namespace WindowGlyphs
