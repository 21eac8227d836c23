#include "background_art.h"

#include "button_art.h"
#include "keyboard_art.h"
#include "palette.h"
#include "panel_art.h"
#include "pixel_font.h"
#include "window_design.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace background_art {
namespace {

namespace design = piano::design;
constexpr QRect kAboutRect = design::kAboutPicture;

struct Painter {
    QImage &img;
    LayoutScale s;
    QPainter p{&img};

    QRect R(int l, int t, int w, int h) const { return s.rect(l, t, w, h); }

    // A raised section of the body: a soft bevel around a flat face.
    void Section(int l, int t, int w, int h) {
        const QRect r = R(l, t, w, h);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(0x29, 0x2d, 0x33));
        g.setColorAt(1, QColor(0x1f, 0x22, 0x27));
        p.setPen(QPen(palette::kSectionEdgeDark, 1));
        p.setBrush(g);
        const double radius = s.real(4);
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        p.setPen(QPen(QColor(255, 255, 255, 30), 1));
        p.drawLine(QPointF(r.left() + radius, r.top() + 1.5), QPointF(r.right() - radius, r.top() + 1.5));
        p.setRenderHint(QPainter::Antialiasing, false);
    }

    // A flat recess that controls sit in (buttons draw their own faces over it).
    void Bed(int l, int t, int w, int h, const QColor &c = palette::kButtonBed) {
        const QRect r = R(l, t, w, h);
        p.fillRect(r, c);
    }

    // A sunken slot: darker rim, inner shadow on the top and left edges.
    void Slot(int l, int t, int w, int h) {
        const QRect r = R(l, t, w, h).adjusted(-1, -1, 1, 1);
        p.fillRect(r, QColor(0x08, 0x09, 0x0b));
        p.fillRect(r.adjusted(1, 1, -1, -1), QColor(0x12, 0x14, 0x17));
        p.fillRect(QRect(r.left() + 1, r.top() + 1, r.width() - 2, 1), QColor(0x04, 0x05, 0x06));
        p.fillRect(QRect(r.left(), r.bottom() + 1, r.width(), 1), QColor(0x3a, 0x3f, 0x47));
    }

    // Labels: a crisp pixel font in the normal layout; in the enlarged one, where the pixel font would
    // have to double, a small outline font of the same height instead.
    void SmallLabel(int centreX, int top, const char *text, const QColor &c = palette::kLabel) {
        if (s.enlarged) {
            Text(QRect(s(centreX) - 40, s(top) - 1, 80, 10), text, 9, c, Qt::AlignHCenter | Qt::AlignTop,
                 false, 0.6);
            return;
        }
        const int w = pixel_font::TextWidth(text, pixel_font::Size::Small3x5);
        p.end();
        pixel_font::DrawText(img, QPoint(centreX - w / 2, top), text, pixel_font::Size::Small3x5, c);
        p.begin(&img);
    }

    void Text(const QRect &r, const QString &text, int pixelSize, const QColor &c, int flags,
              bool bold = false, double spacing = 0) {
        QFont f("WenQuanYi Micro Hei");
        f.setPixelSize(pixelSize);
        f.setBold(bold);
        f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        f.setHintingPreference(QFont::PreferFullHinting);
        p.setFont(f);
        p.setPen(c);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.drawText(r, flags, text);
    }
};

void DrawBody(Painter &d) {
    QLinearGradient g(0, 0, 0, d.img.height());
    g.setColorAt(0, palette::kBodyTop);
    g.setColorAt(1, palette::kBodyBottom);
    d.p.fillRect(d.img.rect(), g);
    // Fine brushed texture: faint horizontal lines every other row.
    for (int y = 0; y < d.img.height(); y += 2)
        d.p.fillRect(0, y, d.img.width(), 1, QColor(255, 255, 255, 5));
    // The top strip the window is dragged by.
    const QRect strip = d.R(0, 0, 450, 20);
    d.p.fillRect(strip, QColor(0x13, 0x15, 0x18));
    d.p.fillRect(QRect(0, strip.bottom(), strip.width(), 1), QColor(0x3a, 0x3f, 0x47));
    d.p.fillRect(QRect(0, 0, d.img.width(), 1), QColor(0x4a, 0x50, 0x58));
    // Outer frame of the window.
    d.p.setPen(QColor(0x05, 0x06, 0x07));
    d.p.drawRect(d.img.rect().adjusted(0, 0, -1, -1));
}

