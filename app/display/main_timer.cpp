#include "main_timer.h"

#include <QColor>

#include "channel_rows.h"
#include "display_view.h"
#include "level_meter.h"
#include "program.h"
#include "song_list.h"

namespace MainTimer {

namespace {

const QColor kActiveColour(0x00, 0x80, 0x00);  // display background while the window is active
const QColor kActiveLamp(0x80, 0x00, 0x00);
const QColor kInactiveColour(0x80, 0x80, 0x80);  // lamp and background while it is not
const QColor kWarningColour(0x80, 0x00, 0x00);

void setDisplayBackground(Program &p, const QColor &colour) {
    MainWindowControls &c = p.controls;
    for (QWidget *w :
         std::initializer_list<QWidget *>{c.displayLine1, c.displayLine2, c.displayLine3, c.songList}) {
        QPalette palette = w->palette();
        if (palette.color(QPalette::Window) == colour && palette.color(QPalette::Base) == colour) continue;
        palette.setColor(QPalette::Window, colour);
        palette.setColor(QPalette::Base, colour);
        w->setPalette(palette);
    }
}

void drawMeter(Program &p) {
    DisplayState &d = p.state.display;
    d.drawnLevels = d.levelTable;
    d.barsDrawn = true;
    LevelMeter::decay(d.levelTable);
    p.controls.levelMeter->update();
}

void drawLamp(Program &p, const QColor &colour) {
    DisplayState &d = p.state.display;
    if (d.lampDrawn && d.lampColour == colour) return;
    d.lampColour = colour;
    d.lampDrawn = true;
    p.controls.levelMeter->update();
}

void endBufferPlaybackIfDone(Program &p) {
    ProgramState &s = p.state;
    if (s.recordMode != RecordPlayback) return;
    if (p.engine.call(MDRV_GET_BUFFER_POS) != p.engine.call(MDRV_GET_BUFFER_COUNT)) return;
    if (s.playState == PlayPaused) {
        p.engine.call(MDRV_RESUME_SONG);
        s.playState = PlayPlaying;
    }
    p.controls.songList->setEnabled(true);
    s.recordMode = RecordRecord;
}

// At position 0 a song has ended (or not begun): loop it, or go on to the next row.
void followSongEnd(Program &p) {
    ProgramState &s = p.state;
    if (s.loopPlay) {
        // Only a song that plays is looped: a stopped or paused song stays where the user left it.
        if (s.playState != PlayPlaying) return;
        p.engine.call(MDRV_PLAY_FROM_ZERO);
        p.engine.call(MDRV_START_SONG);
        s.refreshChannelsSoon(10);
        s.playState = PlayPlaying;
        return;
    }
    QListWidget *list = p.controls.songList;
    if (s.playState != PlayPlaying || list->count() <= 1) return;
    const int next = list->currentRow() + 1;
    if (next >= list->count()) return;
    list->setCurrentRow(next);
    SongList::loadAndStart(p, next);
    s.refreshChannelsSoon(10);
}

void showBufferFull(Program &p) {
    setDisplayBackground(p, kWarningColour);
    p.controls.displayLine1->setText(QStringLiteral("警告!"));
    p.controls.displayLine2->setText(QStringLiteral("录音缓冲已满!"));
    p.controls.displayLine3->setText(QStringLiteral("   请新建缓冲."));
    DisplayView::setView(p, ViewTextLines);
}

}  // namespace

void releaseAllKeys(Program &p) {
    p.hooks.clearKeyboard();
    p.hooks.silenceKeyboard();
}

void refreshChannelList(Program &p) {
    if (!p.hooks.functionDialogExists()) return;
    for (int channel = 0; channel < 16; ++channel) {
        const QString voice = p.hooks.voiceListRow(p.engine.call(MDRV_GET_CHANNEL_PROGRAM, channel));
        const ChannelRow row = channelRowFor(p.engine.call(MDRV_GET_CHANNEL_ROLE, channel), voice);
        p.hooks.setChannelRow(channel, row.text, row.check);
    }
}

void tick(Program &p, bool windowActive) {
    ProgramState &s = p.state;
    MainWindowControls &c = p.controls;

    ++s.tickCount;
    if (p.hooks.functionDialogExists()) p.hooks.dropHiddenFunctionDialog();
    if (s.tickCount == kChannelRefreshTicks) {
        refreshChannelList(p);
        s.tickCount = 0;
    }
    if (s.displayView == ViewLevelMeter) drawMeter(p);
    p.hooks.sendSliders();
    p.engine.call(MDRV_SET_RECORD_SONG, s.settings.savePlay ? 1 : 0);
    p.engine.call(MDRV_SET_RECORD_ACCOMP, s.settings.saveTkb ? 1 : 0);
    endBufferPlaybackIfDone(p);

    if (s.progressShown)
        c.displayLine1->setText(QStringLiteral("进度轴LRD ") +
                                QString::number(p.engine.call(MDRV_GET_SONG_POS)));
    const int position = p.engine.call(MDRV_GET_SONG_POS);
    c.songProgress->setProgress(position);
    if (position == 0) followSongEnd(p);

    if (p.engine.call(MDRV_GET_BUFFER_COUNT) > kBufferFullCount) {
        showBufferFull(p);
    } else if (windowActive) {
        drawLamp(p, kActiveLamp);
        setDisplayBackground(p, kActiveColour);
        s.focusLatch = false;
    } else {
        drawLamp(p, kInactiveColour);
        setDisplayBackground(p, kInactiveColour);
        if (!s.focusLatch) {
            s.focusLatch = true;
            releaseAllKeys(p);
        }
    }
}

void engineMessage(Program &p, uint32_t message, uint32_t wparam, uint32_t lparam) {
    // The note echo (1025) and the accompaniment beat (1026) belong to live playing, which sees every
    // message before the timer does.
    if (message != WM_MDRV_EVENT) return;
    const int channel = lparam & 0x0F;
    switch (wparam) {
        case 1:
            LevelMeter::noteSent(p.state.display.levelTable, lparam);
            break;
        case 2:
            p.hooks.setChannelVoice(channel, p.engine.call(MDRV_GET_CHANNEL_PROGRAM, channel));
            break;
        case 3: {
            const int controller = (lparam >> 8) & 0xFF;
            const int value = (lparam >> 16) & 0xFF;
            if (controller != p.hooks.channelController(channel)) break;
            if (p.hooks.functionDialogExists())
                p.hooks.moveChannelKnob(channel, value);
            else
                p.hooks.setChannelControlValue(channel, value);
            break;
        }
        default:
            break;
    }
}

}  // namespace MainTimer
