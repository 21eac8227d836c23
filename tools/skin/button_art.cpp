#include "button_art.h"

#include "palette.h"
#include "pixel_font.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace button_art {
namespace {

enum class State { Up, Disabled, Down };

bool IsTransport(Glyph g) {
    return g <= Glyph::Open;
}
bool IsPanelMode(Glyph g) {
    return g >= Glyph::PanelVoices;
}

void DrawFace(QPainter &p, const QRectF &r, State state, LayoutScale s) {
    const double radius = s.real(3);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    switch (state) {
        case State::Up:
            fill.setColorAt(0, QColor(0x44, 0x4a, 0x53));
            fill.setColorAt(1, QColor(0x27, 0x2b, 0x31));
            break;
        case State::Disabled:
            fill.setColorAt(0, QColor(0x2e, 0x32, 0x38));
            fill.setColorAt(1, QColor(0x25, 0x28, 0x2d));
            break;
        case State::Down:
            fill.setColorAt(0, QColor(0x17, 0x19, 0x1d));
            fill.setColorAt(1, QColor(0x2b, 0x2f, 0x35));
            break;
    }
    const QRectF face = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(palette::kSectionEdgeDark, 1));
    p.setBrush(fill);
    p.drawRoundedRect(face, radius, radius);
    if (state != State::Down) {
        // A thin highlight along the top edge makes the key look raised.
        p.setPen(QPen(QColor(255, 255, 255, state == State::Up ? 46 : 18), 1));
        p.drawLine(QPointF(face.left() + radius, face.top() + 1),
                   QPointF(face.right() - radius, face.top() + 1));
    }
}

QColor GlyphColour(Glyph g, State state) {
    if (state == State::Disabled) return palette::kGlyphDisabled;
    if (g == Glyph::Record || g == Glyph::RecordMode)
        return state == State::Down ? QColor(0xff, 0x6b, 0x70) : palette::kRecord;
    if (g == Glyph::Play) return palette::kAccent;
    return state == State::Down ? palette::kAccent : palette::kGlyph;
}

