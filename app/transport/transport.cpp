#include "transport.h"

#include <QDir>

#include "layout.h"
#include "program.h"
#include "skin.h"
#include "sliders.h"
#include "song_list.h"

namespace Transport {

namespace {

const char *const kNoRecordingText = "没有发现一个事件请检查是否录音,或录音为零!";

void resumeIfPaused(Program &p) {
    if (p.state.playState != PlayPaused) return;
    p.engine.call(MDRV_RESUME_SONG);
    p.state.playState = PlayPlaying;
}

void playBuffer(Program &p) {
    ProgramState &s = p.state;
    if (p.engine.call(MDRV_GET_BUFFER_COUNT) == 0) {
        p.dialogs.messageBox(QString::fromUtf8(kNoRecordingText), QStringLiteral("没有录音"),
                             NW_MB_OK | NW_MB_ICONWARNING);
        return;
    }
    if (s.playState == PlayPlaying) {
        p.engine.call(MDRV_PAUSE_SONG);
        s.playState = PlayPaused;
    }
    p.engine.call(MDRV_PLAY_BUFFER);
    p.controls.songList->setEnabled(false);
    s.recordMode = RecordPlayback;
}

void playSong(Program &p) {
    ProgramState &s = p.state;
    if (s.playState == PlayStopped) {
        p.engine.call(MDRV_SELECT_DEVICE, s.settings.deviceId);
        p.engine.call(MDRV_START_SONG);
        s.playState = PlayPlaying;
    }
    if (s.playState == PlayFilesChosen) {
        SongList::loadAndStartFile(p, s.display.firstChosenFile);
        s.playState = PlayPlaying;
    }
    if (s.playState == PlayPaused) {
        p.engine.call(MDRV_RESUME_SONG);
        s.playState = PlayPlaying;
    }
}

bool songPlays(const Program &p) {
    return p.state.playState == PlayPlaying;
}

}  // namespace

int songVelocityScale(const Program &p) {
    const int top = p.hooks.liveSettings().sliders[int(piano::SliderId::SongVolume)];
    return piano::SongVelocityScale(piano::NormalThumb(p.state.enlarged, top));
}

void refreshControllers(Program &p) {
    p.hooks.resendControllers();
}

void play(Program &p) {
    if (p.state.recordMode != RecordPlay)
        playBuffer(p);
    else
        playSong(p);
    refreshControllers(p);
}

void pause(Program &p) {
    ProgramState &s = p.state;
    if (s.recordMode != RecordPlay) {
        resumeIfPaused(p);
        s.recordMode = RecordRecord;
        p.controls.songList->setEnabled(true);
        p.engine.call(MDRV_STOP_BUFFER);
    } else if (s.playState == PlayPlaying) {
        p.engine.call(MDRV_PAUSE_SONG);
        s.playState = PlayPaused;
    } else if (s.playState == PlayPaused) {
        p.engine.call(MDRV_RESUME_SONG);
        s.playState = PlayPlaying;
    }
    refreshControllers(p);
}

void stopOrRecord(Program &p) {
    ProgramState &s = p.state;
    if (s.recordMode != RecordPlay) {
        resumeIfPaused(p);
        p.engine.call(MDRV_START_RECORDING);
        p.controls.songList->setEnabled(true);
        s.recordMode = RecordRecord;
        return;
    }
    p.engine.call(MDRV_STOP_SONG);
    s.playState = PlayStopped;
    // Song channels get back the controller value the keyboard model holds for them.
    for (int channel = 0; channel < 16; ++channel) {
        if (p.engine.call(MDRV_GET_CHANNEL_ROLE, channel) != CH_SONG) continue;
        p.engine.call(MDRV_SEND_CONTROLLER, channel + 256 * p.hooks.channelController(channel) +
                                                65536 * p.hooks.channelControlValue(channel));
    }
    refreshControllers(p);
}

void switchMode(Program &p) {
    ProgramState &s = p.state;
    if (s.recordMode == RecordPlayback) return;
    // The file dialogs move the current directory; the program's relative paths need it back.
    QDir::setCurrent(s.paths.installDir);
    const bool toRecord = s.recordMode == RecordPlay;
    Skin::showModePictures(p, toRecord);
    s.recordMode = toRecord ? RecordRecord : RecordPlay;
}

void speedUp(Program &p) {
    if (songPlays(p)) p.engine.call(MDRV_SPEED_UP);
}

void speedDown(Program &p) {
    if (songPlays(p)) p.engine.call(MDRV_SPEED_DOWN);
}

void skipForward(Program &p) {
    if (songPlays(p)) p.engine.call(MDRV_SKIP_FORWARD);
}

void skipBack(Program &p) {
    if (songPlays(p)) p.engine.call(MDRV_SKIP_BACK);
}

void seek(Program &p, int x, int panelWidth) {
    if (panelWidth <= 0) return;
    const int step = p.engine.call(MDRV_GET_SONG_LENGTH) / panelWidth;
    p.engine.call(MDRV_SEEK_SONG, step * x);
    p.state.refreshChannelsSoon(5);
}

void toggleLoop(Program &p) {
    p.state.loopPlay = !p.state.loopPlay;
    p.controls.captionButton(kLoopButton)
        ->setText(p.state.loopPlay ? QStringLiteral("U") : QStringLiteral("I"));
}

}  // namespace Transport
