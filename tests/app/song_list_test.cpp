// Opening files, the song list and the timer's song and buffer endings, with the real engine driven by
// hand: every 50 ms of its clock is followed by a timer tick, as the window's timer would.
#include <QFile>
#include <QTest>
#include <functional>

#include "display_view.h"
#include "list_file.h"
#include "main_timer.h"
#include "song_list.h"
#include "transport.h"
#include "window_fixture.h"

namespace {

class SongListTest : public WindowTest {
  protected:
    QStringList songs(int count) {
        QStringList paths;
        for (int i = 0; i < count; ++i)
            paths << writeSong(QString("song%1.mid").arg(i), 2);
        return paths;
    }
    void fillList(const QStringList &paths) {
        dialogs.fileAnswers = {paths};
        SongList::openFiles(program());
    }
    // Note-ons with a velocity that reached the device, in order.
    std::vector<int> notesPlayed() {
        std::vector<int> notes;
        for (const Sent &s : capturedMessages())
            if ((s.packed & 0xF0) == 0x90 && (s.packed >> 16) != 0) notes.push_back((s.packed >> 8) & 0xFF);
        return notes;
    }
    // Advances the engine's clock and ticks the timer until the condition holds or `ms` of the clock pass.
    bool tickUntil(const std::function<bool()> &done, int ms) {
        for (int waited = 0; waited < ms; waited += 50) {
            advanceClock(50);
            tick();
            if (done()) return true;
        }
        return false;
    }
    // Songs whose playing is checked must be readable by the engine: a test whose song cannot be read
    // fails here, with the reason, instead of passing without playing anything.
    void expectEngineReads(const QString &path) {
        engine(MDRV_LOAD_SONG, -1, path.toUtf8().constData());
        const bool read = engine(MDRV_GET_SONG_LENGTH) > 0;
        engine(MDRV_STOP_SONG);
        ASSERT_TRUE(read) << "the engine did not read " << path.toStdString()
                          << "; boxes: " << dialogs.boxTexts().join(" | ").toStdString();
    }
};

TEST_F(SongListTest, OpeningFillsTheListAndTheFilesFile) {
    const QStringList paths = songs(3);
    fillList(paths);
    EXPECT_EQ(controls().songList->count(), 3);
    EXPECT_EQ(controls().songList->item(1)->text(), "song1.mid");
    EXPECT_EQ(controls().songList->currentRow(), 0);
    EXPECT_EQ(state().songPaths, paths);
    EXPECT_EQ(ListFile::read(state().paths.songListFile), paths);
    EXPECT_EQ(state().playState, PlayFilesChosen);
    EXPECT_EQ(program().settings.readString("Directory", "OpenPath"), install.scratchDir());
    EXPECT_TRUE(dialogs.boxes.empty());

    // The next open starts in the folder of the last one.
    dialogs.fileAnswers.clear();
    SongList::openFiles(program());
    EXPECT_EQ(dialogs.fileDialogs.back().folder, install.scratchDir());
}

TEST_F(SongListTest, OpenButtonActsOnlyOnAReleaseInsideIt) {
    SpeedButton *open = controls().openFilesButton;
    QTest::mousePress(open, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(open, Qt::LeftButton, {}, QPoint(60, 5));
    EXPECT_TRUE(dialogs.fileDialogs.empty());
    QTest::mouseClick(open, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(dialogs.fileDialogs.size(), 1u);
    controls().menuItems.at("N6")->trigger();
    EXPECT_EQ(dialogs.fileDialogs.size(), 2u);
}

TEST_F(SongListTest, AtMostAHundredFiles) {
    QStringList hundred;
    for (int i = 0; i < 101; ++i)
        hundred << install.scratchPath(QString("f%1.mid").arg(i));
    QFile::copy(writeSong("f0.mid", 1), hundred[0]);
    fillList(hundred.mid(0, 100));
    EXPECT_TRUE(dialogs.boxes.empty());
    EXPECT_EQ(controls().songList->count(), 100);

    fillList(hundred);
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "你选择了大于100个文件，多余的文件将被忽略");
    EXPECT_EQ(controls().songList->count(), 100);
    EXPECT_EQ(state().songPaths.last(), hundred[99]);
}

TEST_F(SongListTest, AnUnreadableFirstFileBringsTheDialogBackAndCancelEndsIt) {
    const QString missing = install.scratchPath("gone.mid");
    state().playState = PlayIdle;
    dialogs.fileAnswers = {{missing}, {missing}};  // then cancelled
    SongList::openFiles(program());
    EXPECT_EQ(dialogs.fileDialogs.size(), 3u);
    ASSERT_EQ(dialogs.boxes.size(), 2u);
    EXPECT_EQ(dialogs.boxes[0].text, "没有这个文件");
    EXPECT_EQ(state().playState, PlayIdle);

    const QStringList good = songs(1);
    dialogs.fileAnswers = {{missing}, good};
    SongList::openFiles(program());
    EXPECT_EQ(state().playState, PlayFilesChosen);
    EXPECT_EQ(state().songPaths, good);
}

TEST_F(SongListTest, NextAndPreviousStopAtTheEnds) {
    fillList(songs(3));
    QListWidget *list = controls().songList;
    list->setCurrentRow(-1);
    state().playState = PlayIdle;
    controls().previousSongButton->click();
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_EQ(state().playState, PlayIdle);
    controls().nextSongButton->click();  // no selection: the first row
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(state().playState, PlayPlaying);
    controls().previousSongButton->click();
    EXPECT_EQ(list->currentRow(), 0);
    list->setCurrentRow(2);
    state().playState = PlayStopped;
    controls().nextSongButton->click();
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(state().playState, PlayStopped);
    controls().previousSongButton->click();
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_EQ(state().tickCount, 92);

    DisplayView::setView(program(), ViewSongList);
    SongList::doubleClick(program(), -1);
    EXPECT_EQ(state().displayView, ViewSongList);
    SongList::doubleClick(program(), 2);
    EXPECT_EQ(state().displayView, ViewLevelMeter);
    EXPECT_EQ(state().playState, PlayPlaying);
}

TEST_F(SongListTest, PlayAfterOpeningLoadsTheFirstFileAndStopThenPlayRestarts) {
    const QStringList paths = songs(1);
    ASSERT_NO_FATAL_FAILURE(expectEngineReads(paths[0]));
    fillList(paths);
    controls().playButton->click();
    EXPECT_EQ(state().playState, PlayPlaying);
    EXPECT_EQ(state().tickCount, 92);
    EXPECT_GT(controls().songProgress->maximum(), 0);
    ASSERT_TRUE(tickUntil([&] { return notesPlayed().size() >= 1; }, 1000));
    controls().stopRecordButton->click();
    EXPECT_EQ(state().playState, PlayStopped);
    const size_t before = notesPlayed().size();
    controls().playButton->click();
    ASSERT_TRUE(tickUntil([&] { return notesPlayed().size() > before; }, 1000));
    EXPECT_EQ(notesPlayed()[before], 60);  // from the beginning again
}

TEST_F(SongListTest, EndOfSongAdvancesUntilTheLastRow) {
    const QStringList paths = songs(2);
    ASSERT_NO_FATAL_FAILURE(expectEngineReads(paths[0]));
    fillList(paths);
    SongList::doubleClick(program(), 0);
    // Both songs play through, then nothing more is loaded.
    ASSERT_TRUE(tickUntil([&] { return controls().songList->currentRow() == 1; }, 3000));
    EXPECT_EQ(state().tickCount, 90);
    ASSERT_TRUE(tickUntil([&] { return notesPlayed().size() >= 4 && engine(MDRV_GET_SONG_POS) == 0; }, 3000));
    tickUntil([] { return false; }, 500);
    EXPECT_EQ(controls().songList->currentRow(), 1);
    EXPECT_EQ(engine(MDRV_GET_SONG_POS), 0);
    EXPECT_EQ(notesPlayed(), (std::vector<int>{60, 61, 60, 61}));
}

TEST_F(SongListTest, OneRowIsReplayedOnlyWithLoop) {
    const QStringList paths = songs(1);
    ASSERT_NO_FATAL_FAILURE(expectEngineReads(paths[0]));
    fillList(paths);
    SongList::doubleClick(program(), 0);
    ASSERT_TRUE(tickUntil([&] { return notesPlayed().size() >= 2 && engine(MDRV_GET_SONG_POS) == 0; }, 3000));
    advanceClock(300);
    tick();
    EXPECT_EQ(notesPlayed().size(), 2u);

    controls().captionButton(kLoopButton)->click();
    ASSERT_TRUE(tickUntil([&] { return notesPlayed().size() >= 4; }, 3000));
    EXPECT_EQ(state().playState, PlayPlaying);
}

TEST_F(SongListTest, LoopLeavesAStoppedSongStopped) {
    const QStringList paths = songs(1);
    ASSERT_NO_FATAL_FAILURE(expectEngineReads(paths[0]));
    fillList(paths);
    controls().captionButton(kLoopButton)->click();
    state().playState = PlayStopped;
    for (int i = 0; i < 5; ++i)
        tick();
    EXPECT_EQ(state().playState, PlayStopped);
    EXPECT_TRUE(notesPlayed().empty());
}

TEST_F(SongListTest, RecordedKeysPlayBackUntilTheTimerEndsPlayback) {
    controls().modeSwitchButton->click();  // record mode
    controls().stopRecordButton->click();  // record
    program().engine.sME1(0x90, 64, 100);
    advanceClock(120);
    program().engine.sME1(0x90, 64, 0);
    ASSERT_GT(engine(MDRV_GET_BUFFER_COUNT), 0);

    const size_t before = notesPlayed().size();
    controls().playButton->click();
    EXPECT_EQ(state().recordMode, RecordPlayback);
    EXPECT_FALSE(controls().songList->isEnabled());
    controls().modeSwitchButton->click();  // refused while the buffer plays back
    EXPECT_EQ(state().recordMode, RecordPlayback);
    ASSERT_TRUE(tickUntil([&] { return state().recordMode == RecordRecord; }, 3000));
    EXPECT_TRUE(controls().songList->isEnabled());
    const std::vector<int> notes = notesPlayed();
    ASSERT_GT(notes.size(), before);
    EXPECT_EQ(notes.back(), 64);
}

}  // namespace