void DrawBrand(Painter &d) {
    // Power lamp and the name.
    d.p.setRenderHint(QPainter::Antialiasing);
    d.p.setPen(Qt::NoPen);
    d.p.setBrush(QColor(0x5c, 0xd6, 0x8a, 70));
    d.p.drawEllipse(QPointF(d.s.real(13.5), d.s.real(10.5)), d.s.real(4), d.s.real(4));
    d.p.setBrush(palette::kAccent);
    d.p.drawEllipse(QPointF(d.s.real(13.5), d.s.real(10.5)), d.s.real(2.2), d.s.real(2.2));
    d.Text(d.R(22, 2, 120, 17), "SONVIRA", d.s.thick(11), QColor(0xd8, 0xdd, 0xe3),
           Qt::AlignLeft | Qt::AlignVCenter, true, d.s.real(1.6));
    d.Text(d.R(92, 2, 120, 17), "DIGITAL PIANO", d.s.thick(8), QColor(0x7d, 0x85, 0x8f),
           Qt::AlignLeft | Qt::AlignVCenter, false, d.s.real(1.2));
    // Recess for the three window buttons.
    d.Bed(393, 7, 46, 18);
}

void DrawControllerSection(Painter &d) {
    d.Section(5, 23, 118, 103);
    d.SmallLabel(64, 25, "CONTROLLERS");
    d.Slot(12, 31, 106, 8);  // the four controller gauges
    d.Bed(10, 40, 110, 17);  // controller buttons
    d.Slot(12, 61, 105, 9);  // value bar
    const std::array<const char *, 4> labels = {"VOL", "SNG", "ACC", "KEY"};
    for (int i = 0; i < 4; ++i) {
        const QRect track = design::VerticalSlider(i);
        d.SmallLabel(track.left() + 6, track.top() - 7, labels[i]);
        // Track with a centre groove and scale ticks beside it.
        d.Slot(track.left(), track.top(), track.width(), track.height());
        const QRect r = d.R(track.left(), track.top(), track.width(), track.height());
        d.p.fillRect(QRect(r.center().x(), r.top() + 2, d.s.thick(1) + 1, r.height() - 4),
                     QColor(0x02, 0x02, 0x03));
        for (int k = 0; k <= 4; ++k) {
            const int y = r.top() + d.s(2) + k * (r.height() - d.s(5)) / 4;
            d.p.fillRect(QRect(r.left() - d.s.thick(3), y, d.s.thick(2), 1), QColor(0x5a, 0x60, 0x68));
        }
    }
    d.Bed(90, 76, 31, 48);  // panel mode buttons, with room for their one-pixel shifts
}

void DrawDisplay(Painter &d) {
    // Bezel holding the display and the control panel below it.
    d.p.setRenderHint(QPainter::Antialiasing);
    const QRect bezel = d.R(126, 22, 116, 103);
    d.p.setPen(QPen(QColor(0x3a, 0x3f, 0x47), 1));
    d.p.setBrush(palette::kLcdBezel);
    d.p.drawRoundedRect(QRectF(bezel).adjusted(0.5, 0.5, -0.5, -0.5), d.s.real(4), d.s.real(4));
    d.p.setRenderHint(QPainter::Antialiasing, false);
    const QRect lcd = d.R(129, 24, 110, 71);
    QLinearGradient g(lcd.topLeft(), lcd.bottomLeft());
    g.setColorAt(0, palette::kLcdTop);
    g.setColorAt(1, palette::kLcdBottom);
    d.p.fillRect(lcd, g);
    // Inner shadow along the top and left edges of the glass.
    d.p.fillRect(QRect(lcd.left(), lcd.top(), lcd.width(), 1), QColor(0x5a, 0x80, 0x44));
    d.p.fillRect(QRect(lcd.left(), lcd.top() + 1, lcd.width(), 1), QColor(0x92, 0xbe, 0x72));
    d.p.fillRect(QRect(lcd.left(), lcd.top(), 1, lcd.height()), QColor(0x6c, 0x94, 0x52));
    // Brand line at the top of the display (the about picture is cut from here).
    const QRect about = d.s.rect(kAboutRect.x(), kAboutRect.y(), kAboutRect.width(), kAboutRect.height());
    d.Text(about.adjusted(d.s(2), 0, 0, 0), "SONVIRA", d.s.thick(11), palette::kLcdInk,
           Qt::AlignLeft | Qt::AlignVCenter, true, d.s.real(2.2));
    d.Text(about.adjusted(0, 0, -d.s(2), 0), "V2.20", d.s.thick(9), QColor(0x3d, 0x5e, 0x2c),
           Qt::AlignRight | Qt::AlignVCenter);
    d.p.fillRect(QRect(about.left(), about.bottom() + d.s(2), about.width(), 1), QColor(0x6e, 0x9c, 0x52));
    d.p.end();
    panel_art::DrawControlPanel(d.img, QPoint(d.s(panel_art::kPanelLeft), d.s(panel_art::kPanelTop)), d.s);
    d.p.begin(&d.img);
}

