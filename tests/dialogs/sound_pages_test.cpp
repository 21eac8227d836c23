#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <functional>

#include "channel_page.h"
#include "controller_page.h"
#include "dialog_fixture.h"
#include "knob_area.h"
#include "scale_page.h"
#include "voice_page.h"

namespace piano::test {
namespace {

using Calls = std::vector<EngineCommand>;

class VoicePageTest : public DialogTest {};

TEST_F(VoicePageTest, RegionProgramsByClickAndDoubleClick) {
    VoicePage &p = *open(300).voicePage();
    p.changeTarget(2);
    p.clickProgram(19);
    for (int slot = 1; slot <= 60; ++slot)
        EXPECT_EQ(keys().slotVoice(slot), slot >= 25 && slot <= 36 ? 19 : 0) << slot;
    EXPECT_FALSE(closed());
    p.doubleClickProgram(20);
    EXPECT_EQ(keys().slotVoice(25), 20);
    EXPECT_EQ(keys().slotVoice(36), 20);
    EXPECT_TRUE(closed());
}

TEST_F(VoicePageTest, SwitchingToAnotherTargetStoresNothingAndKeepsTheRow) {
    keys().slotVoice(13) = 44;
    VoicePage &p = *open(300).voicePage();
    p.changeTarget(1);
    EXPECT_EQ(p.programList->currentRow(), 44);
    const auto before = keys().bytes;
    p.changeTarget(VoicePage::kBand);
    EXPECT_EQ(p.programList->currentRow(), 44);
    EXPECT_EQ(keys().bytes, before);
    EXPECT_TRUE(engine.actions().empty());
}

TEST_F(VoicePageTest, FixedTargetsReadAndSendThroughTheEngine) {
    engine.channel0Program = 12;
    engine.accompProgram = 33;
    VoicePage *p = open(4).voicePage();
    EXPECT_TRUE(p->targetFixed());
    EXPECT_EQ(p->target(), VoicePage::kBand);
    EXPECT_EQ(p->programList->currentRow(), 12);
    p->changeTarget(0);
    EXPECT_EQ(p->target(), VoicePage::kBand) << "a fixed target cannot be changed";
    p->doubleClickProgram(7);
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SET_SONG_PROGRAM, 7, ""}}));
    EXPECT_TRUE(closed());

    engine.calls.clear();
    p = open(40).voicePage();
    EXPECT_EQ(p->target(), VoicePage::kAccomp);
    EXPECT_EQ(p->programList->currentRow(), 33);
    p->clickProgram(9);
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SET_ACCOMP_PROGRAM, 9, ""}}));
}

TEST_F(VoicePageTest, LayerVoicesBelongToTheMarkedHarmonyCell) {
    performance.panel.mode = 2;
    performance.harmonyEffect = 8;
    keys().chordVoice2(8) = 61;
    VoicePage *p = open(112).voicePage();
    EXPECT_EQ(p->target(), VoicePage::kChord2);
    EXPECT_EQ(p->programList->currentRow(), 61);
    p->clickProgram(70);
    EXPECT_EQ(keys().chordVoice2(8), 70);

    // Outside the layered effects the marked cell has no layer voices: choosing one writes nowhere
    // (it would otherwise land in another effect's or a channel's byte).
    performance.panel.mode = 1;
    performance.panel.cell[1] = 2;
    const auto before = keys().bytes;
    p = open(300).voicePage();
    p->changeTarget(VoicePage::kChord2);
    p->clickProgram(5);
    p->changeTarget(VoicePage::kChord1);
    p->clickProgram(5);
    EXPECT_EQ(keys().bytes, before);
}

class ScalePageTest : public DialogTest {};

TEST_F(ScalePageTest, ANoteGivesTheRegionTwelveConsecutivePitches) {
    ScalePage &p = *open(30).scalePage();
    EXPECT_EQ(p.regionBox->currentIndex(), 0);
    p.changeRegion(1);
    p.doubleClickNote(48);  // C4
    for (int j = 0; j < 12; ++j)
        EXPECT_EQ(keys().slotPitch(13 + j), 48 + j);
    EXPECT_EQ(keys().slotPitch(12), 47) << "other regions keep theirs";
    EXPECT_TRUE(closed());
}

TEST_F(ScalePageTest, PitchesNeverGoPastTheMidiRange) {
    ScalePage &p = *open(30).scalePage();
    p.changeRegion(4);
    p.doubleClickNote(119);  // B9
    for (int j = 0; j < 12; ++j) {
        const int pitch = keys().slotPitch(49 + j);
        EXPECT_LE(pitch, 127) << j;
        EXPECT_EQ(pitch % 12, (119 + j) % 12) << "the key keeps its note name";
    }
}

