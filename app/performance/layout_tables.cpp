#include "layout_tables.h"

namespace piano {
namespace {

constexpr std::array<int, 25> kNormalBlackKeyLeft = {8,   20,  45,  57,  69,  92,  104, 129, 141,
                                                     153, 176, 187, 213, 225, 237, 260, 272, 297,
                                                     309, 321, 344, 356, 381, 393, 405};

constexpr std::array<int, 60> kNormalKeyDrawPosition = {
    1,   8,   13,  20,  25,  37,  44,  49,  56,  61,  68,  73,  85,  92,  97,  104, 109, 121, 128, 133,
    140, 145, 152, 157, 169, 176, 181, 188, 193, 205, 212, 217, 224, 229, 236, 241, 253, 260, 265, 272,
    277, 289, 296, 301, 308, 313, 320, 325, 337, 344, 349, 356, 361, 373, 380, 385, 392, 397, 404, 409};

constexpr int kNormalKeyboardWidth = 421;

constexpr std::array<int, 120> normalValues() {
    std::array<int, 120> v{};
    v[kBlackKeyWidth] = 8;
    v[kBlackKeyHeight] = 46;
    v[kWhiteKeyWidth] = 12;
    v[kDragStripHeight] = 20;
    v[kPanelCellWidth] = 18;
    v[kPanelCellHeight] = 12;
    v[kVerticalSliderLimit] = 32;
    v[kVerticalSliderEnd] = 26;
    v[kHorizontalSliderLimit] = 35;
    v[kHorizontalSliderEnd] = 30;
    v[kValueBarFactor] = 6;
    v[kValueBarMaximum] = 100;
    const int columns[6] = {142, 160, 178, 196, 215, 232};
    for (int i = 0; i < 6; ++i)
        v[kPanelMarkerLeft0 + i] = columns[i];
    v[kPanelMarkerTopRow1] = 101;
    v[kPanelMarkerTopRow2] = 112;
    v[kModeMarkerLeft] = 113;
    v[kModeMarkerTop1] = 81;
    v[kModeMarkerTop1 + 1] = 96;
    v[kModeMarkerTop1 + 2] = 111;
    return v;
}

template <std::size_t N>
void scaleEach(std::array<int, N> &values, int (*scale)(int)) {
    for (int &v : values)
        v = scale(v);
}

int enlargeScale(int v) {
    return EnlargeScale(v);
}

}  // namespace

const std::array<int, 35> kWhiteKeySlots = {1,  3,  5,  6,  8,  10, 12, 13, 15, 17, 18, 20,
                                            22, 24, 25, 27, 29, 30, 32, 34, 36, 37, 39, 41,
                                            42, 44, 46, 48, 49, 51, 53, 54, 56, 58, 60};
const std::array<int, 25> kBlackKeySlots = {2,  4,  7,  9,  11, 14, 16, 19, 21, 23, 26, 28, 31,
                                            33, 35, 38, 40, 43, 45, 47, 50, 52, 55, 57, 59};

LayoutTables::LayoutTables()
    : blackKeyLeft(kNormalBlackKeyLeft),
      keyDrawPosition(kNormalKeyDrawPosition),
      values(normalValues()),
      keyboardWidth(kNormalKeyboardWidth) {}

void ScaleKeyboardTables(LayoutTables &tables, bool enlarge) {
    if (enlarge == tables.enlarged) return;
    tables.enlarged = enlarge;
    if (enlarge) {
        scaleEach(tables.blackKeyLeft, enlargeScale);
        scaleEach(tables.keyDrawPosition, enlargeScale);
        scaleEach(tables.values, enlargeScale);
        // The enlarged keyboard picture control is one pixel wider than the scaled one.
        tables.keyboardWidth = EnlargeScale(kNormalKeyboardWidth) + 1;
    } else {
        tables.blackKeyLeft = kNormalBlackKeyLeft;
        tables.keyDrawPosition = kNormalKeyDrawPosition;
        // Scaling back would lose the odd pixels the enlargement dropped: take the normal values again.
        tables.values = normalValues();
        tables.keyboardWidth = kNormalKeyboardWidth;
    }
}

}  // namespace piano
