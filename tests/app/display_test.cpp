// The display's renderers and the mouse-over texts, on the real window.
#include <QFileInfo>
#include <QTest>

#include "display.h"
#include "display_view.h"
#include "song_list.h"
#include "window_fixture.h"

namespace {

class DisplayTest : public WindowTest {
  protected:
    QStringList lines() {
        return {controls().displayLine1->text(), controls().displayLine2->text(),
                controls().displayLine3->text()};
    }
    void hover(QWidget *w) {
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(w, &enter);
    }
    // A mouse event as the window system delivers it, then what it queued.
    void mouse(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &event);
        QCoreApplication::processEvents();
    }
};

TEST_F(DisplayTest, StartsWithTheIdleTextsAndTheMeter) {
    EXPECT_EQ(lines(), (QStringList{"Keyloom20", DisplayLines::idleLine(2), "2002-6-23 12：24"}));
    EXPECT_EQ(state().displayView, ViewLevelMeter);
    EXPECT_TRUE(controls().levelMeter->isVisibleTo(window));
}

TEST_F(DisplayTest, StatusLinesShowTheEngineStates) {
    state().progressShown = true;
    DisplayLines::renderStatus(program(), "X");
    // A fresh engine: no song, no accompaniment, the buffer stopped, the song's own programs.
    EXPECT_EQ(lines(), (QStringList{"X", "Y:W B:W REC:S ", "YS:OFF N:0 SD:0"}));
    EXPECT_FALSE(state().progressShown);

    engine(MDRV_START_RECORDING);
    engine(MDRV_SPEED_UP);
    engine(MDRV_SONG_PROGRAM_UP);
    for (int i = 0; i < 3; ++i)
        engine(MDRV_BEND_ADD);
    DisplayLines::renderStatus(program(), "X");
    EXPECT_EQ(lines()[1], "Y:W B:W REC:Rec ");
    EXPECT_EQ(lines()[2], "YS:ON N:10 SD:1");
}

TEST_F(DisplayTest, ControllerPanelAndSliderLines) {
    program().hooks.restoreButtons(piano::ButtonSettings{{1, 2, 3, 4}, {5, 6, 7}, 2, 3});
    program().hooks.buttonController = [](int n) { return 10 + n; };
    DisplayLines::renderControllers(program(), "C");
    EXPECT_EQ(lines(), (QStringList{"C3", "B1:1 11 B2:2 12", "B3:3 13 B4:4 14"}));

    DisplayLines::renderPanel(program(), "P");
    EXPECT_EQ(lines(), (QStringList{"P2", "双击面板选择 5   ", "效果:6  伴奏:7 "}));

    program().hooks.restoreSliders({3, 8, 8, 8, 8, 16, 17});
    DisplayLines::renderSliders(program(), "S");
    EXPECT_EQ(lines()[0], "S[请拖动]");
    EXPECT_TRUE(lines()[1].startsWith("Z:3 Y:")) << lines()[1].toStdString();
    EXPECT_TRUE(lines()[2].endsWith(" C:17  ")) << lines()[2].toStdString();
}

TEST_F(DisplayTest, MouseOverTextsFollowTheTransportState) {
    struct Case {
        uint8_t recordMode;
        int16_t playState;
        const char *play, *pause, *stop;
    };
    const Case cases[] = {
        {RecordPlay, PlayIdle, " 开始播放...LD", "  暂停...LD", "终止演奏...LD"},
        {RecordPlay, PlayPlaying, " 重新播放...LD", "  暂停...LD", "终止演奏...LD"},
        {RecordPlay, PlayPaused, "  恢复...LD", "  恢复...LD", "终止演奏...LD"},
        {RecordRecord, PlayPaused, " 录音播放...LD", "  录音暂停...LD", "开始录音...LD"},
    };
    for (const Case &c : cases) {
        state().recordMode = c.recordMode;
        state().playState = c.playState;
        hover(controls().playButton);
        EXPECT_EQ(lines()[0], QString::fromUtf8(c.play));
        hover(controls().pauseButton);
        EXPECT_EQ(lines()[0], QString::fromUtf8(c.pause));
        hover(controls().stopRecordButton);
        EXPECT_EQ(lines()[0], QString::fromUtf8(c.stop));
    }
    // The mode switch only sets line 1.
    state().progressShown = true;
    hover(controls().modeSwitchButton);
    EXPECT_EQ(lines()[0], " 播放模式...LD");
    EXPECT_TRUE(state().progressShown);
    hover(controls().verticalPanels[1]);
    EXPECT_EQ(lines()[0], "演奏音量..[请拖动]");
    hover(controls().aboutPicture);
    EXPECT_EQ(lines()[0], "Keyloom20");
    hover(controls().progressPanel);
    EXPECT_TRUE(state().progressShown);
}

