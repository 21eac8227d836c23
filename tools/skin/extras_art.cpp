#include "extras_art.h"

#include "palette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace extras_art {
namespace {

// A light, quiet background: dialog controls draw dark text over it. A faint stave with a few notes
// runs along the bottom right, well away from where the controls sit densest.
QImage DialogBackground(int width, int height) {
    QImage img(width, height, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, height);
    g.setColorAt(0, QColor(0xf3, 0xf6, 0xf3));
    g.setColorAt(1, QColor(0xdf, 0xe8, 0xe1));
    p.fillRect(img.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0x6a, 0x9a, 0x78, 38);
    const double top = height - 58, gap = 7, left = width * 0.35;
    p.setPen(QPen(ink, 1));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(left, top + i * gap), QPointF(width - 12, top + i * gap));
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    const double steps[] = {3.5, 2.5, 1.5, 2, 0.5, 1, 2.5, 3};
    for (int i = 0; i < 8; ++i) {
        const double x = left + 24 + i * (width - left - 48) / 8.0;
        const double y = top + steps[i] * gap;
        p.drawEllipse(QPointF(x, y), 4.2, 3.0);
        p.fillRect(QRectF(x + 3.2, y - 22, 1.3, 22), ink);
    }
    // A thin accent line along the top edge.
    p.fillRect(QRect(0, 0, width, 2), QColor(0x5c, 0xd6, 0x8a, 150));
    return img;
}

}  // namespace

QImage SettingsDialogBackground() {
    return DialogBackground(420, 360);
}
QImage FunctionDialogBackground() {
    return DialogBackground(490, 340);
}

QImage FlatButtonsFlag() {
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(palette::kButtonBed);
    return img;
}

}  // namespace extras_art
