#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "live_settings.h"

class QKeyEvent;

// Seams through which the keyboard, control panel, timer and dialogs plug into the main window. The
// composition root fills every one; `unfilled` names those it left empty, and calling one of those
// throws, so a missing connection is never passed over in silence.
struct ProgramHooks {
    // Keyboard state file "Key": read (or create with the default map) at start-up, written at shutdown
    // and when a dialog closes; the save says whether the file was written.
    std::function<void(const QString &keyPath)> loadKeyboardState;
    std::function<bool(const QString &keyPath)> saveKeyboardState;

    // What live playing keeps between runs: start-up hands it the stored controller buttons, panel
    // cells and mode, and (once the layout is chosen) the slider thumbs; the settings are written from
    // what it reports.
    std::function<void(const piano::ButtonSettings &stored)> restoreButtons;
    std::function<void(const piano::SliderThumbs &stored)> restoreSliders;
    std::function<piano::LiveSettings()> liveSettings;
    // The beat lamps: 1..4, 5 all dark.
    std::function<void(int beat)> showBeat;

    // On-screen keyboard geometry tables: scaled for the enlarged layout and restored for the normal one.
    std::function<void()> enlargeKeyboardTables;
    std::function<void()> shrinkKeyboardTables;

    // The 50 ms main timer tick.
    std::function<void()> timer1Tick;
    // A message the engine posted (WM_MDRV_KEYS, WM_MDRV_ACCOMP_NOTE, WM_MDRV_EVENT).
    std::function<void(uint32_t message, uint32_t wparam, uint32_t lparam)> engineMessage;
    // Key preview: every key press and release the application sees while the main window is active,
    // whatever control has the focus. Return true to consume the event.
    std::function<bool(QKeyEvent *event)> keyEvent;

    // The context menu is about to open: no key may stay lit or sounding while it is up.
    std::function<void()> popupMenuOpening;

    // Opens the settings dialog modally on a page (0 output device, 1 look, 2 about).
    std::function<void(int page)> openSettingsDialog;

    // Opens the function dialog on a page; modal or not.
    std::function<void(int page, bool modal)> openFunctionDialog;

    // The function dialog as the main timer sees it: whether it exists, dropping it once it has been
    // hidden, its channel list rows (check: 1 set, 0 cleared, -1 unchanged), its voice names and its
    // channel knobs.
    std::function<bool()> functionDialogExists;
    std::function<void()> dropHiddenFunctionDialog;
    std::function<QString(int program)> voiceListRow;
    std::function<void(int channel, const QString &text, int check)> setChannelRow;
    std::function<void(int channel, int value)> moveChannelKnob;

    // Live playing, as the timer and the transport need it.
    std::function<void()> sendSliders;
    // Unlights every key of the on-screen keyboard, then switches every held note off silently.
    std::function<void()> clearKeyboard;
    std::function<void()> silenceKeyboard;
    // Sends the four controller buttons' values again (after a transport action resets the channel).
    std::function<void()> resendControllers;
    // Controller number of controller button 1..4, and the per-channel controller of the keyboard model.
    std::function<int(int button)> buttonController;
    std::function<int(int channel)> channelController;
    std::function<int(int channel)> channelControlValue;
    std::function<void(int channel, int value)> setChannelControlValue;
    std::function<void(int channel, int program)> setChannelVoice;
    std::function<void(int target)> setControllerTarget;

    // The hooks nobody filled (by name).
    QStringList unfilled() const {
        QStringList out;
        if (!loadKeyboardState) out << "loadKeyboardState";
        if (!saveKeyboardState) out << "saveKeyboardState";
        if (!restoreButtons) out << "restoreButtons";
        if (!restoreSliders) out << "restoreSliders";
        if (!liveSettings) out << "liveSettings";
        if (!showBeat) out << "showBeat";
        if (!enlargeKeyboardTables) out << "enlargeKeyboardTables";
        if (!shrinkKeyboardTables) out << "shrinkKeyboardTables";
        if (!timer1Tick) out << "timer1Tick";
        if (!engineMessage) out << "engineMessage";
        if (!keyEvent) out << "keyEvent";
        if (!popupMenuOpening) out << "popupMenuOpening";
        if (!openSettingsDialog) out << "openSettingsDialog";
        if (!openFunctionDialog) out << "openFunctionDialog";
        if (!functionDialogExists) out << "functionDialogExists";
        if (!dropHiddenFunctionDialog) out << "dropHiddenFunctionDialog";
        if (!voiceListRow) out << "voiceListRow";
        if (!setChannelRow) out << "setChannelRow";
        if (!moveChannelKnob) out << "moveChannelKnob";
        if (!sendSliders) out << "sendSliders";
        if (!clearKeyboard) out << "clearKeyboard";
        if (!silenceKeyboard) out << "silenceKeyboard";
        if (!resendControllers) out << "resendControllers";
        if (!buttonController) out << "buttonController";
        if (!channelController) out << "channelController";
        if (!channelControlValue) out << "channelControlValue";
        if (!setChannelControlValue) out << "setChannelControlValue";
        if (!setChannelVoice) out << "setChannelVoice";
        if (!setControllerTarget) out << "setControllerTarget";
        return out;
    }
};
