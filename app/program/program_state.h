#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "display_state.h"

// Song transport state of the main window.
enum PlayStateValue : int16_t {
    PlayFilesChosen = 0,
    PlayPlaying = 1,
    PlayStopped = 2,
    PlayPaused = 3,
    PlayIdle = 5,
};

// 0 play mode, 1 record mode, 2 record mode while the recording buffer plays back.
enum RecordModeValue : uint8_t { RecordPlay = 0, RecordRecord = 1, RecordPlayback = 2 };

// Display views of the small screen.
enum DisplayViewValue : int { ViewTextLines = 1, ViewSongList = 2, ViewLevelMeter = 3 };

constexpr int kMaxSongs = 100;
// The main timer refreshes the function dialog's channel rows every this many ticks.
constexpr int kChannelRefreshTicks = 100;

// Every file the program uses, built once from the installation directory.
struct ProgramPaths {
    QString installDir;
    QString settingsFile;        // "Piano"
    QString keyFile;             // "Key"
    QString songListFile;        // "Files"
    QString accompListFile;      // "TkbFile"
    QString functionBackground;  // "Back.bmp"
    QString settingsBackground;  // "Back1.bmp"
    QString helpPage;            // "Help/PianoHlp.htm"
    QString accompFolder;        // "伴奏/"

    static ProgramPaths under(const QString &installDir);
};

// The program's own values kept in the settings file between runs; start values are those of a first
// run. What live playing keeps (controller buttons, panel, sliders) it owns itself.
struct StoredSettings {
    int deviceId = -1;        // "DrviveID"
    QString midiInput;        // "MidiIn", as stored
    uint8_t controlCode = 0;  // "ControlCode", one byte
    bool savePlay = false;
    bool saveTkb = false;
    int colour = 0x0FFFFFFF;
};

struct ProgramState {
    ProgramPaths paths;
    StoredSettings settings;

    int16_t playState = PlayIdle;
    uint8_t recordMode = RecordPlay;
    bool loopPlay = false;
    QStringList songPaths;  // full path of each row of the song list, at most kMaxSongs
    bool enlarged = false;
    int settingsPage = 0;
    int tickCount = 0;  // ticks since the channel rows were last refreshed
    int displayView = ViewLevelMeter;
    bool progressShown = false;
    bool focusLatch = false;
    bool deviceOpen = false;  // MDRV_OPEN has been sent and the device not yet closed
    int takesSaved = 0;       // saves of the recording buffer that wrote a file, this run
    bool ending = false;      // a termination signal came: nobody may be there to answer a question
    DisplayState display;

    // The channel rows are refreshed this many ticks from now, once the engine has settled.
    void refreshChannelsSoon(int ticksFromNow) { tickCount = kChannelRefreshTicks - ticksFromNow; }
};
