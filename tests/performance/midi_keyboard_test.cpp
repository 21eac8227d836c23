#include "midi_keyboard.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <string>

#include "key_map.h"
#include "keyboard_view.h"
#include "recording_engine.h"
#include "sliders.h"

namespace piano::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The input source: packed channel messages as the engine posts them.
uint32_t message(int status, int data1, int data2) {
    return uint32_t(status) | uint32_t(data1) << 8 | uint32_t(data2) << 16;
}
void play(Performance &p, int note, int velocity) {
    HandleMidiInput(p, message(0x90, note, velocity));
}
void lift(Performance &p, int note, bool asNoteOff = false) {
    HandleMidiInput(p, asNoteOff ? message(0x80, note, 64) : message(0x90, note, 0));
}

// The pitches the keyboard sender left sounding (note-ons minus their velocity-0 note-ons, by count).
std::map<int, int> sounding(const std::vector<Call> &sentCalls) {
    std::map<int, int> on;
    for (const Call &c : sentCalls) {
        if (c.via != '1' || (c.a & 0xF0) != 0x90) continue;
        if (c.c > 0)
            ++on[c.b];
        else
            on.erase(c.b);
    }
    return on;
}

struct NoteCase {
    const char *name;  // of the test case
    const char *what;
    int note;
    int effect;
    std::vector<Call> press;    // what the note-on sends
    std::vector<int> litSlots;  // keys lit, the slot's own first
};

void PrintTo(const NoteCase &c, std::ostream *out) {
    *out << c.what;
}

class MidiNotes : public ::testing::TestWithParam<NoteCase> {};

TEST_P(MidiNotes, PlaysAsAPressAndItsNoteOffReleasesExactlyThat) {
    const NoteCase &tc = GetParam();
    RecordingPerformance p;
    p.keyboardVelocity = kDefaultKeyboardVelocity;
    p.harmonyEffect = tc.effect;
    p.state.slotVoice(1) = 7;   // the lowest area's voice
    p.state.slotVoice(49) = 9;  // the highest area's
    for (int s = 50; s <= 60; ++s)
        p.state.slotVoice(s) = 9;
    play(p, tc.note, 100);
    EXPECT_EQ(calls(), tc.press) << tc.what;
    std::vector<Drawn> lit;
    for (int s : tc.litSlots)
        lit.push_back({KeyShape(s), p.layout.keyDrawPosition[s - 1]});
    EXPECT_EQ(p.recordingCanvas.drawn, lit) << tc.what;

    // The effect changes while the note is held: its release still ends what the press sounded.
    p.harmonyEffect = 5;
    calls().clear();
    p.recordingCanvas.drawn.clear();
    lift(p, tc.note, true);
    std::vector<Call> release{sent(0xC0, 1, 0)};
    for (std::size_t i = 1; i < tc.press.size(); ++i)
        if (tc.press[i].a == 0x90) release.push_back(sent(0x90, tc.press[i].b, 0));
    if (tc.effect >= 6) {
        release = {sent(0xC0, 1, 0), sent(0xC0, 0, 0),       sent(0x90, tc.note, 0),
                   sent(0xC0, 0, 0), sent(0x90, tc.note, 0), sent(0x90, tc.note, 0)};
    }
    EXPECT_EQ(calls(), release) << tc.what;
    EXPECT_EQ(p.recordingCanvas.drawn.size(), tc.litSlots.size()) << tc.what;  // each lit key unlit
    EXPECT_THAT(sounding(calls()), IsEmpty()) << tc.what;
}

INSTANTIATE_TEST_SUITE_P(
    Notes, MidiNotes,
    ::testing::Values(
        NoteCase{"SlotPitch",
                 "a slot's pitch presses the slot",
                 48,
                 0,
                 {sent(0xC0, 0, 0), sent(0x90, 48, 100)},
                 {13}},
        NoteCase{"ChordEffectOnASlot",
                 "with the chord effect the slot's triad lights",
                 48,
                 4,
                 {sent(0xC0, 0, 0), sent(0x90, 52, 100), sent(0x90, 55, 100), sent(0x90, 48, 100)},
                 {13, 17, 20}},
        NoteCase{"BelowTheKeyboard",
                 "below the keyboard: the lowest area's voice, nothing lit",
                 30,
                 1,
                 {sent(0xC0, 7, 0), sent(0x90, 42, 100), sent(0x90, 30, 100)},
                 {}},
        // 97 stands 13 above the top area's C (84): pitch class 1, a fourth and a sixth.
        NoteCase{"AboveTheKeyboard",
                 "above the keyboard the chord follows the nearest area's scale",
                 97,
                 4,
                 {sent(0xC0, 9, 0), sent(0x90, 102, 100), sent(0x90, 106, 100), sent(0x90, 97, 100)},
                 {}},
        NoteCase{"LayerEffectWithoutASlot",
                 "a layer effect without a slot",
                 20,
                 8,
                 {sent(0xC0, 7, 0), sent(0xC0, 0, 0), sent(0x90, 20, 100), sent(0xC0, 0, 0),
                  sent(0x90, 20, 100), sent(0x90, 20, 100)},
                 {}}),
    [](const ::testing::TestParamInfo<NoteCase> &info) { return std::string(info.param.name); });

