#include "harmony.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "key_map.h"
#include "keyboard_view.h"
#include "recording_engine.h"

namespace piano::test {
namespace {

using ::testing::ElementsAre;

TEST(Harmony, ChordOnSlot13PressAndRelease) {
    RecordingPerformance p;
    p.harmonyEffect = 4;
    p.keyboardVelocity = 100;
    TriggerSlot(p, 13, TriggerMode::Play);
    EXPECT_THAT(calls(),
                ElementsAre(sent(0xC0, 0, 0), sent(0x90, 52, 100), sent(0x90, 55, 100), sent(0x90, 48, 100)));
    calls().clear();
    TriggerSlot(p, 73, TriggerMode::Play);
    EXPECT_THAT(calls(),
                ElementsAre(sent(0xC0, 1, 0), sent(0x90, 52, 0), sent(0x90, 55, 0), sent(0x90, 48, 0)));
}

TEST(Harmony, LayerEffectSendsBothVoicesBeforeEachCopyOfThePitch) {
    RecordingPerformance p;
    p.harmonyEffect = 8;
    p.keyboardVelocity = 90;
    p.state.bytes[425] = 33;  // first layer voice of effect 8
    p.state.bytes[431] = 48;  // second layer voice of effect 8
    p.state.slotVoice(1) = 5;
    TriggerSlot(p, 1, TriggerMode::Play);
    EXPECT_THAT(calls(), ElementsAre(sent(0xC0, 5, 0), sent(0xC0, 33, 0), sent(0x90, 36, 90),
                                     sent(0xC0, 48, 0), sent(0x90, 36, 90), sent(0x90, 36, 90)));
    EXPECT_EQ(p.recordingCanvas.drawn.size(), 1u);  // only the slot's own key
}

struct LitCase {
    int effect;
    int slot;
    std::vector<int> litSlots;    // drawn after the slot itself
    std::vector<int> addedNotes;  // sent before the slot's own note
};

class HarmonyLitKeys : public ::testing::TestWithParam<LitCase> {};

TEST_P(HarmonyLitKeys, LightsAndSoundsTheEffectsNotes) {
    const LitCase &tc = GetParam();
    RecordingPerformance p;
    p.harmonyEffect = tc.effect;
    TriggerSlot(p, tc.slot, TriggerMode::Play);

    std::vector<Drawn> expectedDrawn{{KeyShape(tc.slot), p.layout.keyDrawPosition[tc.slot - 1]}};
    for (int s : tc.litSlots)
        expectedDrawn.push_back({KeyShape(s), p.layout.keyDrawPosition[s - 1]});
    EXPECT_EQ(p.recordingCanvas.drawn, expectedDrawn);

    std::vector<Call> expectedCalls{sent(0xC0, 0, 0)};
    for (int n : tc.addedNotes)
        expectedCalls.push_back(sent(0x90, n, 127));
    expectedCalls.push_back(sent(0x90, 35 + tc.slot, 127));
    EXPECT_EQ(calls(), expectedCalls);

    // The release unlights the same keys.
    p.recordingCanvas.drawn.clear();
    TriggerSlot(p, tc.slot + 60, TriggerMode::Play);
    ASSERT_EQ(p.recordingCanvas.drawn.size(), expectedDrawn.size());
    for (std::size_t i = 0; i < expectedDrawn.size(); ++i) {
        // The own key is drawn after the harmony on release.
        const Drawn &d = p.recordingCanvas.drawn[i];
        const Drawn &e = expectedDrawn[(i + 1) % expectedDrawn.size()];
        EXPECT_EQ(d, (Drawn{e.picture + 4, e.x}));
    }
}

INSTANTIATE_TEST_SUITE_P(Effects, HarmonyLitKeys,
                         ::testing::Values(LitCase{0, 1, {}, {}},      // nothing added
                                           LitCase{1, 3, {15}, {50}},  // octave
                                           LitCase{2, 1, {6}, {41}},   // fourth on the C
                                           LitCase{2, 6, {12}, {46}},  // on the F the key is a step further
                                           LitCase{2, 7, {11}, {47}},  // on the F sharp one step nearer
                                           LitCase{3, 5, {13}, {49}},  // sixth on the E lights 8 above
                                           LitCase{3, 4, {14}, {48}},  // on the D sharp 10 above
                                           LitCase{4, 12, {15, 18}, {50, 53}},  // diminished triad on the B
                                           LitCase{4, 2, {7, 11}, {42, 46}},    // class 1: 5 and 9
                                           LitCase{
                                               5, 40, {52}, {87, 99}},  // slot 64 lies outside the keyboard
                                           LitCase{5, 60, {}, {107, 119}}));  // nothing above the last key

TEST(Harmony, AddedPitchesAboveTheMidiRangeAreNotSent) {
    RecordingPerformance p;
    p.state.slotPitch(60) = 110;
    p.harmonyEffect = 5;
    TriggerSlot(p, 60, TriggerMode::Play);
    TriggerSlot(p, 120, TriggerMode::Play);
    EXPECT_THAT(calls(), ElementsAre(sent(0xC0, 0, 0), sent(0x90, 122, 127), sent(0x90, 110, 127),
                                     sent(0xC0, 1, 0), sent(0x90, 122, 0), sent(0x90, 110, 0)));
}

TEST(Harmony, ChordTableGivesTheScalesTriads) {
    const int a[12] = {4, 5, 3, 5, 3, 4, 4, 4, 5, 3, 5, 3};
    const int b[12] = {7, 9, 7, 10, 7, 7, 9, 7, 10, 7, 10, 6};
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(ChordFor(k).a, a[k]) << k;
        EXPECT_EQ(ChordFor(k).b, b[k]) << k;
    }
}

}  // namespace
}  // namespace piano::test
