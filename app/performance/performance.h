#pragma once
// Everything live playing keeps between events: the keyboard model, what is held, the controller
// buttons, the control panel, the sliders and the layout. One instance lives in the main window;
// tests build their own. The window supplies the drawing surface and the hooks.
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine_binding.h"
#include "keyboard_state.h"
#include "layout_tables.h"

namespace piano {

// Where the on-screen keyboard is drawn. Pictures 1..4 are the lit keys of shapes 1..4, 5..8 the unlit.
class KeyCanvas {
  public:
    virtual ~KeyCanvas() = default;
    virtual void drawKeyPicture(int picture, int x) = 0;
    // Draws the whole unlit keyboard picture over the lit keys.
    virtual void clearKeyboard() = 0;
};

// What live playing needs from the rest of the program; the composition root fills every one.
struct PerformanceHooks {
    std::function<void(int view)> setDisplayView;
    // The one way to open the function dialog on a page; modal dialogs return when closed.
    std::function<void(int functionPage, bool modal)> openFunctionDialog;
    std::function<void(const std::string &text)> showMessage;
    std::function<void(uint32_t message, uint32_t wparam, uint32_t lparam)> postToWindow;
    // True for an existing file; false for a folder.
    std::function<bool(const std::string &path)> fileExists;
    std::function<void()> startVolumeControl;
    std::function<bool()> functionDialogExists;
    std::function<void()> refillChannelPage;
    // The function dialog's channel rows are refreshed this many main-timer ticks from now.
    std::function<void(int ticksFromNow)> refreshChannelsSoon;

    // The hooks nobody filled (by name).
    QStringList unfilled() const {
        QStringList out;
        if (!setDisplayView) out << "setDisplayView";
        if (!openFunctionDialog) out << "openFunctionDialog";
        if (!showMessage) out << "showMessage";
        if (!postToWindow) out << "postToWindow";
        if (!fileExists) out << "fileExists";
        if (!startVolumeControl) out << "startVolumeControl";
        if (!functionDialogExists) out << "functionDialogExists";
        if (!refillChannelPage) out << "refillChannelPage";
        if (!refreshChannelsSoon) out << "refreshChannelsSoon";
        return out;
    }
};

// ControlMidiDrv(command, arg, host, data) through the binding; 0 when the engine is not bound.
inline int32_t EngineCall(const EngineBinding &engine, int32_t command, int32_t arg = 0,
                          const char *data = "") {
    return engine.controlMidiDrv ? engine.controlMidiDrv(command, arg, engine.host, data) : 0;
}

constexpr int kNoMouseSlot = 62;  // no slot under the mouse: releases nothing

enum class MouseButton { Left, Right, Middle };

// lastSent value meaning "the synthesizer may hold anything": the next note sends the button's value.
constexpr uint8_t kControllerNotSent = 0xFF;

struct ControllerButtons {
    std::array<int32_t, 5> value{0, 8, 8, 8, 8};  // button 1..4, 0..16
    std::array<uint8_t, 5> lastSent{};            // button 1..4, or kControllerNotSent
    int selected = 1;                             // 1, 2, 3 or 5 (button 4)
    int navyGauge = 1;                            // the gauge drawn as selected, 1..4
    int valueBarPosition = 0;
    bool valueBarDragging = false;
};

struct MarkerPosition {
    int left = 0;
    int top = 0;
};

struct ControlPanel {
    int mode = 1;                         // 1 voice and range, 2 effects, 3 accompaniment
    std::array<int, 4> cell{0, 8, 8, 8};  // stored cell of mode 1..3
    int functionPage = 0;                 // page the next non-modal dialog opens on
    MarkerPosition cellMarker;
    MarkerPosition modeMarker;
    std::array<std::string, 4> beatLamp;      // picture name of each lamp
    std::array<std::string, 11> accompFiles;  // the eleven accompaniment pattern paths
    std::string accompFolder;                 // the shipped patterns' folder, ending in '/'
};

enum class SliderId {
    Volume,
    SongVolume,
    AccompVolume,
    KeyboardVolume,
    AccompSpeed,
    AccompPitch,
    AccompController
};
constexpr int kSliderCount = 7;

struct Sliders {
    // Thumb top (the first four, vertical) or left (the last three, horizontal).
    std::array<int, kSliderCount> thumb{8, 8, 8, 8, 8, 8, 8};
    std::array<bool, kSliderCount> dragging{};
};

// What one press sent, so its release releases exactly that whatever changed in between (effect,
// voice, scale, key map, layout). The channel needs no record: the engine moves the keyboard channel
// only while it reopens the device, which ends every note anyway.
struct SoundingPress {
    bool sounding = false;
    uint8_t pitch = 0;
    uint8_t effect = 0;
};

// What a note from a MIDI keyboard sounded. A note on a slot's pitch pressed that slot; any other note
// sounded on its own, its effect placed in the area of the nearest slot.
struct MidiNote {
    SoundingPress press;
    uint8_t slot = 0;        // 1..60, or 0 for a note without a slot
    uint8_t pitchClass = 0;  // where a note without a slot stands in its area, for its effect
};

struct DialogButtonState {
    std::array<bool, 4> marked{};
};

// No engine yet: every call does nothing.
inline const EngineBinding kNoEngine{};

struct Performance {
    // The program's binding, read at each call, so an engine bound (or rebound) later is the one used.
    const EngineBinding *engine = &kNoEngine;
    KeyboardState state;
    std::array<uint8_t, 256> keyHeld{};
    std::array<uint8_t, 256> keySlot{};  // the slot a held key pressed, released even if remapped since
    std::array<uint8_t, kSlotCount + 1> slotHeld{};         // slot 1..60
    std::array<SoundingPress, kSlotCount + 1> slotPress{};  // slot 1..60, pressed by a key
    SoundingPress mousePress;                               // the slot under the mouse
    std::array<MidiNote, 128> midiNotes{};                  // by the note number that came in
    bool midiSustain = false;                               // the MIDI keyboard's pedal is down
    ControllerButtons buttons;
    uint8_t keyboardVelocity = 127;  // until the first main-timer tick reads the slider
    int harmonyEffect = 0;
    LayoutTables layout;
    bool mousePressing = false;
    int mouseSlot = kNoMouseSlot;  // slot code under the mouse
    ControlPanel panel;
    Sliders sliders;
    DialogButtonState dialogButtons;
    KeyCanvas *canvas = nullptr;
    PerformanceHooks hooks;
};

}  // namespace piano