TEST(MidiKeyboard, AMovedSlotIsFoundByItsPitchAndTheFirstOfTwoIsPressed) {
    RecordingPerformance p;
    p.keyboardVelocity = kDefaultKeyboardVelocity;
    p.state.slotPitch(30) = 20;
    p.state.slotPitch(40) = 20;
    play(p, 20, 90);
    EXPECT_EQ(p.slotHeld[30], 1);
    EXPECT_EQ(p.slotHeld[40], 0);
    lift(p, 20);
    EXPECT_EQ(p.slotHeld[30], 0);
}

TEST(MidiKeyboard, VelocityFollowsTheKeyScaledByTheKeyboardVolume) {
    struct Case {
        int velocity, keyboardVelocity, expected;
    };
    for (const Case &c : {Case{100, 115, 100}, Case{1, 115, 1}, Case{127, 115, 127},  // default: as played
                          Case{100, 122, 106}, Case{127, 122, 127},                   // louder, bounded
                          Case{100, 57, 50}, Case{1, 10, 1},                          // softer, never off
                          Case{100, 0, 0}}) {                                         // slider at the bottom
        EXPECT_EQ(ScaledMidiVelocity(c.velocity, c.keyboardVelocity), c.expected)
            << c.velocity << " at " << c.keyboardVelocity;
    }
    RecordingPerformance p;
    p.keyboardVelocity = 122;
    play(p, 60, 100);
    EXPECT_THAT(calls(), ElementsAre(sent(0xC0, 0, 0), sent(0x90, 60, 106)));
}

TEST(MidiKeyboard, PedalModulationAndBendGoToTheKeyboardChannelOtherMessagesNot) {
    RecordingPerformance p;
    HandleMidiInput(p, message(0xB3, 64, 127));  // whatever channel the keyboard sends on
    HandleMidiInput(p, message(0xB0, 1, 40));
    HandleMidiInput(p, message(0xE0, 0, 80));
    HandleMidiInput(p, message(0xB0, 7, 100));  // volume
    HandleMidiInput(p, message(0xC0, 5, 0));    // program change
    HandleMidiInput(p, message(0xA0, 60, 20));  // key pressure
    HandleMidiInput(p, message(0xD0, 20, 0));   // channel pressure
    HandleMidiInput(p, message(0xB0, 64, 0));
    EXPECT_THAT(calls(),
                ElementsAre(sent(0xB0, 64, 127), sent(0xB0, 1, 40), sent(0xE0, 0, 80), sent(0xB0, 64, 0)));
}

TEST(MidiKeyboard, NothingIsLeftSounding) {
    RecordingPerformance p;
    p.harmonyEffect = 5;
    // Ten fast repeats of one note, some without a note-off between.
    for (int i = 0; i < 10; ++i) {
        play(p, 60, 100);
        if (i % 3 == 0) lift(p, 60);
    }
    lift(p, 60);
    lift(p, 60);  // a second note-off ends nothing more
    EXPECT_THAT(sounding(calls()), IsEmpty());

    // A chord of ten under the held pedal, released, then the pedal lifted.
    calls().clear();
    HandleMidiInput(p, message(0xB0, 64, 127));
    const int chord[] = {30, 36, 40, 43, 48, 52, 55, 60, 64, 100};
    for (int n : chord)
        play(p, n, 90);
    for (int n : chord)
        lift(p, n, true);
    HandleMidiInput(p, message(0xB0, 64, 0));
    EXPECT_THAT(sounding(calls()), IsEmpty());
    for (int s = 1; s <= kSlotCount; ++s)
        EXPECT_EQ(p.slotHeld[s], 0) << s;

    // Held when the keyboard is silenced (the window lost the focus): released, pedal lifted.
    calls().clear();
    HandleMidiInput(p, message(0xB0, 64, 127));
    for (int n : chord)
        play(p, n, 90);
    SilenceKeyboard(p);
    EXPECT_THAT(sounding(calls()), IsEmpty());
    EXPECT_EQ(calls().back(), silent(0x90, p.state.slotPitch(60), 0));
    const auto pedalUp = std::find(calls().begin(), calls().end(), sent(0xB0, 64, 0));
    EXPECT_NE(pedalUp, calls().end());
    calls().clear();
    for (int n : chord)
        lift(p, n);  // their note-offs come later and find nothing to end
    EXPECT_THAT(calls(), IsEmpty());
}

}  // namespace
}  // namespace piano::test