TEST_F(DisplayTest, PreviousAndNextSongTexts) {
    state().songPaths = {"/a/one.mid", "/a/two.mid", "/a/three.mid"};
    for (const QString &path : state().songPaths)
        controls().songList->addItem(QFileInfo(path).fileName());

    // No row selected: row 0 counts as next; there is no previous.
    controls().displayLine1->setText("old");
    SongList::hoverPrevious(program());
    EXPECT_EQ(lines()[0], "old");
    SongList::hoverNext(program());
    EXPECT_EQ(lines()[0], "下一曲:one.mid");

    controls().songList->setCurrentRow(1);
    SongList::hoverPrevious(program());
    EXPECT_EQ(lines()[0], "上一曲:one.mid");

    controls().songList->setCurrentRow(2);
    state().progressShown = true;
    SongList::hoverNext(program());
    EXPECT_EQ(lines()[0], "上一曲:one.mid");
    EXPECT_TRUE(state().progressShown);
}

TEST_F(DisplayTest, ViewsFollowTheirCallers) {
    DisplayView::setView(program(), ViewTextLines);
    QTest::mouseClick(controls().displayLine2, Qt::LeftButton);
    EXPECT_EQ(state().displayView, ViewSongList);
    EXPECT_TRUE(controls().songList->isVisibleTo(window));
    DisplayView::setView(program(), ViewLevelMeter);
    QTest::mouseDClick(controls().levelMeter, Qt::LeftButton);
    EXPECT_EQ(state().displayView, ViewTextLines);
    controls().menuItems.at("N14")->trigger();
    EXPECT_EQ(state().displayView, ViewSongList);
    DisplayView::setView(program(), 4);
    EXPECT_EQ(state().displayView, ViewSongList);
}

TEST_F(DisplayTest, MouseOverTextsFollowMovesAndClicksNotOnlyTheEntry) {
    hover(controls().playButton);
    EXPECT_EQ(lines()[0], " 开始播放...LD");
    // The state changes while the mouse stays over the button: the next move shows the new text.
    state().playState = PlayPlaying;
    mouse(controls().playButton, QEvent::MouseMove, {3, 3}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(lines()[0], " 重新播放...LD");

    // Dragging a slider's thumb shows the value it is dragged to, move by move.
    ImageControl *thumb = controls().verticalThumbs[1];
    const int before = thumb->y();
    hover(controls().verticalPanels[1]);
    mouse(thumb, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    mouse(thumb, QEvent::MouseMove, {5, 20}, Qt::NoButton, Qt::LeftButton);
    const int dragged = thumb->y();
    ASSERT_NE(dragged, before);
    EXPECT_TRUE(lines()[1].contains(" Y:" + QString::number(dragged) + " ")) << lines()[1].toStdString();
    mouse(thumb, QEvent::MouseButtonRelease, {5, 20}, Qt::LeftButton, Qt::NoButton);
}

// The right button opens the menu and does nothing else.
TEST_F(DisplayTest, RightClicksNeitherOpenTheAboutPageNorSwitchTheDisplay) {
    int settingsOpened = 0;
    program().hooks.openSettingsDialog = [&settingsOpened](int) { ++settingsOpened; };
    mouse(controls().aboutPicture, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(settingsOpened, 0);

    DisplayView::setView(program(), ViewTextLines);
    mouse(controls().background, QEvent::MouseButtonPress, {300, 150}, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(state().displayView, ViewTextLines);
    QTest::mouseClick(controls().displayLine1, Qt::RightButton);
    EXPECT_EQ(state().displayView, ViewTextLines);
    DisplayView::setView(program(), ViewLevelMeter);
    QTest::mouseDClick(controls().levelMeter, Qt::RightButton);
    EXPECT_EQ(state().displayView, ViewLevelMeter);

    // Nor does it play the on-screen keyboard.
    const size_t sent = capturedMessages().size();
    mouse(controls().keyboardPicture, QEvent::MouseButtonPress, {20, 60}, Qt::RightButton, Qt::RightButton);
    mouse(controls().keyboardPicture, QEvent::MouseButtonRelease, {20, 60}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(capturedMessages().size(), sent);

    // The left button still does what it shows.
    mouse(controls().aboutPicture, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(settingsOpened, 1);
}

}  // namespace
