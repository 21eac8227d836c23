#include "key_map.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "recording_engine.h"

namespace piano::test {
namespace {

using ::testing::ElementsAre;

constexpr int kKeyA = 0x41;
constexpr int kKeyS = 0x53;

class KeyMapTest : public ::testing::Test {
  protected:
    RecordingPerformance p;
    void SetUp() override {
        p.state.slotVoice(5) = 40;
        p.state.slotPitch(5) = 40;
        p.state.keyFunction(kKeyA) = 4;  // slot 5
        p.keyboardVelocity = 100;
    }
};

TEST_F(KeyMapTest, PressAndReleaseOfASlotSendProgramThenNote) {
    KeyDown(p, kKeyA);
    EXPECT_THAT(calls(), ElementsAre(sent(0xC0, 40, 0), sent(0x90, 40, 100)));
    calls().clear();
    KeyUp(p, kKeyA);
    // The release goes out under program 1, not the slot's voice.
    EXPECT_THAT(calls(), ElementsAre(sent(0xC0, 1, 0), sent(0x90, 40, 0)));
    EXPECT_EQ(p.slotHeld[5], 0);
    EXPECT_EQ(p.keyHeld[kKeyA], 0);
}

TEST_F(KeyMapTest, PressLightsAndReleaseUnlightsTheSlotsKey) {
    KeyDown(p, kKeyA);
    KeyUp(p, kKeyA);
    // Slot 5 is an E (shape 3), drawn at 25.
    EXPECT_THAT(p.recordingCanvas.drawn, ElementsAre(Drawn{3, 25}, Drawn{7, 25}));
}

TEST_F(KeyMapTest, AutoRepeatPlaysOneNoteUntilRelease) {
    for (int i = 0; i < 5; ++i)
        KeyDown(p, kKeyA);
    KeyUp(p, kKeyA);
    EXPECT_THAT(calls(),
                ElementsAre(sent(0xC0, 40, 0), sent(0x90, 40, 100), sent(0xC0, 1, 0), sent(0x90, 40, 0)));
}

TEST_F(KeyMapTest, TwoKeysOnOneSlotEachSoundAndEitherReleases) {
    p.state.keyFunction(kKeyS) = 4;
    KeyDown(p, kKeyA);
    KeyDown(p, kKeyS);
    KeyUp(p, kKeyS);
    EXPECT_THAT(calls(), ElementsAre(sent(0xC0, 40, 0), sent(0x90, 40, 100), sent(0xC0, 40, 0),
                                     sent(0x90, 40, 100), sent(0xC0, 1, 0), sent(0x90, 40, 0)));
    EXPECT_EQ(p.slotHeld[5], 0);
    EXPECT_EQ(p.keyHeld[kKeyA], 1);
}

TEST_F(KeyMapTest, ReleaseWithoutPressStillSendsTheRelease) {
    KeyUp(p, kKeyA);
    EXPECT_THAT(calls(), ElementsAre(sent(0xC0, 1, 0), sent(0x90, 40, 0)));
}

TEST_F(KeyMapTest, CodesFrom250PlayNothingButShowTheLevelMeter) {
    int view = 0;
    p.hooks.setDisplayView = [&](int v) { view = v; };
    for (int code : {250, 255, 300}) {
        KeyDown(p, code);
        KeyUp(p, code);
    }
    EXPECT_TRUE(calls().empty());
    EXPECT_TRUE(p.recordingCanvas.drawn.empty());
    EXPECT_EQ(view, 3);
}

TEST_F(KeyMapTest, ControllerStepIsSentAtOnceAndNotAgainWithTheNextNote) {
    constexpr int kCon6 = 65;
    p.state.keyFunction(kKeyS) = kCon6;
    p.state.buttonController(1) = 10;
    KeyDown(p, kKeyS);
    KeyDown(p, kKeyS);  // repeats change nothing
    KeyUp(p, kKeyS);
    EXPECT_THAT(calls(), ElementsAre(sent(0xB0, 10, 42)));
    EXPECT_EQ(p.buttons.value[1], 6);
    EXPECT_EQ(p.buttons.valueBarPosition, 36);

    calls().clear();
    KeyDown(p, kKeyA);
    EXPECT_THAT(calls(), ElementsAre(sent(0xC0, 40, 0), sent(0x90, 40, 100)));
    calls().clear();
    KeyUp(p, kKeyA);
    EXPECT_THAT(calls(), ElementsAre(sent(0xC0, 1, 0), sent(0x90, 40, 0)));
}

TEST_F(KeyMapTest, ButtonSelectKeysChooseTheButtonTheStepsGoTo) {
    p.state.keyFunction('4') = 79;  // button 4
    p.state.keyFunction('9') = 75;  // CON16
    p.state.buttonController(4) = 11;
    KeyDown(p, '4');
    EXPECT_EQ(p.buttons.selected, 5);
    EXPECT_EQ(p.state.controllerTarget(), 4);
    KeyDown(p, '9');
    EXPECT_EQ(p.buttons.value[4], 16);
    KeyDown(p, kKeyA);
    EXPECT_EQ(calls().front(), sent(0xB0, 11, 112));
}

TEST(KeyMapFirstStart, EveryKeyPlaysSlotOneAndFourControllersGoFirst) {
    RecordingPerformance p;
    p.buttons.lastSent = {};
    for (int i = 1; i <= 4; ++i)
        p.state.buttonController(i) = static_cast<uint8_t>(i);
    KeyDown(p, kKeyA);
    EXPECT_THAT(calls(), ElementsAre(sent(0xB0, 1, 56), sent(0xB0, 2, 56), sent(0xB0, 3, 56),
                                     sent(0xB0, 4, 56), sent(0xC0, 0, 0), sent(0x90, 36, 127)));
}

TEST(SilenceKeyboard, WithNothingSoundingSendsEverySlotPitchTwiceThroughTheSilentSenderOnly) {
    RecordingPerformance p;
    p.slotHeld[3] = 1;
    p.keyHeld[kKeyA] = 1;
    SilenceKeyboard(p);
    ASSERT_EQ(calls().size(), 120u);
    for (std::size_t i = 0; i < calls().size(); ++i)
        EXPECT_EQ(calls()[i], silent(0x90, 36 + static_cast<int>(i) / 2, 0));
    // The releases may never come here (another window, the menu): the next press plays.
    EXPECT_EQ(p.slotHeld[3], 0);
    EXPECT_EQ(p.keyHeld[kKeyA], 0);
}

TEST(TriggerSlot, EchoDrawsOnlyWhereTheUserHoldsNothing) {
    RecordingPerformance p;
    p.slotHeld[25] = 1;
    TriggerSlot(p, 24, TriggerMode::Echo);
    TriggerSlot(p, 25, TriggerMode::Echo);
    TriggerSlot(p, 85, TriggerMode::Echo);
    TriggerSlot(p, 84, TriggerMode::Echo);
    EXPECT_TRUE(calls().empty());
    EXPECT_THAT(p.recordingCanvas.drawn, ElementsAre(Drawn{3, 157}, Drawn{7, 157}));
}

TEST(TriggerSlot, CodesOutsideTheKeyboardDoNothing) {
    RecordingPerformance p;
    for (int code : {0, -1, 121, 200})
        TriggerSlot(p, code, TriggerMode::Play);
    EXPECT_TRUE(calls().empty());
    EXPECT_TRUE(p.recordingCanvas.drawn.empty());
}

TEST(TriggerSlot, PitchesAboveTheMidiRangeAreNotSent) {
    RecordingPerformance p;
    p.state.slotPitch(1) = 200;  // a damaged map
    p.state.slotVoice(1) = 130;
    TriggerSlot(p, 1, TriggerMode::Play);
    TriggerSlot(p, 61, TriggerMode::Play);
    SilenceKeyboard(p);
    EXPECT_THAT(calls(), ::testing::Contains(sent(0xC0, 1, 0)));
    for (const Call &c : calls()) {
        EXPECT_LE(c.b, 127);
        EXPECT_LE(c.c, 127);
    }
    EXPECT_EQ(calls().size(), 1u + 118u);
}

}  // namespace
}  // namespace piano::test
