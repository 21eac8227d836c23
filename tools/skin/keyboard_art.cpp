#include "keyboard_art.h"

#include <algorithm>

namespace keyboard_art {
namespace kg = keyboard_geometry;

namespace {

QColor Mix(const QColor &a, const QColor &b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

QColor Shade(const QColor &c, int delta) {
    auto ch = [delta](int v) { return std::clamp(v + delta, 0, 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()));
}

struct Rows {
    int felt, height, blackHeight, lip, blackBevel;
};

Rows RowsOf(LayoutScale s) {
    return {s.thick(2), s(kg::kHeight), kg::BlackHeight(s), s.thick(4), s.thick(6)};
}

QColor Felt(int y, const Rows &r) {
    return y + 1 == r.felt ? QColor(0x2a, 0x0c, 0x10) : QColor(0x6a, 0x1c, 0x24);
}

QColor WhiteKey(LayoutScale s, int u, int y, bool underBlack, bool lit, const Rows &r) {
    const int w = kg::WhiteWidth(s);
    const QColor top = lit ? QColor(0xa8, 0xec, 0xc0) : QColor(0xe4, 0xe4, 0xde);
    const QColor body = lit ? QColor(0x74, 0xda, 0x98) : QColor(0xfb, 0xfb, 0xf6);
    const int lipTop = r.height - r.lip;
    QColor c;
    if (y >= lipTop) {
        // The rounded front edge of the key.
        if (y == lipTop)
            c = lit ? QColor(0x4f, 0xb0, 0x74) : QColor(0xc4, 0xc4, 0xbc);
        else if (y + 1 == r.height)
            c = lit ? QColor(0x2c, 0x6e, 0x46) : QColor(0x8e, 0x8e, 0x88);
        else
            c = Mix(lit ? QColor(0x86, 0xe0, 0xa6) : QColor(0xe8, 0xe8, 0xe2),
                    lit ? QColor(0x5a, 0xbc, 0x80) : QColor(0xcc, 0xcc, 0xc5),
                    double(y - lipTop) / std::max(1, r.lip - 1));
    } else {
        c = Mix(top, body, double(y - r.felt) / (r.height * 0.55));
    }
    if (u == 1) c = Shade(c, 10);
    if (u == w - 1) c = Shade(c, -16);
    // Soft shadow that a black key casts on the white keys below it.
    if (underBlack && y >= r.blackHeight && y < r.blackHeight + s.thick(3))
        c = Shade(c, -(26 - 8 * (y - r.blackHeight)));
    return c;
}

QColor BlackKey(LayoutScale s, int u, int y, bool lit, const Rows &r) {
    const int w = kg::BlackWidth(s);
    const int bevelTop = r.blackHeight - r.blackBevel;
    QColor c;
    if (y + 1 == r.blackHeight) {
        c = QColor(0x04, 0x04, 0x05);
    } else if (y >= bevelTop) {
        // The sloped front of the key catches the light.
        c = Mix(lit ? QColor(0x4e, 0xd0, 0x86) : QColor(0x50, 0x54, 0x5c),
                lit ? QColor(0x2a, 0x94, 0x58) : QColor(0x30, 0x33, 0x38),
                double(y - bevelTop) / r.blackBevel);
    } else {
        c = Mix(lit ? QColor(0x17, 0x5e, 0x38) : QColor(0x15, 0x16, 0x19),
                lit ? QColor(0x26, 0x8c, 0x52) : QColor(0x26, 0x28, 0x2d), double(y - r.felt) / bevelTop);
    }
    if (u == 0) c = Shade(c, 28);
    if (u == w - 1) c = Shade(c, -18);
    return c;
}

}  // namespace

QImage RenderKeyboard(LayoutScale s, int litSlot) {
    const QSize size = kg::KeyboardSize(s);
    QImage img(size, QImage::Format_RGB32);
    const Rows r = RowsOf(s);
    const QColor separator(0x3c, 0x3f, 0x44);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            QColor c;
            const int slot = kg::SlotAt(s, x, y);
            if (y < r.felt)
                c = Felt(y, r);
            else if (slot == 0 || (!kg::IsBlack(slot) && kg::IsSeparator(s, x)))
                c = separator;
            else if (kg::IsBlack(slot))
                c = BlackKey(s, x - kg::DrawX(s, slot), y, slot == litSlot, r);
            else {
                const int u = x % kg::WhiteWidth(s);
                const int above = kg::SlotAt(s, x, r.blackHeight - 1);
                c = WhiteKey(s, u, y, kg::IsBlack(above), slot == litSlot, r);
            }
            img.setPixel(x, y, c.rgb());
        }
    }
    return img;
}

QImage KeyPicture(LayoutScale s, kg::KeyShape shape, bool lit) {
    const int slot = kg::RepresentativeSlot(shape);
    return RenderKeyboard(s, lit ? slot : 0).copy(kg::PictureRect(s, slot));
}

}  // namespace keyboard_art