void DrawTransportSection(Painter &d) {
    d.Section(240, 23, 205, 103);
    d.Bed(241, 32, 198, 54);  // transport, position and caption buttons
    const QRect progress = design::kProgressPanel;
    d.Slot(progress.left(), progress.top(), progress.width(), progress.height());
    // Beat lamp sockets and their numbers.
    for (int i = 0; i < 4; ++i) {
        const char label[2] = {char('1' + i), 0};
        const int left = design::kBeatLampLefts[i], top = design::kBeatLampTop;
        d.SmallLabel(left + 4, top - 7, label);
        const QRect r = d.R(left, top, 8, 6).adjusted(-1, -1, 1, 1);
        d.p.fillRect(r, QColor(0x08, 0x09, 0x0b));
    }
    d.SmallLabel(266, 92, "BEAT");
    const std::array<const char *, 3> labels = {"TEMPO", "PITCH", "CTRL"};
    for (int i = 0; i < 3; ++i) {
        const QRect track = design::HorizontalSlider(i);
        d.SmallLabel(track.left() + 22, track.top() - 8, labels[i]);
        d.Slot(track.left(), track.top(), track.width(), track.height());
        const QRect r = d.R(track.left(), track.top(), track.width(), track.height());
        d.p.fillRect(QRect(r.left() + 2, r.center().y(), r.width() - 4, d.s.thick(1) + 1),
                     QColor(0x02, 0x02, 0x03));
    }
    // Speaker grille.
    d.p.setRenderHint(QPainter::Antialiasing);
    d.p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 34; ++col) {
            const QPointF c(d.s.real(302 + col * 4 + (row % 2) * 2), d.s.real(90 + row * 4));
            d.p.setBrush(QColor(0x0a, 0x0b, 0x0d));
            d.p.drawEllipse(c, d.s.real(1.1), d.s.real(1.1));
        }
    d.p.setRenderHint(QPainter::Antialiasing, false);
}

void DrawKeyboardBed(Painter &d) {
    const QRect bed = d.R(8, 127, 427, 81);
    d.p.fillRect(bed, QColor(0x06, 0x07, 0x08));
    d.p.fillRect(QRect(bed.left(), bed.bottom() + 1, bed.width(), 1), QColor(0x3a, 0x3f, 0x47));
    d.p.end();
    QPainter p(&d.img);
    p.drawImage(QPoint(d.s(design::kKeyboard.left()), d.s(design::kKeyboard.top())),
                keyboard_art::RenderKeyboard(d.s));
    p.end();
    d.p.begin(&d.img);
}

}  // namespace

QImage MainBackground(LayoutScale s) {
    QImage img(s(design::kWindow.width()), s(design::kWindow.height()), QImage::Format_RGB32);
    Painter d{img, s};
    DrawBody(d);
    DrawBrand(d);
    DrawControllerSection(d);
    DrawDisplay(d);
    DrawTransportSection(d);
    DrawKeyboardBed(d);
    return img;
}

QImage AboutPicture() {
    return MainBackground(kNormal).copy(kAboutRect);
}

}  // namespace background_art
