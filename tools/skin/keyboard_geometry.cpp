#include "keyboard_geometry.h"

#include "layout_tables.h"

namespace keyboard_geometry {

// The tables are the on-screen keyboard's own, so a picture and the keys the program hits and lights
// can never disagree.
const std::array<int, kWhiteKeys> kWhiteSlots = piano::kWhiteKeySlots;
const std::array<int, kBlackKeys> kBlackLefts = piano::LayoutTables().blackKeyLeft;
const std::array<int, kBlackKeys> kBlackSlots = piano::kBlackKeySlots;
const std::array<int, kSlots> kDrawX = piano::LayoutTables().keyDrawPosition;

namespace {
constexpr std::array<KeyShape, 12> kShapeByPitchClass = {
    KeyShape::WhiteBlackRight, KeyShape::Black,           KeyShape::WhiteBetween, KeyShape::Black,
    KeyShape::WhiteBlackLeft,  KeyShape::WhiteBlackRight, KeyShape::Black,        KeyShape::WhiteBetween,
    KeyShape::Black,           KeyShape::WhiteBetween,    KeyShape::Black,        KeyShape::WhiteBlackLeft};
}  // namespace

KeyShape ShapeOfSlot(int slot) {
    return kShapeByPitchClass[(slot - 1) % 12];
}
bool IsBlack(int slot) {
    return ShapeOfSlot(slot) == KeyShape::Black;
}

int WhiteWidth(LayoutScale s) {
    return s(kWhiteWidth);
}
int BlackWidth(LayoutScale s) {
    return s(kBlackWidth);
}
int BlackHeight(LayoutScale s) {
    return s(kBlackHeight);
}
QSize KeyboardSize(LayoutScale s) {
    return {s(kWidth) + (s.enlarged ? 1 : 0), s(kHeight)};
}
int DrawX(LayoutScale s, int slot) {
    return s(kDrawX[slot - 1]);
}

int WhiteIndexOfSlot(int slot) {
    for (int i = 0; i < kWhiteKeys; ++i)
        if (kWhiteSlots[i] == slot) return i;
    return -1;
}

bool IsSeparator(LayoutScale s, int x) {
    const int w = WhiteWidth(s);
    return x >= 0 && x <= kWhiteKeys * w && x % w == 0;
}

// Black keys are drawn where their pictures go (the drawing positions), which centres each one on the
// boundary between two white keys.
int SlotAt(LayoutScale s, int x, int y) {
    if (y < 0 || y >= s(kHeight)) return 0;
    if (y < BlackHeight(s)) {
        for (int slot : kBlackSlots) {
            const int left = DrawX(s, slot);
            if (x >= left && x < left + BlackWidth(s)) return slot;
        }
    }
    const int w = WhiteWidth(s);
    if (x < 0 || x >= kWhiteKeys * w) return 0;
    return kWhiteSlots[x / w];
}

QRect PictureRect(LayoutScale s, int slot) {
    const int x = DrawX(s, slot);
    if (IsBlack(slot)) return {x, 0, BlackWidth(s), BlackHeight(s)};
    const int keyRight = (WhiteIndexOfSlot(slot) + 1) * WhiteWidth(s);  // next separator, excluded
    return {x, 0, keyRight - x, s(kHeight)};
}

int RepresentativeSlot(KeyShape shape) {
    switch (shape) {
        case KeyShape::WhiteBlackRight:
            return 13;
        case KeyShape::WhiteBetween:
            return 15;
        case KeyShape::WhiteBlackLeft:
            return 17;
        case KeyShape::Black:
            return 14;
    }
    return 13;
}

}  // namespace keyboard_geometry