TEST_F(ScalePageTest, ConfirmWithoutANoteAssignsNothing) {
    ScalePage &p = *open(30).scalePage();
    p.noteList->setCurrentRow(-1);
    const auto before = keys().bytes;
    p.confirm();
    EXPECT_EQ(keys().bytes, before);
    EXPECT_TRUE(closed());
}

class ChannelPageTest : public DialogTest {
  protected:
    ChannelPageTest() {
        engine.roles.fill(CH_FREE);
        engine.roles[0] = CH_SONG;
        engine.programs[0] = 24;
        engine.roles[1] = CH_MUTED;
        engine.programs[1] = 40;
        engine.roles[2] = CH_KEYBOARD;
        engine.roles[3] = 0x85;
        engine.roles[4] = 99;  // not a role
        keys().bytes[KeyboardState::kChannelController + 0] = 7;
        keys().bytes[KeyboardState::kChannelController + 1] = 3;
        keys().bytes[KeyboardState::kChannelControlValue + 0] = 100;
    }
    ChannelPage &page() { return *open(5).channelPage(); }
};

TEST_F(ChannelPageTest, RowsLabelsAndKnobsFollowTheEngineAndTheModel) {
    ChannelPage &p = page();
    EXPECT_EQ(p.checkList->item(0)->text(), "24 吉他(尼龙弦)");
    EXPECT_TRUE(p.rowChecked(0));
    EXPECT_EQ(keys().bytes[KeyboardState::kChannelVoice + 0], 24);
    EXPECT_EQ(p.checkList->item(1)->text(), "已经关闭");
    EXPECT_EQ(p.checkList->item(2)->text(), "键盘使用");
    EXPECT_EQ(p.checkList->item(3)->text(), "歌曲使用");
    EXPECT_EQ(p.checkList->item(4)->text(), "");
    EXPECT_EQ(p.checkList->item(5)->text(), "没有使用");
    for (int i = 1; i < 16; ++i)
        EXPECT_FALSE(p.rowChecked(i)) << i;
    EXPECT_EQ(p.controllerLabels[0]->text(), "主音量");
    EXPECT_EQ(p.controllerLabels[1]->text(), "没有使用");
    EXPECT_EQ(p.knobPosition(0), 116);
    EXPECT_EQ(p.knobPosition(1), 16);
}

TEST_F(ChannelPageTest, CheckRulesMuteAndUnmute) {
    ChannelPage &p = page();
    engine.calls.clear();

    p.toggleRow(5, true);  // a free channel cannot be checked
    EXPECT_FALSE(p.rowChecked(5));
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "\n这个通道被使用或没必要使用,通常是没有使用或被占用!\n");
    EXPECT_TRUE(engine.actions().empty());

    p.toggleRow(1, true);  // muted: unmuted, with its program shown
    EXPECT_TRUE(p.rowChecked(1));
    EXPECT_EQ(p.checkList->item(1)->text(), "40 小提琴");

    p.toggleRow(0, false);  // sounding: muted
    EXPECT_FALSE(p.rowChecked(0));
    EXPECT_EQ(p.checkList->item(0)->text(), "已经关闭");
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_UNMUTE_CHANNEL, 1, ""}, {MDRV_MUTE_CHANNEL, 0, ""}}));

    // The check box itself goes through the same rules.
    p.checkList->item(2)->setCheckState(Qt::Checked);
    EXPECT_FALSE(p.rowChecked(2));
    EXPECT_EQ(p.checkList->item(2)->checkState(), Qt::Unchecked);
    EXPECT_EQ(dialogs.boxes.size(), 2u);
}

TEST_F(ChannelPageTest, DoubleClickLeadsToTheChannelsVoiceAndBack) {
    FunctionDialog &d = open(5);
    ChannelPage &p = *d.channelPage();
    p.doubleClickRow(5);  // unchecked: nothing
    EXPECT_EQ(d.currentTab(), FunctionTab::Channels);

    p.doubleClickRow(0);
    EXPECT_EQ(d.currentTab(), FunctionTab::Voice);
    EXPECT_EQ(d.windowTitle(), "音色选择");
    EXPECT_EQ(d.outerSize(), QSize(187, 330));
    EXPECT_TRUE(d.voicePage()->targetFixed());
    EXPECT_EQ(d.voicePage()->target(), VoicePage::kChannel);

    engine.calls.clear();
    d.voicePage()->clickProgram(56);
    EXPECT_EQ(d.currentTab(), FunctionTab::Channels);
    EXPECT_EQ(d.outerSize(), QSize(494, 300));
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SET_CHANNEL_PROGRAM, 56 * 256 + 0, ""}}));
    EXPECT_EQ(p.checkList->item(0)->text(), "56 喇叭,小号");
    d.voicePage()->doubleClickProgram(56);
    EXPECT_EQ(engine.actions().size(), 1u) << "the double-click only closes";
    EXPECT_TRUE(closed());
}

