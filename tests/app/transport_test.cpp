// Play, pause, stop and record, the mode switch, the steps and the buffer commands, on the real window
// and engine.
#include <QDir>
#include <QFile>

#include "context_menu.h"
#include "main_timer.h"
#include "transport.h"
#include "window_fixture.h"

namespace {

class TransportTest : public WindowTest {
  protected:
    void recordSomething() {
        engine(MDRV_START_RECORDING);
        program().engine.sME1(0x90, 60, 100);
        program().engine.sME1(0x90, 60, 0);
    }
    // Commands the engine saw, told apart by their effect on its song and buffer states.
    int songState() { return engine(MDRV_GET_SONG_STATE); }
    int bufferState() { return engine(MDRV_GET_BUFFER_STATE); }
};

TEST_F(TransportTest, ButtonsMoveTheTransportState) {
    enum Button { Play, Pause, StopOrRecord, Mode };
    struct Case {
        const char *name;
        uint8_t mode;
        int16_t play;
        bool buffered;
        Button button;
        uint8_t expectMode;
        int16_t expectPlay;
        bool listEnabled;
    };
    const Case cases[] = {
        {"play when stopped", RecordPlay, PlayStopped, false, Play, RecordPlay, PlayPlaying, true},
        {"play when paused resumes", RecordPlay, PlayPaused, false, Play, RecordPlay, PlayPlaying, true},
        {"play while playing", RecordPlay, PlayPlaying, false, Play, RecordPlay, PlayPlaying, true},
        {"play when idle", RecordPlay, PlayIdle, false, Play, RecordPlay, PlayIdle, true},
        {"pause", RecordPlay, PlayPlaying, false, Pause, RecordPlay, PlayPaused, true},
        {"pause again resumes", RecordPlay, PlayPaused, false, Pause, RecordPlay, PlayPlaying, true},
        {"pause when stopped", RecordPlay, PlayStopped, false, Pause, RecordPlay, PlayStopped, true},
        {"stop", RecordPlay, PlayPlaying, false, StopOrRecord, RecordPlay, PlayStopped, true},
        {"buffer play pauses the song", RecordRecord, PlayPlaying, true, Play, RecordPlayback, PlayPaused,
         false},
        {"buffer play, empty buffer", RecordRecord, PlayPlaying, false, Play, RecordRecord, PlayPlaying,
         true},
        {"buffer pause resumes the song", RecordPlayback, PlayPaused, true, Pause, RecordRecord, PlayPlaying,
         true},
        {"record resumes the song", RecordPlayback, PlayPaused, true, StopOrRecord, RecordRecord, PlayPlaying,
         true},
        {"record from record mode", RecordRecord, PlayStopped, false, StopOrRecord, RecordRecord, PlayStopped,
         true},
        {"to record mode", RecordPlay, PlayPlaying, false, Mode, RecordRecord, PlayPlaying, true},
        {"to play mode", RecordRecord, PlayPlaying, false, Mode, RecordPlay, PlayPlaying, true},
        {"no switch during buffer playback", RecordPlayback, PlayPaused, true, Mode, RecordPlayback,
         PlayPaused, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        engine(MDRV_CLEAR_BUFFER);
        if (c.buffered) recordSomething();
        engine(MDRV_STOP_BUFFER);
        state().recordMode = c.mode;
        state().playState = c.play;
        controls().songList->setEnabled(c.mode != RecordPlayback);
        dialogs.boxes.clear();
        SpeedButton *buttons[] = {controls().playButton, controls().pauseButton, controls().stopRecordButton,
                                  controls().modeSwitchButton};
        buttons[c.button]->click();
        EXPECT_EQ(state().recordMode, c.expectMode);
        EXPECT_EQ(state().playState, c.expectPlay);
        EXPECT_EQ(controls().songList->isEnabled(), c.listEnabled);
        const bool warned = c.button == Play && c.mode == RecordRecord && !c.buffered;
        const auto noRecording =
            std::count_if(dialogs.boxes.begin(), dialogs.boxes.end(), [](const auto &box) {
                return box.caption == "没有录音" && box.text == "没有发现一个事件请检查是否录音,或录音为零!";
            });
        EXPECT_EQ(noRecording, warned ? 1 : 0);
    }
}

TEST_F(TransportTest, ModeSwitchRestoresTheInstallFolder) {
    QDir::setCurrent(QDir::tempPath());
    controls().modeSwitchButton->click();
    EXPECT_EQ(QDir::currentPath(), QDir(installDir).canonicalPath());
}

TEST_F(TransportTest, StepsActOnlyWhileASongPlays) {
    const int speed = engine(MDRV_GET_SPEED);
    for (int16_t play : {PlayIdle, PlayStopped, PlayPaused, PlayFilesChosen}) {
        state().playState = play;
        controls().captionButton(kSpeedUpButton)->click();
        controls().captionButton(kSpeedDownButton)->click();
        controls().captionButton(kSpeedUpButton)->click();
        EXPECT_EQ(engine(MDRV_GET_SPEED), speed) << play;
    }
    state().playState = PlayPlaying;
    controls().captionButton(kSpeedUpButton)->click();
    controls().captionButton(kSpeedUpButton)->click();
    EXPECT_EQ(engine(MDRV_GET_SPEED), speed + 2);
    controls().captionButton(kSpeedDownButton)->click();
    EXPECT_EQ(engine(MDRV_GET_SPEED), speed + 1);
}

TEST_F(TransportTest, ControllerRefreshFollowsPlayPauseAndStop) {
    // The controller buttons are live playing's: their numbers and values are set there.
    piano::Performance &live = composition->performance();
    for (int n = 1; n <= 4; ++n)
        live.state.buttonController(n) = uint8_t(20 + n);
    live.buttons.value = {0, 1, 2, 3, 16};
    state().playState = PlayPlaying;
    controls().pauseButton->click();
    std::vector<uint32_t> sent;
    for (const Sent &s : capturedMessages())
        if ((s.packed & 0xF0) == 0xB0 && ((s.packed >> 8) & 0xFF) >= 21 && ((s.packed >> 8) & 0xFF) <= 24)
            sent.push_back(s.packed & 0xFFFFF0);
    EXPECT_EQ(sent, (std::vector<uint32_t>{0x0715B0, 0x0E16B0, 0x1517B0, 0x7018B0}));
}

TEST_F(TransportTest, LoopCaptionAndSeek) {
    controls().captionButton(kLoopButton)->click();
    EXPECT_TRUE(state().loopPlay);
    EXPECT_EQ(controls().captionButton(kLoopButton)->text(), "U");
    controls().captionButton(kLoopButton)->click();
    EXPECT_FALSE(state().loopPlay);
    EXPECT_EQ(controls().captionButton(kLoopButton)->text(), "I");

    Transport::seek(program(), 10, 143);
    EXPECT_EQ(state().tickCount, 95);
}

TEST_F(TransportTest, NewBufferAsksOnlyWithEventsAndHonoursTheAnswer) {
    std::vector<std::pair<int, bool>> opened;
    program().hooks.openFunctionDialog = [&](int page, bool modal) { opened.push_back({page, modal}); };

    controls().newBufferButton->click();
    EXPECT_TRUE(dialogs.boxes.empty());

    recordSomething();
    const int count = engine(MDRV_GET_BUFFER_COUNT);
    dialogs.answers = {DialogService::kCancel, NW_IDYES, NW_IDNO};
    controls().newBufferButton->click();
    EXPECT_EQ(engine(MDRV_GET_BUFFER_COUNT), count);
    EXPECT_TRUE(opened.empty());
    controls().newBufferButton->click();
    EXPECT_EQ(engine(MDRV_GET_BUFFER_COUNT), count);
    EXPECT_EQ(opened, (std::vector<std::pair<int, bool>>{{1, true}}));
    controls().menuItems.at("N2")->trigger();
    EXPECT_EQ(engine(MDRV_GET_BUFFER_COUNT), 0);
    ASSERT_EQ(dialogs.boxes.size(), 3u);
    EXPECT_EQ(dialogs.boxes[0].text, "录音缓冲包含MIDI事件，是否保存!");
    EXPECT_EQ(dialogs.boxes[0].caption, "新建");

    // Saving opens the save page whatever the buffer holds.
    controls().saveBufferButton->click();
    EXPECT_EQ(opened.back(), std::make_pair(1, true));
}

TEST_F(TransportTest, MenuOpensPagesAndHelp) {
    std::vector<std::pair<int, bool>> functionPages;
    std::vector<int> settingsPages;
    program().hooks.openFunctionDialog = [&](int page, bool modal) {
        functionPages.push_back({page, modal});
    };
    program().hooks.openSettingsDialog = [&](int page) { settingsPages.push_back(page); };
    for (const char *item : {"N3", "N10", "N4", "N16", "N17", "N11", "N23", "N8", "N9"})
        controls().menuItems.at(item)->trigger();
    EXPECT_EQ(functionPages,
              (std::vector<std::pair<int, bool>>{
                  {300, false}, {30, false}, {0, false}, {5, false}, {6, false}, {2, false}, {6, false}}));
    EXPECT_EQ(settingsPages, (std::vector<int>{0, 1}));
    EXPECT_EQ(composition->performance().state.controllerTarget(), 5);

    struct RecordingLauncher : ContextMenu::Launcher {
        QStringList opened;
        bool openUrl(const QString &file) override { return opened << file, true; }
    } launcher;
    ContextMenu::setLauncher(&launcher);
    controls().menuItems.at("N1")->trigger();
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "没有找到文件Pianohlp.htm,请检查文件是否在Help目录下");
    EXPECT_TRUE(launcher.opened.isEmpty());
    QDir(installDir).mkpath("Help");
    QFile page(state().paths.helpPage);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    controls().menuItems.at("N1")->trigger();
    EXPECT_EQ(launcher.opened, QStringList{state().paths.helpPage});
    ContextMenu::setLauncher(nullptr);
}

TEST_F(TransportTest, SystemVolumeTriesEachMixerAndSaysWhenNoneStarts) {
    struct ScriptedLauncher : ContextMenu::Launcher {
        QStringList installed, refusing, started;
        bool available(const QString &program) override { return installed.contains(program); }
        bool startDetached(const QString &program, const QStringList &arguments) override {
            if (refusing.contains(program)) return false;
            started << (program + " " + arguments.join(' ')).trimmed();
            return true;
        }
    };
    struct Case {
        QStringList installed, refusing;
        QString started;  // empty: a message instead
    } cases[] = {
        {{"pavucontrol", "gnome-control-center"}, {}, "pavucontrol"},
        {{"gnome-control-center"}, {}, "gnome-control-center sound"},
        {{"pavucontrol", "systemsettings"}, {"pavucontrol"}, "systemsettings kcm_pulseaudio"},
        {{"x-terminal-emulator", "alsamixer"}, {}, "x-terminal-emulator -e alsamixer"},
        {{"x-terminal-emulator"}, {}, ""},
        {{}, {}, ""},
    };
    for (const Case &c : cases) {
        ScriptedLauncher launcher;
        launcher.installed = c.installed;
        launcher.refusing = c.refusing;
        ContextMenu::setLauncher(&launcher);
        dialogs.boxes.clear();
        controls().menuItems.at("N22")->trigger();
        ContextMenu::setLauncher(nullptr);
        EXPECT_EQ(launcher.started, c.started.isEmpty() ? QStringList{} : QStringList{c.started})
            << c.installed.join(',').toStdString();
        EXPECT_EQ(dialogs.boxes.size(), c.started.isEmpty() ? 1u : 0u) << c.installed.join(',').toStdString();
    }
}

}  // namespace