// Transport glyphs are drawn in a 16 x 16 box centred on the origin.
void DrawTransportGlyph(QPainter &p, Glyph g, const QColor &c) {
    QPen line(c, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setBrush(Qt::NoBrush);
    p.setPen(line);
    switch (g) {
        case Glyph::Play: {
            QPainterPath tri;
            tri.moveTo(-4, -6);
            tri.lineTo(6, 0);
            tri.lineTo(-4, 6);
            tri.closeSubpath();
            p.setPen(QPen(c, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(c);
            p.drawPath(tri);
            break;
        }
        case Glyph::Pause:
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawRoundedRect(QRectF(-5, -6, 3.6, 12), 0.8, 0.8);
            p.drawRoundedRect(QRectF(1.4, -6, 3.6, 12), 0.8, 0.8);
            break;
        case Glyph::Stop:
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawRoundedRect(QRectF(-5, -5, 10, 10), 1.2, 1.2);
            break;
        case Glyph::Record:
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(QPointF(0, 0), 5.6, 5.6);
            break;
        case Glyph::NewBuffer: {
            QPainterPath page;
            page.moveTo(-5, -7);
            page.lineTo(2, -7);
            page.lineTo(5, -4);
            page.lineTo(5, 7);
            page.lineTo(-5, 7);
            page.closeSubpath();
            p.setPen(QPen(c, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(page);
            p.drawLine(QPointF(2, -7), QPointF(2, -4));
            p.drawLine(QPointF(2, -4), QPointF(5, -4));
            p.setPen(QPen(palette::kAccent, 1.7, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(0, -1), QPointF(0, 5));
            p.drawLine(QPointF(-3, 2), QPointF(3, 2));
            break;
        }
        case Glyph::Save:
            p.drawLine(QPointF(0, -7), QPointF(0, 2.5));
            p.drawPolyline(QPolygonF({QPointF(-3.6, -1), QPointF(0, 2.6), QPointF(3.6, -1)}));
            p.drawPolyline(
                QPolygonF({QPointF(-6.5, 2), QPointF(-6.5, 6.5), QPointF(6.5, 6.5), QPointF(6.5, 2)}));
            break;
        case Glyph::Open: {
            QPainterPath folder;
            folder.moveTo(-7, 6);
            folder.lineTo(-7, -5);
            folder.lineTo(-2.5, -5);
            folder.lineTo(-1, -3);
            folder.lineTo(5, -3);
            folder.lineTo(5, -0.5);
            p.setPen(QPen(c, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(folder);
            QPainterPath flap;
            flap.moveTo(-7, 6);
            flap.lineTo(-4.5, -0.5);
            flap.lineTo(7.5, -0.5);
            flap.lineTo(5, 6);
            flap.closeSubpath();
            QColor f = c;
            f.setAlpha(90);
            p.setBrush(f);
            p.drawPath(flap);
            break;
        }
        case Glyph::SongMode: {
            // An eighth note: the transport is in song mode.
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.save();
            p.translate(-2, 4.2);
            p.rotate(-20);
            p.drawEllipse(QPointF(0, 0), 3.0, 2.2);
            p.restore();
            p.setPen(QPen(c, 1.4, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(0.6, 3.8), QPointF(0.6, -7));
            p.setPen(QPen(c, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            QPainterPath flag;
            flag.moveTo(0.6, -7);
            flag.cubicTo(1.5, -4, 5.5, -4, 4.5, 0.5);
            p.setBrush(Qt::NoBrush);
            p.drawPath(flag);
            break;
        }
        case Glyph::RecordMode: {
            // A microphone: the transport is in record mode.
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawRoundedRect(QRectF(-2.6, -7.5, 5.2, 9), 2.6, 2.6);
            p.setPen(QPen(c, 1.3, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(-5, -4, 10, 8.5), 200 * 16, 140 * 16);
            p.drawLine(QPointF(0, 4.5), QPointF(0, 7));
            p.drawLine(QPointF(-3, 7), QPointF(3, 7));
            break;
        }
        default:
            break;
    }
}

// Panel-mode glyphs are drawn in a 16 x 12 box centred on the origin.
void DrawPanelGlyph(QPainter &p, Glyph g, const QColor &c) {
    switch (g) {
        case Glyph::PanelVoices: {
            // Three white keys and two black ones: voices and ranges of the keyboard areas.
            p.setPen(QPen(c, 1));
            p.setBrush(Qt::NoBrush);
            for (int i = 0; i < 3; ++i)
                p.drawRect(QRectF(-7.5 + i * 5, -5.5, 5, 11));
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawRect(QRectF(-4, -5.5, 3, 6.5));
            p.drawRect(QRectF(1, -5.5, 3, 6.5));
            break;
        }
        case Glyph::PanelEffects: {
            // Sparkles: the effects added to every note.
            auto star = [&p](QPointF centre, double outer, double inner) {
                QPainterPath path;
                for (int i = 0; i < 8; ++i) {
                    const double r = i % 2 ? inner : outer;
                    const double a = i * M_PI / 4 - M_PI / 2;
                    const QPointF pt = centre + QPointF(r * std::cos(a), r * std::sin(a));
                    i == 0 ? path.moveTo(pt) : path.lineTo(pt);
                }
                path.closeSubpath();
                p.drawPath(path);
            };
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            star(QPointF(-1.5, 1.0), 5.6, 1.5);
            star(QPointF(4.6, -3.6), 2.6, 0.8);
            break;
        }
        case Glyph::PanelAccompaniment: {
            // A drum with two sticks.
            p.setPen(QPen(c, 1.1));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QRectF(-6, -2.5, 12, 4));
            p.drawLine(QPointF(-6, -0.5), QPointF(-6, 4));
            p.drawLine(QPointF(6, -0.5), QPointF(6, 4));
            p.drawArc(QRectF(-6, 2, 12, 4), 180 * 16, 180 * 16);
            p.setPen(QPen(c, 1.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(-5, -6.5), QPointF(-1, -1.5));
            p.drawLine(QPointF(5, -6.5), QPointF(1, -1.5));
            break;
        }
        default:
            break;
    }
}

void DrawControllerGlyph(QImage &img, QPainter &p, const QRect &face, int number, const QColor &c,
                         LayoutScale s) {
    // A small knob and the button's number.
    const int scale = s.enlarged ? 2 : 1;
    const double r = s.real(3.2);
    const QPointF knob(face.left() + s.real(8), face.center().y() + 0.5);
    p.setPen(QPen(c, s.real(1.1)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(knob, r, r);
    p.drawLine(knob, knob + QPointF(r * 0.55, -r * 0.75));
    p.end();
    const std::string digit(1, char('0' + number));
    const int h = pixel_font::TextHeight(pixel_font::Size::Medium5x7, scale);
    pixel_font::DrawText(img, QPoint(face.left() + s(16), face.top() + (face.height() - h) / 2), digit,
                         pixel_font::Size::Medium5x7, c, scale);
}

}  // namespace

QSize FaceSize(Glyph glyph, LayoutScale s) {
    return IsTransport(glyph) ? QSize(s(28), s(22)) : QSize(s(27), s(15));
}

QRect ModeLedRect(LayoutScale s) {
    // The mode marker sits 21 pixels into the mode button and 3 down, 5 x 8 (stretched when enlarged).
    return QRect(s(113) - s(92), s(81) - s(78), s(5), s(8));
}

QImage Strip(Glyph glyph, LayoutScale s) {
    const QSize face = FaceSize(glyph, s);
    QImage img(face.width() * 3, face.height(), QImage::Format_RGB32);
    img.fill(palette::kButtonBed);
    const State states[] = {State::Up, State::Disabled, State::Down};
    for (int i = 0; i < 3; ++i) {
        const QRect r(i * face.width(), 0, face.width(), face.height());
        const State state = states[i];
        const QColor c = GlyphColour(glyph, state);
        const double press = state == State::Down ? s.real(1) : 0;
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        DrawFace(p, r, state, s);
        if (IsTransport(glyph)) {
            p.translate(r.center().x() + 0.5 + press, r.center().y() + 0.5 + press);
            const double k = (face.height() - s.real(8)) / 16.0;
            p.scale(k, k);
            DrawTransportGlyph(p, glyph, c);
        } else if (IsPanelMode(glyph)) {
            const QRect ownLed = ModeLedRect(s);
            const QRect led = ownLed.translated(r.topLeft());
            p.save();
            p.translate(r.left() + ownLed.left() / 2.0 + 0.5 + press, r.center().y() + 0.5 + press);
            const double k = (face.height() - s.real(3)) / 12.0;
            p.scale(k, k);
            DrawPanelGlyph(p, glyph, c);
            p.restore();
            // The socket the mode marker lights up.
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(Qt::NoPen);
            p.setBrush(palette::kLedRim);
            p.drawRect(led);
            p.setBrush(palette::kLedOff);
            p.drawRect(led.adjusted(1, 1, -1, -1));
        } else {
            const int number = int(glyph) - int(Glyph::Controller1) + 1;
            DrawControllerGlyph(img, p, r.translated(int(press), int(press)), number, c, s);
        }
    }
    return img;
}

}  // namespace button_art