TEST_F(ChannelPageTest, TheSecondClickOfADoubleClickThatChoseForAChannelLandsNowhere) {
    engine.roles[4] = CH_SONG;
    engine.programs[4] = 10;
    struct Way {
        const char *name;
        std::function<QListWidget *(FunctionDialog &)> leave;  // shows the page and returns its list
    };
    const Way ways[] = {{"voice",
                         [](FunctionDialog &d) {
                             d.channelPage()->doubleClickRow(4);
                             return d.voicePage()->programList;
                         }},
                        {"controller", [](FunctionDialog &d) {
                             d.channelPage()->clickNumber(4);
                             return d.controllerPage()->list;
                         }}};
    for (const Way &way : ways) {
        SCOPED_TRACE(way.name);
        FunctionDialog &d = open(5);
        ChannelPage &p = *d.channelPage();
        QWindow *window = d.windowHandle();
        ASSERT_NE(window, nullptr);
        // Channel 5's check box, where the chosen page shows a row of its list.
        QListWidget *checks = p.checkList;
        const QRect row = checks->visualItemRect(checks->item(4));
        const QPoint checkBox = checks->viewport()->mapTo(&d, QPoint(row.left() + 8, row.center().y()));
        QListWidget *list = way.leave(d);
        ASSERT_TRUE(list->indexAt(list->viewport()->mapFrom(&d, checkBox)).isValid());
        engine.calls.clear();

        QTest::mouseDClick(window, Qt::LeftButton, {}, checkBox);
        EXPECT_EQ(d.currentTab(), FunctionTab::Channels) << "the first click chose and went back";
        EXPECT_TRUE(p.rowChecked(4));
        EXPECT_FALSE(engine.received(MDRV_MUTE_CHANNEL, 4));
        EXPECT_FALSE(closed());

        // A click of its own there is the check box's.
        QTest::mouseClick(window, Qt::LeftButton, {}, checkBox);
        EXPECT_FALSE(p.rowChecked(4));
        EXPECT_TRUE(engine.received(MDRV_MUTE_CHANNEL, 4));
    }
}

TEST_F(ChannelPageTest, KnobsMoveOnlyOnCheckedRowsInsideTheirRange) {
    ChannelPage &p = page();
    engine.calls.clear();
    KnobArea &k = *p.knobs;
    k.press(60, 12 * 5 + 3);  // channel 6 row is unchecked
    EXPECT_EQ(p.knobPosition(5), 16);
    k.release();

    k.press(143, 0);
    EXPECT_EQ(p.knobPosition(0), 143);
    k.drag(144, 0);
    EXPECT_EQ(p.knobPosition(0), 143);
    k.drag(15, 11);
    k.drag(20, 11);
    k.release();
    k.drag(90, 0);  // not dragging any more
    EXPECT_EQ(p.knobPosition(0), 20);
    EXPECT_EQ(keys().bytes[KeyboardState::kChannelControlValue + 0], 4);
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SEND_CONTROLLER, 127 * 65536 + 7 * 256, ""},
                                       {MDRV_SEND_CONTROLLER, 4 * 65536 + 7 * 256, ""}}));

    engine.calls.clear();
    opener->dialog()->moveChannelKnob(0, 0);
    EXPECT_EQ(p.knobPosition(0), 16);
    EXPECT_EQ(keys().bytes[KeyboardState::kChannelControlValue + 0], 0);
    EXPECT_EQ(engine.actions(), (Calls{{MDRV_SEND_CONTROLLER, 7 * 256, ""}}));
    opener->dialog()->moveChannelKnob(3, 50);  // unchecked
    EXPECT_EQ(engine.actions().size(), 1u);
}

TEST_F(ChannelPageTest, TheTimersRefreshAndTheRefillReachTheRows) {
    ChannelPage &p = page();
    engine.roles[0] = CH_MUTED;
    engine.roles[5] = CH_SONG;
    engine.programs[5] = 0;
    engine.roles[4] = 99;
    engine.programs[4] = 1;
    opener->dialog()->refreshChannelList();
    EXPECT_EQ(p.checkList->item(0)->text(), "已经关闭");
    EXPECT_FALSE(p.rowChecked(0));
    EXPECT_EQ(p.checkList->item(5)->text(), "0 三角钢琴");
    EXPECT_TRUE(p.rowChecked(5));
    EXPECT_EQ(p.checkList->item(4)->text(), "1 明亮钢琴") << "an unknown role keeps the voice name";

    engine.roles[5] = CH_KEYBOARD;
    opener->dialog()->fillChannelRows();
    EXPECT_EQ(p.checkList->item(5)->text(), "键盘使用");
    EXPECT_FALSE(p.rowChecked(5));
}

}  // namespace
}  // namespace piano::test
