#include "panel_art.h"

#include "layout_tables.h"
#include "palette.h"
#include "pixel_font.h"

#include <QLinearGradient>
#include <QPainter>
#include <array>
#include <string>

namespace panel_art {
namespace {

void DrawLamp(QPainter &p, const QRect &r, const QColor &light, bool lit) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kLedRim);
    p.drawRect(r);
    const QRect inner = r.adjusted(1, 1, -1, -1);
    if (!lit) {
        p.setBrush(palette::kLedOff);
        p.drawRect(inner);
        return;
    }
    QLinearGradient g(inner.topLeft(), inner.bottomLeft());
    g.setColorAt(0, light.lighter(150));
    g.setColorAt(1, light);
    p.setBrush(g);
    p.drawRect(inner);
}

}  // namespace

QRect MarkerRect(LayoutScale s, int cell) {
    // The marker's places are the program's own panel tables.
    const piano::LayoutTables tables;
    const int left = tables.values[piano::kPanelMarkerLeft0 + cell % 6];
    const int top = tables[cell / 6 == 0 ? piano::kPanelMarkerTopRow1 : piano::kPanelMarkerTopRow2];
    return QRect(s(left) - s(kPanelLeft), s(top) - s(kPanelTop), s(5), s(8));
}

void DrawControlPanel(QImage &target, QPoint origin, LayoutScale s) {
    QPainter p(&target);
    p.translate(origin);
    const int width = s(kPanelWidth), height = s(kPanelHeight);
    const int cellW = s(18), cellH = s(12);
    p.fillRect(0, 0, width, height, QColor(0x0c, 0x0d, 0x10));
    const int scale = s.enlarged ? 2 : 1;
    for (int cell = 0; cell < 12; ++cell) {
        const int row = cell / 6, col = cell % 6;
        const int top = row * cellH;
        const int bottom = row == 0 ? cellH - 2 : height - 1;  // a one-pixel gap between the rows
        const QRect face(col * cellW + 1, top, cellW - 1, bottom - top + 1);
        QLinearGradient g(face.topLeft(), face.bottomLeft());
        g.setColorAt(0, QColor(0x3b, 0x41, 0x49));
        g.setColorAt(1, QColor(0x25, 0x29, 0x2f));
        p.fillRect(face, g);
        p.fillRect(QRect(face.left(), face.top(), face.width(), 1), QColor(0x4c, 0x53, 0x5c));
        const QRect led = MarkerRect(s, cell);
        p.fillRect(led, palette::kLedRim);
        p.fillRect(led.adjusted(1, 1, -1, -1), palette::kLedOff);
        // The cell's panel number, centred in the room left of its lamp.
        p.end();
        const std::string label = std::to_string(cell + 1);
        const int tw = pixel_font::TextWidth(label, pixel_font::Size::Small3x5, scale);
        const int th = pixel_font::TextHeight(pixel_font::Size::Small3x5, scale);
        const int roomLeft = face.left() + 1, roomRight = led.left() - 1;
        const QPoint at(origin.x() + roomLeft + (roomRight - roomLeft - tw + 1) / 2,
                        origin.y() + face.top() + (face.height() - th + 1) / 2);
        pixel_font::DrawText(target, at, label, pixel_font::Size::Small3x5, QColor(0xd5, 0xdc, 0xe3), scale);
        p.begin(&target);
        p.translate(origin);
    }
}

QImage ControlPanel(LayoutScale s) {
    QImage img(s(kPanelWidth), s(kPanelHeight), QImage::Format_RGB32);
    DrawControlPanel(img, QPoint(0, 0), s);
    return img;
}

QImage Marker() {
    QImage img(5, 8, QImage::Format_RGB32);
    QPainter p(&img);
    DrawLamp(p, img.rect(), palette::kAccent, true);
    return img;
}

QImage BeatLamp(Lamp lamp, LayoutScale s) {
    QImage img(s.enlarged ? QSize(13, 10) : QSize(7, 5), QImage::Format_RGB32);
    QPainter p(&img);
    // The first beat of the bar shows amber, the others green.
    const QColor light = lamp == Lamp::Beat1 ? palette::kAmber : palette::kAccent;
    DrawLamp(p, img.rect(), light, lamp != Lamp::Dark);
    return img;
}

QImage VerticalThumb() {
    QImage img(11, 14, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 14);
    g.setColorAt(0, QColor(0xd9, 0xdd, 0xe2));
    g.setColorAt(0.5, QColor(0x9a, 0xa0, 0xa8));
    g.setColorAt(1, QColor(0x6c, 0x72, 0x7a));
    p.fillRect(img.rect(), g);
    p.setPen(QColor(0x1a, 0x1c, 0x20));
    p.drawRect(0, 0, 10, 13);
    p.setPen(QColor(0xf4, 0xf6, 0xf8));
    p.drawLine(1, 1, 9, 1);
    // Grip line across the middle.
    p.setPen(palette::kAccentDark);
    p.drawLine(2, 6, 8, 6);
    p.setPen(palette::kAccent);
    p.drawLine(2, 7, 8, 7);
    return img;
}

QImage HorizontalThumb() {
    QImage img(15, 11, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 15, 0);
    g.setColorAt(0, QColor(0xd9, 0xdd, 0xe2));
    g.setColorAt(0.5, QColor(0x9a, 0xa0, 0xa8));
    g.setColorAt(1, QColor(0x6c, 0x72, 0x7a));
    p.fillRect(img.rect(), g);
    p.setPen(QColor(0x1a, 0x1c, 0x20));
    p.drawRect(0, 0, 14, 10);
    p.setPen(QColor(0xf4, 0xf6, 0xf8));
    p.drawLine(1, 1, 1, 9);
    p.setPen(palette::kAccentDark);
    p.drawLine(7, 2, 7, 8);
    p.setPen(palette::kAccent);
    p.drawLine(8, 2, 8, 8);
    return img;
}

}  // namespace panel_art
