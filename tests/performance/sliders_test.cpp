#include "sliders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "recording_engine.h"

namespace piano::test {
namespace {

using ::testing::ElementsAre;

TEST(PlaceThumb, NormalLayout) {
    const LayoutTables layout;
    const struct {
        bool vertical;
        int position, thumb;
    } cases[] = {{true, 0, 1},   {true, 8, 1},  {true, 9, 1},    {true, 10, 2},   {true, 32, 24},
                 {true, 33, 26}, {false, 8, 1}, {false, 20, 12}, {false, 35, 27}, {false, 36, 30}};
    for (const auto &c : cases)
        EXPECT_EQ(PlaceThumb(layout, c.vertical, c.position), c.thumb) << c.position;
}

TEST(PlaceThumb, EnlargedLayout) {
    LayoutTables layout;
    ScaleKeyboardTables(layout, true);
    EXPECT_EQ(PlaceThumb(layout, true, 48), 40);
    EXPECT_EQ(PlaceThumb(layout, true, 49), 39);
    EXPECT_EQ(PlaceThumb(layout, false, 51), 43);
    EXPECT_EQ(PlaceThumb(layout, false, 52), 45);
}

// Thumbs: volume, song volume, accompaniment volume, keyboard volume, speed, pitch, controller.
struct SendCase {
    bool enlarged;
    std::array<int, kSliderCount> thumb;
    int volume, songVelocity, accompVelocity, keyboardVelocity, speed, bend, controller;
};

class SendSlidersTest : public ::testing::TestWithParam<SendCase> {};

TEST_P(SendSlidersTest, SendsEveryValueOnEveryTick) {
    const SendCase &c = GetParam();
    RecordingPerformance p;
    ScaleKeyboardTables(p.layout, c.enlarged);
    p.sliders.thumb = c.thumb;
    SendSliders(p);
    EXPECT_THAT(
        calls(),
        ElementsAre(command(MDRV_SET_VOLUME, c.volume), command(MDRV_SET_SONG_VELOCITY, c.songVelocity),
                    command(MDRV_SET_ACCOMP_VELOCITY, c.accompVelocity),
                    command(MDRV_SET_ACCOMP_SPEED, c.speed), command(MDRV_SET_ACCOMP_BEND, c.bend),
                    command(MDRV_SET_ACCOMP_CONTROLLER_VALUE, c.controller)));
    EXPECT_EQ(p.keyboardVelocity, c.keyboardVelocity);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, SendSlidersTest,
    ::testing::Values(SendCase{false, {8, 8, 8, 8, 8, 8, 8}, 45000, 8, 8, 115, 2, 32, 32},
                      SendCase{false, {1, 1, 1, 1, 1, 1, 1}, 62500, 10, 10, 122, 0, 4, 4},
                      SendCase{false, {26, 26, 26, 26, 30, 30, 30}, 0, 2, 2, 0, 7, 120, 120},
                      SendCase{false, {24, 20, 14, 16, 12, 12, 27}, 5000, 4, 6, 64, 3, 48, 108},
                      SendCase{true, {1, 1, 1, 1, 1, 1, 1}, 62500, 10, 10, 122, 0, 4, 4},
                      SendCase{true, {39, 39, 39, 39, 45, 45, 45}, 0, 2, 2, 0, 7, 120, 120},
                      SendCase{true, {12, 20, 30, 35, 20, 20, 43}, 45000, 6, 4, 19, 3, 52, 116},
                      // One pixel past the zero point reads as the zero point, never as a negative value.
                      SendCase{true, {40, 40, 40, 40, 45, 45, 45}, 0, 2, 2, 0, 7, 120, 120},
                      // Positions from a hand-edited settings file stay within range.
                      SendCase{false, {90, -50, 26, -40, 900, 200, -9}, 0, 27, 2, 122, 127, 127, 0}));

// The accompaniment must not change tempo or pitch, nor any level its loudness, when the window is
// enlarged: every thumb the enlargement places sends what it sent before.
TEST(SliderValues, AreTheSameInBothLayoutsForTheSamePlaceOfTheThumb) {
    LayoutTables normal, enlarged;
    ScaleKeyboardTables(enlarged, true);
    for (int thumb = 0; thumb <= 30; ++thumb) {
        std::array<int, kSliderCount> placed;
        placed.fill(thumb);
        std::array<int, kSliderCount> scaled;
        scaled.fill(EnlargedThumb(thumb));
        const SliderValues a = SliderValuesFor(normal, placed), b = SliderValuesFor(enlarged, scaled);
        EXPECT_EQ(std::tie(a.volume, a.songVelocity, a.accompVelocity, a.keyboardVelocity, a.accompSpeed,
                           a.accompBend, a.accompController),
                  std::tie(b.volume, b.songVelocity, b.accompVelocity, b.keyboardVelocity, b.accompSpeed,
                           b.accompBend, b.accompController))
            << "thumb " << thumb;
    }
}

// Keyboard notes at the default place leave headroom and sit near the song; louder is still there.
TEST(SliderValues, KeyboardVelocityRisesFromSilenceToACapBelowFullVelocity) {
    EXPECT_EQ(KeyboardVelocity(26), 0);
    EXPECT_EQ(KeyboardVelocity(8), 115);
    EXPECT_EQ(KeyboardVelocity(1), 122);
    for (int top = 26; top > 1; --top)
        EXPECT_LT(KeyboardVelocity(top), KeyboardVelocity(top - 1)) << top;
}

TEST(SliderGestures, DragPlacesTheThumbUntilRelease) {
    RecordingPerformance p;
    SliderPress(p, SliderId::SongVolume, MouseButton::Right, 20);
    EXPECT_EQ(p.sliders.thumb[1], 12);
    SliderMove(p, SliderId::SongVolume, 33);
    EXPECT_EQ(p.sliders.thumb[1], 26);
    SliderRelease(p, SliderId::SongVolume);
    SliderMove(p, SliderId::SongVolume, 10);
    EXPECT_EQ(p.sliders.thumb[1], 26);
    SliderPress(p, SliderId::AccompPitch, MouseButton::Middle, 20);
    EXPECT_EQ(p.sliders.thumb[5], 12);
    EXPECT_TRUE(calls().empty());
}

TEST(SliderGestures, OtherButtonsOpenTheVolumeControlAndTheControllerPage) {
    RecordingPerformance p;
    int volumeControls = 0;
    std::vector<int> pages;
    p.hooks.startVolumeControl = [&] { ++volumeControls; };
    p.hooks.openFunctionDialog = [&](int page, bool modal) { pages.push_back(modal ? -page : page); };

    SliderPress(p, SliderId::Volume, MouseButton::Right, 30);
    EXPECT_EQ(volumeControls, 1);
    SliderPress(p, SliderId::Volume, MouseButton::Middle, 30);
    EXPECT_EQ(p.sliders.thumb[0], 22);

    for (MouseButton b : {MouseButton::Right, MouseButton::Middle})
        SliderPress(p, SliderId::AccompController, b, 30);
    EXPECT_EQ(p.sliders.thumb[6], 8);
    EXPECT_FALSE(p.sliders.dragging[6]);
    EXPECT_EQ(p.state.controllerTarget(), 5);
    EXPECT_THAT(pages, ElementsAre(6, 6));
    EXPECT_THAT(calls(), ElementsAre(command(MDRV_USER_PROGRAMS), command(MDRV_USER_PROGRAMS)));
}

}  // namespace
}  // namespace piano::test
