#include "startup.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include <unistd.h>

#include "display_view.h"
#include "function_page.h"
#include "install_registry.h"
#include "layout.h"
#include "list_file.h"
#include "midi_input_choice.h"
#include "program.h"
#include "program_files.h"
#include "skin.h"
#include "sliders.h"
#include "window_design.h"

namespace Startup {

const char *const kNoPermissionMessage = "可能是没有权限，请以管理员身份运行本程序！";
const char *const kNotInstalledMessage = "本软件没有正确安装，请运行安装程序!";
const char *const kBufferNotSavedMessage = "录音缓冲包含MIDI事件，是否保存!";

namespace {

constexpr int kHintDuration = 35000;

bool fileExists(const QString &path) {
    return QFileInfo(path).isFile();
}

// Start-up cannot go on: the reason goes to stderr, and to a message box when nobody reads a terminal
// (a start from the desktop's menu), so the program never just vanishes.
bool endWithReason(Program &p, const QString &text) {
    std::fprintf(stderr, "piano: %s\n", qPrintable(text));
    if (!::isatty(STDERR_FILENO))
        p.dialogs.messageBox(text, QStringLiteral("Piano"), NW_MB_OK | NW_MB_ICONERROR);
    return false;
}

bool endWithMissingFile(Program &p, const char *file) {
    return endWithReason(p, QStringLiteral("没有找到 %1 或不能读取它,请重新安装本程序!")
                                .arg(QDir(p.state.paths.installDir).filePath(QString::fromUtf8(file))));
}

void showError(Program &p, const char *text) {
    p.dialogs.messageBox(QString::fromUtf8(text), QString(), NW_MB_OK | NW_MB_ICONERROR);
}

// A picture every default library holds: a file without it is not one.
const char *const kDefaultPictureProbe = "BEIFENB13";

// The default bitmaps: "BeiFen.dat", or the library named by RESDPathMax; a replacement that cannot be
// loaded falls back to "BeiFen.dat", so a wrong setting never stops every start.
bool loadDefaultLibrary(Program &p) {
    const QString shipped = p.state.paths.installDir + "/BeiFen.dat";
    if (!fileExists(shipped)) return false;
    p.defaultLibrary.load(shipped);
    const QString replacement = p.settings.readString(SettingsKeys::kDefaultPictures);
    if (!replacement.isEmpty() && fileExists(replacement)) {
        p.defaultLibrary.release();
        if (!p.defaultLibrary.load(replacement) || !p.defaultLibrary.holds(kDefaultPictureProbe))
            p.defaultLibrary.load(shipped);
    }
    return true;
}

// The skin: "resource.skn", or the library named by RESDPath, falling back to "resource.skn".
bool loadSkinLibrary(Program &p) {
    const QString shipped = p.state.paths.installDir + "/resource.skn";
    if (!fileExists(shipped)) return false;
    p.skinLibrary.load(shipped);
    const QString replacement = p.settings.readString(SettingsKeys::kSkin);
    if (!replacement.isEmpty() && fileExists(replacement)) {
        p.skinLibrary.release();
        if (!p.skinLibrary.load(replacement)) p.skinLibrary.load(shipped);
    }
    return true;
}

void applyStoredSettings(Program &p) {
    const SettingsFile &ini = p.settings;
    StoredSettings &s = p.state.settings;
    MainWindowControls &c = p.controls;

    s.colour = ini.readInt(SettingsKeys::kColour, 0x0FFFFFFF);
    Skin::applyColour(p, s.colour);
    piano::ButtonSettings buttons;
    for (int i = 0; i < 4; ++i)
        buttons.controllerValues[i] = ini.readInt(SettingsKeys::kButtons[i], 8);
    for (int i = 0; i < 3; ++i)
        buttons.panelCells[i] = ini.readInt(SettingsKeys::kButtons[4 + i], 8);
    buttons.panelMode = ini.readInt(SettingsKeys::kPanelMode, 1);
    buttons.controllerButton = ini.readInt(SettingsKeys::kControllerButton, 1);
    p.hooks.restoreButtons(buttons);
    s.deviceId = ini.readInt(SettingsKeys::kDevice, -1);
    s.midiInput = ini.readString(SettingsKeys::kMidiInput);
    const int left = ini.readInt(SettingsKeys::kLeft, 200);
    const int top = ini.readInt(SettingsKeys::kTop, 200);
    c.window->move(left, top);
    Skin::applyFlatButtons(p, ini.readInt(SettingsKeys::kFlatButtons, 1));
    s.controlCode = static_cast<uint8_t>(ini.readInt(SettingsKeys::kAccompController, 7));
    p.engine.call(MDRV_SET_ACCOMP_CONTROLLER, s.controlCode);
    s.savePlay = ini.readInt(SettingsKeys::kRecordSong, 0) != 0;
    s.saveTkb = ini.readInt(SettingsKeys::kRecordAccomp, 0) != 0;
    Skin::applyPlainPictures(p, ini.readInt(SettingsKeys::kPlainPictures, 1));
}

// No settings file could be made: keep going on first-run values.
void startWithoutSettings(Program &p) {
    StoredSettings &s = p.state.settings;
    p.settings.createEmpty();
    p.settings.writeInt(SettingsKeys::kLeft, p.controls.window->x());
    p.settings.writeInt(SettingsKeys::kTop, p.controls.window->y());
    p.settings.writeString(SettingsKeys::kDevice, "-1");
    s.deviceId = -1;
    p.hooks.restoreButtons(piano::ButtonSettings{{7, 7, 7, 0}, {0, 0, 0}, 1, 1});
}

void loadSongList(Program &p) {
    const QString path = p.state.paths.songListFile;
    if (!fileExists(path)) {
        ListFile::createEmpty(path);
        return;
    }
    // The list holds at most kMaxSongs rows; further lines of a longer file are ignored.
    const QStringList lines = ListFile::read(path).mid(0, kMaxSongs);
    p.state.songPaths = lines;
    for (const QString &line : lines)
        p.controls.songList->addItem(QFileInfo(line).fileName());
    p.controls.songList->setCurrentRow(-1);
}

void loadAccompList(Program &p) {
    const QString path = p.state.paths.accompListFile;
    QListWidget *list = p.controls.accompList;
    if (!fileExists(path)) {
        ListFile::createEmpty(path);
        return;
    }
    list->addItems(ListFile::read(path));
    list->setCurrentRow(0);
    list->setEnabled(false);
    list->hide();
}

void setUpHints(Program &p) {
    for (QWidget *w : p.controls.window->findChildren<QWidget *>())
        w->setToolTipDuration(kHintDuration);
}

bool runCreate(Program &p) {
    ProgramState &state = p.state;
    MainWindowControls &c = p.controls;

    // Without a recorded installation there is nowhere to read or write: say so and end, before any
    // file is touched.
    const std::optional<QString> installDir = InstallRegistry::installDir();
    if (!installDir) {
        showError(p, kNotInstalledMessage);
        return false;
    }
    if (!QFileInfo(*installDir).isDir())
        return endWithReason(p, QStringLiteral("安装文件夹 %1 不存在,请重新安装本程序!").arg(*installDir));
    QDir::setCurrent(*installDir);
    state.paths = ProgramPaths::under(*installDir);
    p.settings = SettingsFile(state.paths.settingsFile);

    if (!loadDefaultLibrary(p)) return endWithMissingFile(p, "BeiFen.dat");
    if (!loadSkinLibrary(p)) return endWithMissingFile(p, "resource.skn");
    const QString enginePath = state.paths.installDir + "/libnotewire.so";
    if (!fileExists(enginePath) || !p.engineLibrary.load(enginePath))
        return endWithMissingFile(p, "libnotewire.so");

    createOverlayImages(c);
    if (!p.bindEngine(p.engineLibrary, p.engine)) return endWithMissingFile(p, "libnotewire.so");
    p.engine.host = &p.host;

    try {
        Skin::loadSkin(p);
    } catch (const MissingBitmap &) {
        showError(p, kNoPermissionMessage);
        return false;
    }

    if (p.settings.exists())
        applyStoredSettings(p);
    else
        startWithoutSettings(p);

    p.hooks.loadKeyboardState(state.paths.keyFile);
    loadSongList(p);
    loadAccompList(p);

    c.window->setFixedSize(piano::design::kWindow);

    p.engine.call(MDRV_OPEN, state.settings.deviceId);
    state.deviceOpen = true;
    // Input is posted to the window given to MDRV_OPEN: the port opens after it.
    MidiInput::apply(p.engine, MidiInputChoice::fromSetting(state.settings.midiInput));

    state.playState = PlayIdle;
    c.window->setWindowTitle("Piano");

    state.loopPlay = false;
    state.recordMode = RecordPlay;
    p.hooks.showBeat(5);
    DisplayView::setView(p, ViewLevelMeter);
    state.progressShown = false;
    state.focusLatch = true;

    setUpHints(p);

    Skin::loadKeyPictures(p, 1);
    c.keyboardPicture->setPicture(p.defaultLibrary.bitmap("BEIFENB13"));
    state.enlarged = false;
    state.tickCount = 0;
    return true;
}

}  // namespace

bool formCreate(Program &p) {
    try {
        if (runCreate(p)) return true;
    } catch (const MissingBitmap &error) {
        // A bitmap missing outside the skin load: report it as the framework would and end.
        p.dialogs.messageBox(error.message(), "Piano", NW_MB_OK | NW_MB_ICONERROR);
    }
    abandon(p);
    return false;
}

bool formShow(Program &p) {
    if (!InstallRegistry::installDir()) {
        showError(p, kNotInstalledMessage);
        return false;
    }
    MainWindowControls &c = p.controls;
    for (int i = 9; i <= 12; ++i) {
        c.overlayImages[i]->setAutoSize(false);
        c.overlayImages[i]->setStretch(true);
    }

    if (p.settings.readInt(SettingsKeys::kEnlarged, 0) != 0) {
        c.window->move(c.window->pos() + Layout::kEnlargeShift);
        Layout::enlarge(p);
    }

    // A thumb with no stored place starts at its first-run place in the normal layout, wherever the
    // layout in force puts that (an enlarged start must not leave the accompaniment out of tune).
    auto firstRun = [&p](int normalPlace) {
        return p.state.enlarged ? piano::EnlargedThumb(normalPlace) : normalPlace;
    };
    piano::SliderThumbs sliders;
    sliders[0] = p.settings.readInt(SettingsKeys::kVolume, firstRun(8));
    // The accompaniment pitch thumb (Control5) starts in the middle of its track, where the accompaniment
    // bend is 64, 64, i.e. in tune with the keyboard; at 8 it would play about a semitone flat.
    constexpr int kPitchThumbInTune = 16;
    // The accompaniment controller thumb (Control6) drives the accompaniment's volume by default: it
    // starts at 24 of 30 (volume 96), where the accompaniment sits beside the keyboard and the song.
    constexpr int kControllerThumbDefault = 24;
    for (int i = 1; i <= 6; ++i)
        sliders[i] =
            p.settings.readInt(SettingsKeys::kControls[i], firstRun(i == 5   ? kPitchThumbInTune
                                                                    : i == 6 ? kControllerThumbDefault
                                                                             : 8));
    // Stored in the layout in force when they were written, which start-up has just restored.
    p.hooks.restoreSliders(sliders);

    QFont font = c.window->font();
    font.setPointSize(9);
    c.window->setFont(font);
    return true;
}

bool askAboutUnsavedTake(Program &p) {
    if (p.engine.call(MDRV_GET_BUFFER_COUNT) == 0) return true;
    const int32_t answer =
        p.dialogs.messageBox(QString::fromUtf8(kBufferNotSavedMessage), QStringLiteral("新建"),
                             DialogService::kYesNoCancel | NW_MB_ICONWARNING);
    if (answer == NW_IDYES) {
        const int savedBefore = p.state.takesSaved;
        p.hooks.openFunctionDialog(piano::kPageSave, true);
        // Leaving the save page without saving keeps the program, and the take, where they were.
        return p.state.takesSaved != savedBefore;
    }
    if (answer == NW_IDNO) {
        p.engine.call(MDRV_CLEAR_BUFFER);
        return true;
    }
    return false;
}

void formDestroy(Program &p) {
    MainWindowControls &c = p.controls;
    for (ImageControl *&image : c.overlayImages) {
        delete image;
        image = nullptr;
    }
    abandon(p);

    // One write of each file; what cannot be written is told, not passed over.
    ProgramFiles::saveAllAndReport(p);
}

void abandon(Program &p) {
    // Unloading the engine stops its clock; the device is closed first, and before it the input port,
    // whose messages would otherwise be posted to a window that is going.
    MidiInput::apply(p.engine, {MidiInputChoice::Kind::Off, {}});
    if (p.state.deviceOpen) p.engine.call(MDRV_CLOSE_DEVICE);
    p.state.deviceOpen = false;
    p.engine = EngineBinding{};
    p.engineLibrary.release();
    p.skinLibrary.release();
    p.defaultLibrary.release();
}

}  // namespace Startup
