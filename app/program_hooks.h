#pragma once

#include <QString>
#include <cstdint>
#include <functional>

class QKeyEvent;

// Seams through which the keyboard, control panel, timer and dialogs plug into the main window. Each
// defaults to doing nothing, so the window runs before those pieces are present.
struct ProgramHooks {
    // Keyboard state file "Key": read (or create with the default map) at start-up, written at shutdown
    // and when a dialog closes; the save says whether the file was written.
    std::function<void(const QString &keyPath)> loadKeyboardState = [](const QString &) {};
    std::function<bool(const QString &keyPath)> saveKeyboardState = [](const QString &) { return true; };

    // Control panel: select a controller button (1, 2, 3 or 5), set the panel mode (1..3), show the
    // beat lamps (1..4, 5 all dark).
    std::function<void(int button)> selectControllerButton = [](int) {};
    std::function<void(int mode)> setPanelMode = [](int) {};
    std::function<void(int beat)> showBeat = [](int) {};

    // On-screen keyboard geometry tables: scaled for the enlarged layout and restored for the normal one.
    std::function<void()> enlargeKeyboardTables = [] {};
    std::function<void()> shrinkKeyboardTables = [] {};

    // The 50 ms main timer tick.
    std::function<void()> timer1Tick = [] {};
    // A message the engine posted (WM_MDRV_KEYS, WM_MDRV_ACCOMP_NOTE, WM_MDRV_EVENT).
    std::function<void(uint32_t message, uint32_t wparam, uint32_t lparam)> engineMessage =
        [](uint32_t, uint32_t, uint32_t) {};
    // Key preview: every key press and release the application sees while the main window is active,
    // whatever control has the focus. Return true to consume the event.
    std::function<bool(QKeyEvent *event)> keyEvent = [](QKeyEvent *) { return false; };

    // The context menu is about to open: no key may stay lit or sounding while it is up.
    std::function<void()> popupMenuOpening = [] {};

    // Opens the settings dialog modally on a page (0 output device, 1 look, 2 about).
    std::function<void(int page)> openSettingsDialog = [](int) {};

    // Opens the function dialog on a page; modal or not.
    std::function<void(int page, bool modal)> openFunctionDialog = [](int, bool) {};

    // The function dialog as the main timer sees it: whether it exists, dropping it once it has been
    // hidden, its channel list rows (check: 1 set, 0 cleared, -1 unchanged), its voice names and its
    // channel knobs.
    std::function<bool()> functionDialogExists = [] { return false; };
    std::function<void()> dropHiddenFunctionDialog = [] {};
    std::function<QString(int program)> voiceListRow = [](int) { return QString(); };
    std::function<void(int channel, const QString &text, int check)> setChannelRow = [](int, const QString &,
                                                                                        int) {};
    std::function<void(int channel, int value)> moveChannelKnob = [](int, int) {};

    // Live playing, as the timer and the transport need it.
    std::function<void()> sendSliders = [] {};
    // Unlights every key of the on-screen keyboard, then switches every held note off silently.
    std::function<void()> clearKeyboard = [] {};
    std::function<void()> silenceKeyboard = [] {};
    // Controller number of controller button 1..4, and the per-channel controller of the keyboard model.
    std::function<int(int button)> buttonController = [](int) { return 0; };
    std::function<int(int channel)> channelController = [](int) { return 0; };
    std::function<int(int channel)> channelControlValue = [](int) { return 0; };
    std::function<void(int channel, int value)> setChannelControlValue = [](int, int) {};
    std::function<void(int channel, int program)> setChannelVoice = [](int, int) {};
    std::function<void(int target)> setControllerTarget = [](int) {};
};
