#include "keyboard_view.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "key_map.h"
#include "recording_engine.h"

namespace piano::test {
namespace {

using ::testing::ElementsAre;

struct HitCase {
    int x, y, slot;
};

TEST(HitKey, NormalLayout) {
    const LayoutTables layout;
    const HitCase cases[] = {
        {12, 60, 3},  // white key 1, the D
        {12, 30, 2},  // inside the first black key (8 < 12 < 16)
        {16, 30, 3},  // the black key's right edge is not part of it
        {8, 30, 1},   // nor is its left edge
        {12, 46, 2},  // the black key's last row
        {12, 47, 3},  // below the black keys
        {12, 0, 3},   // the top row belongs to the white key
        {1, 10, 1},  {419, 10, 60}, {410, 30, 59}, {0, 10, 0},
        {-5, 10, 0}, {421, 10, 0},  {420, 10, 0},  // the last pixel column has no key
    };
    for (const HitCase &c : cases)
        EXPECT_EQ(HitKey(layout, c.x, c.y), c.slot) << c.x << "," << c.y;
}

TEST(HitKey, EnlargedLayoutScalesEveryTable) {
    LayoutTables layout;
    ScaleKeyboardTables(layout, true);
    EXPECT_EQ(layout[kBlackKeyHeight], 69);
    EXPECT_EQ(layout[kBlackKeyWidth], 12);
    EXPECT_EQ(layout[kWhiteKeyWidth], 18);
    EXPECT_EQ(layout.keyboardWidth, 631);
    const HitCase cases[] = {{30, 60, 3}, {18, 69, 2},   {18, 70, 3}, {12, 30, 1},
                             {13, 30, 2}, {629, 10, 60}, {630, 10, 0}};
    for (const HitCase &c : cases)
        EXPECT_EQ(HitKey(layout, c.x, c.y), c.slot) << c.x << "," << c.y;
}

TEST(ScaleKeyboardTables, ShrinkingBringsEveryTableBackExactly) {
    LayoutTables layout;
    const LayoutTables normal;
    ScaleKeyboardTables(layout, true);
    EXPECT_EQ(layout.keyDrawPosition[59], 612);  // 409 / 2 * 3
    EXPECT_EQ(layout.blackKeyLeft[24], 606);
    EXPECT_EQ(layout[kValueBarFactor], 9);
    EXPECT_EQ(layout[kVerticalSliderEnd], 39);
    ScaleKeyboardTables(layout, false);
    EXPECT_EQ(layout.keyDrawPosition, normal.keyDrawPosition);
    EXPECT_EQ(layout.blackKeyLeft, normal.blackKeyLeft);
    EXPECT_EQ(layout.keyboardWidth, 421);
    EXPECT_EQ(layout.values, normal.values);  // odd ones too: 35 -> 51 -> 35
}

class KeyboardMouse : public ::testing::Test {
  protected:
    RecordingPerformance p;
    std::vector<int> notes() const {  // signed pitch: + for a note-on, - for a release
        std::vector<int> out;
        for (const Call &c : calls())
            if (c.via == '1' && c.a == 0x90) out.push_back(c.c ? c.b : -c.b);
        return out;
    }
};

TEST_F(KeyboardMouse, SlideAlongTheLowerHalfSkipsTheBlackKey) {
    KeyboardMousePress(p, 85, 60);  // slot 13, pitch 48
    for (int x = 85; x <= 100; ++x)
        KeyboardMouseMove(p, x, 60);
    KeyboardMouseRelease(p);
    EXPECT_THAT(notes(), ElementsAre(48, -48, 50, -50));
}

TEST_F(KeyboardMouse, SlideAlongTheUpperHalfSoundsTheBlackKeyInBetween) {
    KeyboardMousePress(p, 85, 20);
    for (int x = 85; x <= 100; ++x)
        KeyboardMouseMove(p, x, 20);
    KeyboardMouseRelease(p);
    EXPECT_THAT(notes(), ElementsAre(48, -48, 49, -49, 50, -50));
}

TEST_F(KeyboardMouse, MovesWithoutAPressedButtonPlayNothing) {
    KeyboardMouseMove(p, 150, 60);
    KeyboardMouseRelease(p);
    EXPECT_TRUE(calls().empty());
}

TEST_F(KeyboardMouse, LeavingTheKeysReleasesTheLastNoteAndNothingElse) {
    KeyboardMousePress(p, 5, 60);  // slot 1
    KeyboardMouseMove(p, -3, 60);  // off the keyboard: no slot
    KeyboardMouseMove(p, -4, 60);
    KeyboardMouseRelease(p);
    EXPECT_THAT(notes(), ElementsAre(36, -36));
    KeyboardMousePress(p, 421, 60);  // a press with no key plays nothing
    KeyboardMouseRelease(p);
    EXPECT_THAT(notes(), ElementsAre(36, -36));
}

TEST(DrawKey, PicturesFollowTheShapeAndTheLayout) {
    RecordingPerformance p;
    DrawKey(p, 1);
    DrawKey(p, 62);
    DrawKey(p, 60);
    DrawKey(p, 0);
    DrawKey(p, 121);
    ScaleKeyboardTables(p.layout, true);
    DrawKey(p, 14);
    EXPECT_THAT(p.recordingCanvas.drawn, ElementsAre(Drawn{1, 1}, Drawn{8, 8}, Drawn{3, 409}, Drawn{4, 138}));
}

TEST(EngineEcho, LightsSongNotesByPosition) {
    RecordingPerformance p;
    p.state.slotPitch(25) = 99;  // echo ignores the map
    HandleKeysMessage(p, 1, 0x90 | 60 << 8 | 64 << 16);
    HandleKeysMessage(p, 1, 0x91 | 60 << 8);  // velocity 0 is a release
    HandleKeysMessage(p, 1, 0x90 | 61 << 8 | 1 << 16);
    HandleKeysMessage(p, 1, 0x83 | 61 << 8 | 64 << 16);
    HandleKeysMessage(p, 1, 0x90 | 96 << 8 | 64 << 16);
    HandleKeysMessage(p, 1, 0x90 | 35 << 8 | 64 << 16);
    HandleKeysMessage(p, 1, 0xB0 | 60 << 8 | 64 << 16);
    EXPECT_TRUE(calls().empty());
    const int x25 = p.layout.keyDrawPosition[24], x26 = p.layout.keyDrawPosition[25];
    EXPECT_THAT(p.recordingCanvas.drawn,
                ElementsAre(Drawn{1, x25}, Drawn{5, x25}, Drawn{4, x26}, Drawn{8, x26}));
}

TEST(EngineEcho, NeverDrawsOverAHeldKeyAndResetClearsTheKeyboard) {
    RecordingPerformance p;
    TriggerSlot(p, 25, TriggerMode::Play);
    p.recordingCanvas.drawn.clear();
    calls().clear();
    HandleKeysMessage(p, 1, 0x90 | 60 << 8 | 64 << 16);
    HandleKeysMessage(p, 1, 0x80 | 60 << 8);
    HandleKeysMessage(p, MDRV_NOTIFY_RESET, 120);
    EXPECT_THAT(p.recordingCanvas.drawn, ElementsAre(Drawn{0, 0}));
    EXPECT_TRUE(calls().empty());
}

}  // namespace
}  // namespace piano::test
