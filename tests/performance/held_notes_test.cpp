// What the synthesizer is left with after a player's gestures: every note a press started is ended,
// whatever changed while it was held, and the controllers reach it when they change.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "control_panel.h"
#include "key_map.h"
#include "keyboard_view.h"
#include "recording_engine.h"

namespace piano::test {
namespace {

using ::testing::Contains;
using ::testing::Not;

constexpr int kKeyI = 'I';  // plays slot 37, pitch 72
constexpr int kKeyUp = 0x26;
constexpr int kKeyDown = 0x28;
constexpr int kSustain = 64;

// The shipped key map's pedal: button 4 is the sustain controller, Up presses it and Down lifts it.
struct PlayerPerformance : RecordingPerformance {
    PlayerPerformance() {
        state.keyFunction(kKeyI) = 36;
        state.keyFunction(kKeyUp) = kFirstControllerStep + 10;   // CON11: 77, pedal down
        state.keyFunction(kKeyDown) = kFirstControllerStep + 5;  // CON6: 42, pedal up
        state.buttonController(4) = kSustain;
        buttons.value[4] = 0;
        buttons.lastSent[4] = 0;
        SelectControllerButton(*this, 4);
        calls().clear();
    }
};

// Where the synthesizer stands after the calls so far: the pitches sounding and the controllers' values.
struct Heard {
    std::set<int> sounding;
    std::map<int, int> controller;
    int noteOns = 0;
};

Heard listen() {
    Heard h;
    for (const Call &c : calls()) {
        if (c.via != '1' && c.via != '5') continue;
        if (c.a == NW_NOTE_ON && c.c > 0) {
            h.sounding.insert(c.b);
            ++h.noteOns;
        } else if (c.a == NW_NOTE_ON || c.a == NW_NOTE_OFF) {
            h.sounding.erase(c.b);
        } else if (c.a == NW_CONTROL_CHANGE) {
            h.controller[c.b] = c.c;
        }
    }
    return h;
}

void clickEffectCell(Performance &p, int cell) {
    p.panel.mode = kPanelModeEffects;
    ClickPanel(p, cell % 6 * p.layout[kPanelCellWidth] + 1, cell / 6 * p.layout[kPanelCellHeight] + 1);
}

// The key pictures of slots 37 and 38 in the normal layout.
int slotX(const Performance &p, int slot) {
    return p.layout.keyDrawPosition[slot - 1] + 2;
}

struct Gestures {
    std::string name;
    int effect;
    std::function<void(Performance &)> play;
    int notesStruck;  // note-ons the gestures send
};

const Gestures kGestureTable[] = {
    {"effect cell clicked while held (two octaves up: 72, 84, 96)", 5,
     [](Performance &p) {
         KeyDown(p, kKeyI);
         clickEffectCell(p, 1);
         KeyUp(p, kKeyI);
     },
     3},
    {"menu opened while held: the release goes to the menu", 4,
     [](Performance &p) {
         KeyDown(p, kKeyI);
         SilenceKeyboard(p);
     },
     3},
    {"focus lost while held; the same key pressed again afterwards", 1,
     [](Performance &p) {
         KeyDown(p, kKeyI);
         SilenceKeyboard(p);
         KeyDown(p, kKeyI, KeyStroke::Repeat);  // the key stayed down: no new note
         KeyUp(p, kKeyI);
         KeyDown(p, kKeyI);
         KeyUp(p, kKeyI);
     },
     4},
    {"area scale and voice changed while held", 3,
     [](Performance &p) {
         KeyDown(p, kKeyI);
         p.state.slotPitch(37) = 73;
         p.state.slotVoice(37) = 40;
         KeyUp(p, kKeyI);
     },
     2},
    {"key map changed while held", 0,
     [](Performance &p) {
         KeyDown(p, kKeyI);
         p.state.keyFunction(kKeyI) = 0;
         KeyUp(p, kKeyI);
     },
     1},
    {"effect changed by the program while held (layer voices)", 8,
     [](Performance &p) {
         KeyDown(p, kKeyI);
         p.harmonyEffect = 5;
         KeyUp(p, kKeyI);
     },
     3},
    {"layout enlarged while held", 2,
     [](Performance &p) {
         KeyDown(p, kKeyI);
         ScaleKeyboardTables(p.layout, true);
         KeyUp(p, kKeyI);
     },
     2},
    {"mouse glissando while the scale changes", 1,
     [](Performance &p) {
         KeyboardMousePress(p, slotX(p, 37), 100);
         p.state.slotPitch(37) = 70;
         KeyboardMouseMove(p, slotX(p, 39), 100);
         p.state.slotPitch(39) = 77;
         KeyboardMouseRelease(p);
     },
     4},
    {"mouse key and computer key on one slot, menu opened during both", 5,
     [](Performance &p) {
         KeyboardMousePress(p, slotX(p, 37), 100);
         KeyDown(p, kKeyI);
         SilenceKeyboard(p);
     },
     6},
    {"pedal down, note, pedal up", 0,
     [](Performance &p) {
         KeyDown(p, kKeyUp);
         KeyDown(p, kKeyI);
         KeyUp(p, kKeyI);
         KeyDown(p, kKeyDown);
     },
     1},
};

class HeldNotes : public ::testing::TestWithParam<Gestures> {};

TEST_P(HeldNotes, EveryNoteStruckIsEndedAndNoPedalIsLeftDown) {
    PlayerPerformance p;
    p.harmonyEffect = GetParam().effect;
    GetParam().play(p);
    const Heard heard = listen();
    EXPECT_EQ(heard.noteOns, GetParam().notesStruck);
    EXPECT_TRUE(heard.sounding.empty()) << "still sounding: " << ::testing::PrintToString(heard.sounding);
    EXPECT_LT(heard.controller.count(kSustain) ? heard.controller.at(kSustain) : 0, 64) << "pedal down";
    EXPECT_EQ(p.keyHeld[kKeyI], 0);
}

INSTANTIATE_TEST_SUITE_P(Gestures, HeldNotes, ::testing::ValuesIn(kGestureTable),
                         [](const auto &info) { return "case" + std::to_string(info.index); });

TEST(Pedal, GoesDownAndUpWhenItsValueIsSetNotWithTheNextNote) {
    PlayerPerformance p;
    KeyDown(p, kKeyUp);
    EXPECT_EQ(calls(), std::vector<Call>{sent(NW_CONTROL_CHANGE, kSustain, 77)});
    KeyDown(p, kKeyUp);  // auto-repeat of the step: nothing new
    KeyDown(p, kKeyDown);
    EXPECT_EQ(calls(), (std::vector<Call>{sent(NW_CONTROL_CHANGE, kSustain, 77),
                                          sent(NW_CONTROL_CHANGE, kSustain, 42)}));
}

TEST(Pedal, EverySilenceOfTheKeyboardLiftsItAndTheNextNotePressesItAgain) {
    PlayerPerformance p;
    KeyDown(p, kKeyUp);
    SilenceKeyboard(p);  // focus lost
    EXPECT_EQ(listen().controller.at(kSustain), 0);
    EXPECT_EQ(p.buttons.value[4], 11);  // the gauge still shows the pedal down
    KeyDown(p, kKeyI);
    EXPECT_EQ(listen().controller.at(kSustain), 77);
    clickEffectCell(p, 3);
    EXPECT_EQ(listen().controller.at(kSustain), 0);
}

TEST(ControllersAfterReset, EveryButtonValueGoesOutAgainBeforeTheNextNote) {
    PlayerPerformance p;
    p.buttons.value = {0, 5, 0, 9, 11};
    KeyDown(p, kKeyI);
    KeyUp(p, kKeyI);
    calls().clear();
    HandleKeysMessage(p, MDRV_NOTIFY_RESET, 120);
    KeyDown(p, kKeyI);
    const std::vector<Call> expectedFirst = {sent(NW_CONTROL_CHANGE, p.state.buttonController(1), 35),
                                             sent(NW_CONTROL_CHANGE, p.state.buttonController(2), 0),
                                             sent(NW_CONTROL_CHANGE, p.state.buttonController(3), 63),
                                             sent(NW_CONTROL_CHANGE, kSustain, 77)};
    ASSERT_GE(calls().size(), expectedFirst.size());
    EXPECT_EQ(std::vector<Call>(calls().begin(), calls().begin() + 4), expectedFirst);
    // Once sent, they are not repeated.
    calls().clear();
    KeyUp(p, kKeyI);
    EXPECT_THAT(calls(), Not(Contains(::testing::Field(&Call::a, NW_CONTROL_CHANGE))));
}

}  // namespace
}  // namespace piano::test
