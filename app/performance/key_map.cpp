#include "key_map.h"

#include "control_panel.h"
#include "harmony.h"
#include "keyboard_view.h"

namespace piano {
namespace {

constexpr int kLevelMeterView = 3;
constexpr int kReleaseProgram = 1;

bool isDataByte(int v) {
    return v >= 0 && v <= 127;
}

void refreshControllers(Performance &p) {
    for (int i = 1; i <= 4; ++i) {
        const int value = p.buttons.value[i];
        if (value == p.buttons.lastSent[i]) continue;
        SendKeyboardMessage(p, NW_CONTROL_CHANGE, p.state.buttonController(i), 7 * value);
        p.buttons.lastSent[i] = static_cast<uint8_t>(value);
    }
}

}  // namespace

void SendKeyboardMessage(const Performance &p, int status, int data1, int data2) {
    // A pitch or program above 127 (a high slot plus an interval, or a damaged map) is no MIDI data byte.
    if (!isDataByte(data1) || !isDataByte(data2)) return;
    if (p.engine.sME1) p.engine.sME1(status, data1, data2);
}

void KeyDown(Performance &p, int code) {
    if (p.hooks.setDisplayView) p.hooks.setDisplayView(kLevelMeterView);
    if (code < 0 || code >= kKeyCodeCount) return;
    const int f = p.state.keyFunction(code);
    if (f < kSlotCount) {
        if (p.keyHeld[code]) return;  // keyboard auto-repeat
        TriggerSlot(p, f + 1, TriggerMode::Play);
        p.keyHeld[code] = 1;
    } else if (f <= kLastControllerStep) {
        p.buttons.valueBarPosition = (f - kFirstControllerStep + 1) * p.layout[kValueBarFactor];
        ApplyValueBar(p);
    } else if (f <= kLastButtonSelect) {
        SelectControllerButton(p, f - kFirstButtonSelect + 1);
    }
}

void KeyUp(Performance &p, int code) {
    if (code < 0 || code >= kKeyCodeCount) return;
    const int f = p.state.keyFunction(code);
    if (f >= kSlotCount) return;
    // Sent even without a press seen: the key may have gone down in another window.
    p.keyHeld[code] = 0;
    TriggerSlot(p, f + 1 + kSlotCount, TriggerMode::Play);
}

void TriggerSlot(Performance &p, int c, TriggerMode mode) {
    if (c < 1 || c > 2 * kSlotCount) return;
    const int slot = c <= kSlotCount ? c : c - kSlotCount;
    if (mode == TriggerMode::Echo) {
        if (!p.slotHeld[slot]) DrawKey(p, c);
        return;
    }
    if (c <= kSlotCount) {
        p.slotHeld[slot] = 1;
        DrawKey(p, c);
        SendSlotNote(p, p.state.slotPitch(slot), p.state.slotVoice(slot), c, p.keyboardVelocity);
    } else {
        SendSlotNote(p, p.state.slotPitch(slot), kReleaseProgram, c, 0);
        DrawKey(p, c);
        p.slotHeld[slot] = 0;
    }
}

void SendSlotNote(Performance &p, int pitch, int program, int c, int velocity) {
    refreshControllers(p);
    SendKeyboardMessage(p, NW_PROGRAM_CHANGE, program, 0);
    PlayHarmony(p, p.harmonyEffect, c, velocity);
    SendKeyboardMessage(p, NW_NOTE_ON, pitch, velocity);
}

void SilenceKeyboard(Performance &p) {
    if (!p.engine.sME5) return;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const int pitch = p.state.slotPitch(slot);
        if (!isDataByte(pitch)) continue;
        p.engine.sME5(NW_NOTE_ON, pitch, 0);
        p.engine.sME5(NW_NOTE_ON, pitch, 0);
    }
}

}  // namespace piano
