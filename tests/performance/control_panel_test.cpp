#include "control_panel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "dialog_buttons.h"
#include "key_map.h"
#include "recording_engine.h"
#include "song_buttons.h"

namespace piano::test {
namespace {

using ::testing::ElementsAre;

struct Opened {
    int page;
    bool modal;
    bool operator==(const Opened &) const = default;
};

class ControlPanelTest : public ::testing::Test {
  protected:
    RecordingPerformance p;
    std::vector<Opened> opened;
    std::vector<std::string> messages;
    std::set<std::string> files;
    void SetUp() override {
        p.hooks.openFunctionDialog = [this](int page, bool modal) { opened.push_back({page, modal}); };
        p.hooks.showMessage = [this](const std::string &t) { messages.push_back(t); };
        p.hooks.fileExists = [this](const std::string &f) { return files.count(f) > 0; };
        p.hooks.postToWindow = [](uint32_t m, uint32_t w, uint32_t l) {
            calls().push_back({'P', static_cast<int>(m), static_cast<int>(w), static_cast<int>(l), ""});
        };
    }
};

TEST_F(ControlPanelTest, ClickSelectsTheCellUnderTheMouseAndMovesTheMarker) {
    struct Case {
        int x, y, cell, left, top;
    } cases[] = {{20, 15, 7, 160, 112}, {20, 5, 1, 160, 101}, {0, 0, 0, 142, 101}, {107, 21, 11, 232, 112}};
    for (const Case &c : cases) {
        ClickPanel(p, c.x, c.y);
        EXPECT_EQ(p.panel.cell[1], c.cell);
        EXPECT_EQ(p.panel.cellMarker.left, c.left);
        EXPECT_EQ(p.panel.cellMarker.top, c.top);
    }
    EXPECT_TRUE(calls().empty());  // mode 1 waits for the double-click
}

TEST_F(ControlPanelTest, EffectCellSilencesAtOnceAndChangesTheFollowingPresses) {
    SetPanelMode(p, kPanelModeEffects);
    ClickPanel(p, 4 * 18 + 1, 1);  // cell 4: chords
    EXPECT_EQ(p.harmonyEffect, 4);
    EXPECT_EQ(p.panel.cell[2], 4);
    EXPECT_THAT(p.recordingCanvas.drawn, ElementsAre(Drawn{0, 0}));
    EXPECT_EQ(calls().size(), 120u);
    EXPECT_EQ(calls().front().via, '5');
    calls().clear();
    TriggerSlot(p, 1, TriggerMode::Play);
    EXPECT_THAT(calls(),
                ElementsAre(sent(0xC0, 0, 0), sent(0x90, 40, 127), sent(0x90, 43, 127), sent(0x90, 36, 127)));
}

TEST_F(ControlPanelTest, SetPanelModeMovesBothMarkersAndChoosesTheDialogPage) {
    p.panel.cell = {0, 2, 9, 13};
    SetPanelMode(p, 1);
    EXPECT_EQ(p.panel.functionPage, 3);
    EXPECT_EQ(p.panel.cellMarker.left, 178);
    EXPECT_EQ(p.panel.modeMarker.left, 113);
    EXPECT_EQ(p.panel.modeMarker.top, 81);
    SetPanelMode(p, 2);
    EXPECT_EQ(p.panel.functionPage, 3);
    EXPECT_EQ(p.panel.cellMarker.left, 196);
    EXPECT_EQ(p.panel.cellMarker.top, 112);
    EXPECT_EQ(p.panel.modeMarker.top, 96);
    SetPanelMode(p, 3);  // cell 13 is no cell: the marker stays
    EXPECT_EQ(p.panel.functionPage, 0);
    EXPECT_EQ(p.panel.cellMarker.left, 196);
    EXPECT_EQ(p.panel.modeMarker.top, 111);
    SetPanelMode(p, 5);
    EXPECT_EQ(p.panel.cellMarker.left, -20);
    EXPECT_EQ(p.panel.modeMarker.left, -20);
    EXPECT_EQ(p.panel.mode, 3);
    SetPanelMode(p, 4);
    EXPECT_EQ(p.panel.mode, 3);
}

TEST_F(ControlPanelTest, AccompanimentCellsStopLoadAndStart) {
    p.panel.accompFolder = "/opt/piano/伴奏/";
    p.panel.accompFiles[0] = "/home/u/groove.tkb";
    p.panel.accompFiles[1] = "C:\\old\\waltz.tkb";
    p.panel.accompFiles[2] = "/gone/march.tkb";
    files = {"/home/u/groove.tkb", "/opt/piano/伴奏/waltz.tkb"};
    SetPanelMode(p, kPanelModeAccomp);

    ClickPanel(p, 20, 5);  // cell 1: the file exists
    EXPECT_THAT(calls(),
                ElementsAre(command(MDRV_STOP_ACCOMP), command(MDRV_LOAD_ACCOMP, 0, "/home/u/groove.tkb"),
                            command(MDRV_START_ACCOMP)));
    calls().clear();
    ClickPanel(p, 40, 5);  // cell 2: found among the shipped patterns and remembered there
    EXPECT_THAT(calls(), ElementsAre(command(MDRV_STOP_ACCOMP),
                                     command(MDRV_LOAD_ACCOMP, 0, "/opt/piano/伴奏/waltz.tkb"),
                                     command(MDRV_START_ACCOMP)));
    EXPECT_EQ(p.panel.accompFiles[1], "/opt/piano/伴奏/waltz.tkb");
    calls().clear();
    ClickPanel(p, 60, 5);  // cell 3: nowhere; the running pattern keeps playing
    EXPECT_TRUE(calls().empty());
    EXPECT_THAT(messages, ElementsAre("/opt/piano/伴奏/march.tkb  文件没有找到。"));
    // cell 4: an empty entry; the shipped folder exists but is no pattern, and is not remembered
    files.insert("/opt/piano/伴奏/");
    ClickPanel(p, 80, 5);
    EXPECT_TRUE(calls().empty());
    EXPECT_EQ(messages.back(), "/opt/piano/伴奏/  文件没有找到。");
    EXPECT_EQ(p.panel.accompFiles[3], "");
    ClickPanel(p, 1, 1);  // cell 0 stops and darkens the beat lamps
    EXPECT_THAT(calls(), ElementsAre(command(MDRV_STOP_ACCOMP), Call{'P', WM_MDRV_ACCOMP_NOTE, 5, 100, ""}));
}

TEST_F(ControlPanelTest, DoubleClickOpensThePageOfTheMode) {
    SetPanelMode(p, 1);
    DoubleClickPanel(p);
    SetPanelMode(p, 3);
    DoubleClickPanel(p);
    SetPanelMode(p, 2);
    ClickPanel(p, 4 * 18, 0);  // effect 4: no layer voices to choose
    DoubleClickPanel(p);
    ClickPanel(p, 2 * 18, 12);  // effect 8
    DoubleClickPanel(p);
    EXPECT_THAT(opened,
                ElementsAre(Opened{3, false}, Opened{0, false}, Opened{111, true}, Opened{112, false}));
}

TEST_F(ControlPanelTest, BeatLampsFollowTheBeatInEitherLayout) {
    ShowBeat(p, 2);
    EXPECT_THAT(p.panel.beatLamp, ElementsAre("B23", "B20", "B23", "B23"));
    ShowBeat(p, 7);
    EXPECT_THAT(p.panel.beatLamp, ElementsAre("B23", "B20", "B23", "B23"));
    ShowBeat(p, 5);
    EXPECT_THAT(p.panel.beatLamp, ElementsAre("B23", "B23", "B23", "B23"));
    ScaleKeyboardTables(p.layout, true);
    ShowBeat(p, 4);
    EXPECT_THAT(p.panel.beatLamp, ElementsAre("BEIFENB36", "BEIFENB36", "BEIFENB36", "BEIFENB35"));
}

TEST_F(ControlPanelTest, ControllerButtonsAndValueBar) {
    p.buttons.value = {0, 3, 5, 7, 9};
    p.buttons.lastSent = {0, 3, 5, 7, 9};
    p.state.buttonController(4) = 64;
    SelectControllerButton(p, 4);
    EXPECT_EQ(p.buttons.selected, 5);
    EXPECT_EQ(p.state.controllerTarget(), 4);
    EXPECT_EQ(p.buttons.navyGauge, 4);
    EXPECT_EQ(p.buttons.valueBarPosition, 54);
    EXPECT_TRUE(calls().empty());  // nothing changed

    // Each value reaches the synthesizer when the bar is let go, a value already sent not again.
    const struct { int x, value; } drags[] = {{100, 16}, {40, 6}, {-10, 0}, {250, 16}, {250, 16}};
    for (const auto &d : drags) {
        ValueBarPress(p, 0);
        ValueBarMove(p, d.x);
        ValueBarRelease(p);
        EXPECT_EQ(p.buttons.value[4], d.value) << d.x;
    }
    ValueBarMove(p, 30);  // not dragging
    EXPECT_EQ(p.buttons.valueBarPosition, 100);
    EXPECT_THAT(calls(),
                ElementsAre(sent(0xB0, 64, 112), sent(0xB0, 64, 42), sent(0xB0, 64, 0), sent(0xB0, 64, 112)));

    p.buttons.selected = 4;  // no button
    p.buttons.valueBarPosition = 12;
    ApplyValueBar(p);
    EXPECT_THAT(p.buttons.value, ElementsAre(0, 3, 5, 7, 16));
}

TEST_F(ControlPanelTest, SavedSelectionChoosesTheButtonAtStartUp) {
    p.buttons.value = {0, 1, 2, 3, 4};
    RestoreControllerSelection(p, 5);
    EXPECT_EQ(p.buttons.navyGauge, 4);
    EXPECT_EQ(p.buttons.selected, 5);
    EXPECT_EQ(p.state.controllerTarget(), 4);
    EXPECT_EQ(p.buttons.valueBarPosition, 24);
    RestoreControllerSelection(p, 4);  // selects nothing: the value bar drives no button
    EXPECT_EQ(p.buttons.navyGauge, 4);
    p.buttons.valueBarPosition = 60;
    ApplyValueBar(p);
    EXPECT_THAT(p.buttons.value, ElementsAre(0, 1, 2, 3, 4));
}

TEST_F(ControlPanelTest, DialogButtonsActOnlyOnAReleaseInside) {
    DialogButtonPress(p, DialogButton::Voices);
    DialogButtonRelease(p, DialogButton::Voices, 14, 5, 13, 14);  // outside
    DialogButtonPress(p, DialogButton::AccompVoices);
    DialogButtonRelease(p, DialogButton::AccompVoices, 5, 0, 13, 14);  // on the edge: outside
    EXPECT_TRUE(opened.empty());
    EXPECT_THAT(calls(), ElementsAre(command(MDRV_SET_ACCOMP_PROGRAM_FLAG, 0)));
    calls().clear();

    for (DialogButton b : {DialogButton::Voices, DialogButton::ChannelVoices, DialogButton::Controllers,
                           DialogButton::AccompVoices}) {
        DialogButtonPress(p, b);
        DialogButtonRelease(p, b, 6, 7, 13, 14);
    }
    EXPECT_THAT(opened, ElementsAre(Opened{4, false}, Opened{5, false}, Opened{6, false}, Opened{40, false}));
    EXPECT_THAT(calls(), ElementsAre(command(MDRV_USER_PROGRAMS), command(MDRV_USER_PROGRAMS),
                                     command(MDRV_SET_ACCOMP_PROGRAM_FLAG, 0),
                                     command(MDRV_SET_ACCOMP_PROGRAM_FLAG, 1)));
}

TEST_F(ControlPanelTest, SongButtonsSendTheirCommands) {
    int tick = 0, refills = 0;
    bool dialog = false;
    p.hooks.refreshChannelsSoon = [&](int t) { tick = t; };
    p.hooks.functionDialogExists = [&] { return dialog; };
    p.hooks.refillChannelPage = [&] { ++refills; };
    for (SongButton b :
         {SongButton::BendDown, SongButton::BendUp, SongButton::ResetBend, SongButton::ResetSpeed})
        ClickSongButton(p, b);
    EXPECT_EQ(tick, 0);
    ClickSongButton(p, SongButton::ProgramUp);
    EXPECT_EQ(tick, 3);
    tick = 0;
    ClickSongButton(p, SongButton::ProgramDown);
    EXPECT_EQ(tick, 3);
    ClickSongButton(p, SongButton::RestorePrograms);
    dialog = true;
    ClickSongButton(p, SongButton::RestorePrograms);
    EXPECT_EQ(refills, 1);
    EXPECT_THAT(calls(), ElementsAre(command(12), command(13), command(22), command(19), command(8),
                                     command(20), command(16), command(16), command(16)));
}

}  // namespace
}  // namespace piano::test
