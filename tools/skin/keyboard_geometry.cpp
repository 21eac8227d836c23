#include "keyboard_geometry.h"

namespace keyboard_geometry {

const std::array<int, kWhiteKeys> kWhiteSlots = {1,  3,  5,  6,  8,  10, 12, 13, 15, 17, 18, 20,
                                                 22, 24, 25, 27, 29, 30, 32, 34, 36, 37, 39, 41,
                                                 42, 44, 46, 48, 49, 51, 53, 54, 56, 58, 60};

const std::array<int, kBlackKeys> kBlackLefts = {8,   20,  45,  57,  69,  92,  104, 129, 141,
                                                 153, 176, 187, 213, 225, 237, 260, 272, 297,
                                                 309, 321, 344, 356, 381, 393, 405};

const std::array<int, kBlackKeys> kBlackSlots = {2,  4,  7,  9,  11, 14, 16, 19, 21, 23, 26, 28, 31,
                                                 33, 35, 38, 40, 43, 45, 47, 50, 52, 55, 57, 59};

const std::array<int, kSlots> kDrawX = {
    1,   8,   13,  20,  25,  37,  44,  49,  56,  61,  68,  73,  85,  92,  97,  104, 109, 121, 128, 133,
    140, 145, 152, 157, 169, 176, 181, 188, 193, 205, 212, 217, 224, 229, 236, 241, 253, 260, 265, 272,
    277, 289, 296, 301, 308, 313, 320, 325, 337, 344, 349, 356, 361, 373, 380, 385, 392, 397, 404, 409};

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
