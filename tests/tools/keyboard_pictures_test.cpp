#include "keyboard_geometry.h"
#include "shipped_images.h"

#include <gtest/gtest.h>

namespace kg = keyboard_geometry;

namespace {

struct LayoutPictures {
    const char *label;
    LayoutScale scale;
    QImage keyboard;
    QImage lit[4], unlit[4];
};

LayoutPictures Load(bool enlarged) {
    LayoutPictures p{enlarged ? "enlarged" : "normal", enlarged ? kEnlarged : kNormal, {}, {}, {}};
    p.keyboard = DefaultImage(enlarged ? "BEIFENB14" : "BEIFENB13").convertToFormat(QImage::Format_RGB32);
    for (int shape = 0; shape < 4; ++shape) {
        p.lit[shape] = (enlarged ? DefaultImage(QString("BEIFENB%1").arg(5 + shape))
                                 : SkinImage(QString("B%1").arg(1 + shape)))
                           .convertToFormat(QImage::Format_RGB32);
        p.unlit[shape] = DefaultImage(QString("BEIFENB%1").arg((enlarged ? 9 : 1) + shape))
                             .convertToFormat(QImage::Format_RGB32);
    }
    return p;
}

QImage Paste(const QImage &keyboard, const QImage &picture, int x) {
    QImage out = keyboard.copy();
    for (int y = 0; y < picture.height() && y < out.height(); ++y)
        for (int dx = 0; dx < picture.width() && x + dx < out.width(); ++dx)
            out.setPixel(x + dx, y, picture.pixel(dx, y));
    return out;
}

int Luma(QRgb c) {
    return (qRed(c) * 3 + qGreen(c) * 6 + qBlue(c)) / 10;
}

}  // namespace

class KeyboardPictures : public ::testing::TestWithParam<bool> {};

TEST_P(KeyboardPictures, KeyboardHasTheLayoutsSizeAndKeysWhereTheHitTestFindsThem) {
    const LayoutPictures p = Load(GetParam());
    const LayoutScale s = p.scale;
    ASSERT_EQ(p.keyboard.size(), kg::KeyboardSize(s)) << p.label;
    const int whiteW = kg::WhiteWidth(s), blackH = kg::BlackHeight(s);
    // Every white key is light below the black keys, with a dark separator at its left edge.
    for (int i = 0; i < kg::kWhiteKeys; ++i) {
        EXPECT_GT(Luma(p.keyboard.pixel(i * whiteW + whiteW / 2, blackH + 10)), 180)
            << p.label << " white key " << i;
        EXPECT_LT(Luma(p.keyboard.pixel(i * whiteW, blackH + 10)), 100) << p.label << " separator " << i;
    }
    EXPECT_LT(Luma(p.keyboard.pixel(kg::kWhiteKeys * whiteW, blackH + 10)), 100) << p.label << " right edge";
    // Every black key is dark at the middle of the box the hit test gives it, and ends at the black height.
    for (int j = 0; j < kg::kBlackKeys; ++j) {
        const int x = s(kg::kBlackLefts[j]) + kg::BlackWidth(s) / 2;
        EXPECT_LT(Luma(p.keyboard.pixel(x, blackH / 2)), 90) << p.label << " black key " << j;
        EXPECT_GT(Luma(p.keyboard.pixel(x - 2, blackH + 10)), 180) << p.label << " below black key " << j;
        EXPECT_EQ(kg::SlotAt(s, x, blackH / 2), kg::kBlackSlots[j]);
    }
}

TEST_P(KeyboardPictures, EachLitPictureLightsExactlyItsOwnKeyAndUnlitPicturesRestoreTheKeyboard) {
    const LayoutPictures p = Load(GetParam());
    const LayoutScale s = p.scale;
    for (int slot = 1; slot <= kg::kSlots; ++slot) {
        const int shape = int(kg::ShapeOfSlot(slot)) - 1;
        const int x = kg::DrawX(s, slot);
        ASSERT_EQ(p.lit[shape].size(), kg::PictureRect(s, slot).size()) << p.label << " slot " << slot;

        EXPECT_EQ(Paste(p.keyboard, p.unlit[shape], x), p.keyboard) << p.label << " unlit slot " << slot;

        const QImage lit = Paste(p.keyboard, p.lit[shape], x);
        int changed = 0, keyPixels = 0;
        for (int py = 0; py < lit.height(); ++py)
            for (int px = 0; px < lit.width(); ++px) {
                const bool own = kg::SlotAt(s, px, py) == slot;
                keyPixels += own;
                if (lit.pixel(px, py) != p.keyboard.pixel(px, py)) {
                    ++changed;
                    ASSERT_TRUE(own) << p.label << " slot " << slot << " changes pixel " << px << "," << py;
                }
            }
        EXPECT_GT(changed, keyPixels * 3 / 4) << p.label << " slot " << slot << " is barely lit";
    }
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, KeyboardPictures, ::testing::Values(false, true));
