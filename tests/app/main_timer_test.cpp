// The 50 ms timer and the engine's messages, ticked by hand on the real window and engine.
#include "main_timer.h"
#include "display_view.h"
#include "level_meter.h"
#include "window_fixture.h"

namespace {

class MainTimerTest : public WindowTest {
  protected:
    std::array<int, 16> &levels() { return state().display.levelTable; }
    void noteSent(int channel, int velocity) {
        MainTimer::engineMessage(program(), WM_MDRV_EVENT, 1,
                                 uint32_t(0x90 | channel) | 60 << 8 | velocity << 16);
    }
    // Fills the recording buffer with `count` events through the keyboard sender.
    void record(int count) {
        engine(MDRV_START_RECORDING);
        for (int i = 0; i < count; ++i)
            program().engine.sME1(0xB0, 1, 0);
    }
};

TEST_F(MainTimerTest, NoteOnsRaiseTheMeterAndTicksLowerIt) {
    levels().fill(12);
    noteSent(0, 127);
    noteSent(1, 9);
    noteSent(2, 50);
    noteSent(2, 90);  // louder than what channel 2 shows: taller bar
    noteSent(3, 90);
    noteSent(3, 50);  // softer: the bar keeps its height
    MainTimer::engineMessage(program(), WM_MDRV_EVENT, 1, 0x80 | 60 << 8 | 127 << 16);  // a note-off: ignored
    EXPECT_EQ(levels()[0], 0);
    EXPECT_EQ(levels()[1], 12);
    EXPECT_EQ(levels()[2], 3);
    EXPECT_EQ(levels()[3], 3);
    EXPECT_EQ(levels()[4], 12);

    tick();
    EXPECT_EQ(state().display.drawnLevels[0], 0);  // drawn with the value of the note-on: 11 segments
    EXPECT_EQ(levels()[0], 1);
    EXPECT_EQ(LevelMeter::segmentColour(0, 0), Qt::white);
    EXPECT_EQ(LevelMeter::segmentColour(1, 0), Qt::black);
    EXPECT_EQ(LevelMeter::segmentColour(11, 11), Qt::white);
}

TEST_F(MainTimerTest, HiddenMeterKeepsItsValues) {
    levels().fill(12);
    DisplayView::setView(program(), ViewTextLines);
    noteSent(5, 100);
    for (int i = 0; i < 5; ++i)
        tick();
    EXPECT_EQ(levels()[5], 2);
    EXPECT_EQ(levels()[0], 12);
    DisplayView::setView(program(), ViewLevelMeter);
    tick();
    EXPECT_EQ(state().display.drawnLevels[5], 2);
    EXPECT_EQ(levels()[5], 3);
}

TEST_F(MainTimerTest, MeterRectanglesOfBothLayouts) {
    EXPECT_EQ(LevelMeter::segmentRect(0, 0, false), QRect(1, 7, 5, 1));
    EXPECT_EQ(LevelMeter::segmentRect(15, 11, false), QRect(91, 29, 5, 1));
    EXPECT_EQ(LevelMeter::segmentRect(15, 11, true), QRect(136, 45, 8, 2));
    EXPECT_EQ(LevelMeter::lampRect(false), QRect(1, 1, 4, 5));
    EXPECT_EQ(LevelMeter::lampRect(true), QRect(2, 2, 8, 10));
}

TEST_F(MainTimerTest, BufferIsFullAboveItsLastSlot) {
    record(MainTimer::kBufferFullCount);
    ASSERT_EQ(engine(MDRV_GET_BUFFER_COUNT), MainTimer::kBufferFullCount);
    tick();
    EXPECT_EQ(state().displayView, ViewLevelMeter);
    EXPECT_EQ(controls().displayLine1->palette().color(QPalette::Window), QColor(0, 0x80, 0));

    program().engine.sME1(0xB0, 1, 0);
    ASSERT_EQ(engine(MDRV_GET_BUFFER_COUNT), MainTimer::kBufferFullCount + 1);
    tick();
    EXPECT_EQ(state().displayView, ViewTextLines);
    EXPECT_EQ(controls().displayLine1->text(), "警告!");
    EXPECT_EQ(controls().displayLine2->text(), "录音缓冲已满!");
    EXPECT_EQ(controls().displayLine3->text(), "   请新建缓冲.");
    EXPECT_EQ(controls().displayLine1->palette().color(QPalette::Window), QColor(0x80, 0, 0));

    // Emptied: the lamp and the green come back; the warning texts stay until something is rendered.
    engine(MDRV_CLEAR_BUFFER);
    tick();
    EXPECT_EQ(controls().displayLine1->palette().color(QPalette::Window), QColor(0, 0x80, 0));
    EXPECT_EQ(controls().displayLine1->text(), "警告!");
}

TEST_F(MainTimerTest, LosingTheWindowReleasesTheKeysOnce) {
    int releases = 0;
    program().hooks.silenceKeyboard = [&] { ++releases; };
    tick(true);
    EXPECT_EQ(state().display.lampColour, QColor(0x80, 0, 0));
    tick(false);
    tick(false);
    EXPECT_EQ(releases, 1);
    EXPECT_EQ(state().display.lampColour, QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(controls().songList->palette().color(QPalette::Base), QColor(0x80, 0x80, 0x80));
    tick(true);
    tick(false);
    EXPECT_EQ(releases, 2);
}

TEST_F(MainTimerTest, ChannelListRefreshesEveryHundredTicksOnlyWithTheDialog) {
    std::map<int, std::pair<QString, int>> rows;
    bool dialog = false;
    program().hooks.functionDialogExists = [&] { return dialog; };
    program().hooks.voiceListRow = [](int program) { return QString("voice %1").arg(program); };
    program().hooks.setChannelRow = [&](int ch, const QString &text, int check) { rows[ch] = {text, check}; };

    for (int i = 0; i < 100; ++i)
        tick();
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(state().tickCount, 0);

    dialog = true;
    state().tickCount = 98;
    tick();
    EXPECT_TRUE(rows.empty());
    tick();
    ASSERT_EQ(rows.size(), 16u);
    for (int ch = 0; ch < 16; ++ch) {
        const int role = engine(MDRV_GET_CHANNEL_ROLE, ch);
        if (role == CH_KEYBOARD) {
            EXPECT_EQ(rows[ch], std::make_pair(QString("键盘使用"), 0));
        } else if (role == CH_FREE) {
            EXPECT_EQ(rows[ch], std::make_pair(QString("没有使用"), -1));
        }
    }
}

TEST_F(MainTimerTest, SongControllerMessagesGoToTheKnobOrTheModel) {
    std::map<int, int> knob, model;
    bool dialog = false;
    program().hooks.channelController = [](int ch) { return ch == 2 ? 7 : 10; };
    program().hooks.functionDialogExists = [&] { return dialog; };
    program().hooks.moveChannelKnob = [&](int ch, int v) { knob[ch] = v; };
    program().hooks.setChannelControlValue = [&](int ch, int v) { model[ch] = v; };
    MainTimer::engineMessage(program(), WM_MDRV_EVENT, 3, 0xB2 | 7 << 8 | 99 << 16);
    MainTimer::engineMessage(program(), WM_MDRV_EVENT, 3, 0xB2 | 8 << 8 | 98 << 16);  // another controller
    dialog = true;
    MainTimer::engineMessage(program(), WM_MDRV_EVENT, 3, 0xB2 | 7 << 8 | 44 << 16);
    EXPECT_EQ(model, (std::map<int, int>{{2, 99}}));
    EXPECT_EQ(knob, (std::map<int, int>{{2, 44}}));
}

}  // namespace
