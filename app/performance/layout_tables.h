#pragma once
// Geometry of the on-screen keyboard and the controls around it, in the layout in force. The three
// tables are scaled together when the window is enlarged and brought back when it shrinks.
#include <array>

namespace piano {

// Named entries of the 120-value table; the remaining entries are spare and stay 0.
enum LayoutEntry : int {
    kBlackKeyWidth,
    kBlackKeyHeight,
    kWhiteKeyWidth,
    kDragStripHeight,
    kPanelCellWidth,
    kPanelCellHeight,
    kVerticalSliderLimit,
    kVerticalSliderEnd,
    kHorizontalSliderLimit,
    kHorizontalSliderEnd,
    kValueBarFactor,
    kValueBarMaximum,
    kPanelMarkerLeft0,  // six columns
    kPanelMarkerTopRow1 = kPanelMarkerLeft0 + 6,
    kPanelMarkerTopRow2,
    kModeMarkerLeft,
    kModeMarkerTop1,  // three modes
    kLayoutEntryCount = kModeMarkerTop1 + 3
};

struct LayoutTables {
    std::array<int, 25> blackKeyLeft;     // left edges of the black keys, left to right
    std::array<int, 60> keyDrawPosition;  // left edge of the picture of slot 1..60 (index slot - 1)
    std::array<int, 120> values;          // LayoutEntry values
    int keyboardWidth;                    // width of the keyboard picture control
    bool enlarged = false;

    LayoutTables();
    int operator[](LayoutEntry e) const { return values[e]; }
};

constexpr int EnlargeScale(int v) {
    return v / 2 * 3;
}
constexpr int ShrinkScale(int v) {
    return v / 3 * 2;
}

// Enlarge: every entry becomes EnlargeScale(entry). Shrink: all three tables come back from their
// normal copies, exactly as they were. Repeating a change does nothing.
void ScaleKeyboardTables(LayoutTables &tables, bool enlarge);

// Slot played by the white and black keys, left to right.
extern const std::array<int, 35> kWhiteKeySlots;
extern const std::array<int, 25> kBlackKeySlots;

}  // namespace piano
