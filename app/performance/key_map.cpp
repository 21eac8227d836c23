#include "key_map.h"

#include "control_panel.h"
#include "harmony.h"
#include "keyboard_view.h"
#include "midi_keyboard.h"

namespace piano {
namespace {

// Controllers that hold notes on while down: sustain, sostenuto and the second hold pedal.
constexpr int kHoldPedals[] = {64, 66, 69};

bool isDataByte(int v) {
    return v >= 0 && v <= 127;
}

bool isHoldPedal(int controller) {
    for (int pedal : kHoldPedals)
        if (controller == pedal) return true;
    return false;
}

void sendSlotNote(Performance &p, int pitch, int program, int c, int velocity, int effect) {
    SendChangedControllers(p);
    SendKeyboardMessage(p, NW_PROGRAM_CHANGE, program, 0);
    PlayHarmony(p, effect, c, pitch, velocity);
    SendKeyboardMessage(p, NW_NOTE_ON, pitch, velocity);
}

// Lifts every pressed hold pedal, so nothing keeps ringing once the keyboard falls silent. The button
// keeps its value: the next note presses the pedal again, as its gauge shows.
void liftHoldPedals(Performance &p) {
    for (int i = 1; i <= 4; ++i) {
        const int controller = p.state.buttonController(i);
        if (!isHoldPedal(controller) || p.buttons.lastSent[i] == 0) continue;
        SendKeyboardMessage(p, NW_CONTROL_CHANGE, controller, 0);
        p.buttons.lastSent[i] = 0;
    }
}

}  // namespace

void PressSlot(Performance &p, int slot, SoundingPress &press, int velocity) {
    const int pitch = p.state.slotPitch(slot);
    // A second press of a slot already sounding (two keys on one slot) keeps the first one's record.
    if (!press.sounding) press = {true, uint8_t(pitch), uint8_t(p.harmonyEffect)};
    p.slotHeld[slot] = 1;
    DrawKey(p, slot);
    sendSlotNote(p, pitch, p.state.slotVoice(slot), slot, velocity, p.harmonyEffect);
}

void ReleaseSlot(Performance &p, int slot, SoundingPress &press) {
    const int c = slot + kSlotCount;
    if (press.sounding) {
        press.sounding = false;
        sendSlotNote(p, press.pitch, kReleaseProgram, c, 0, press.effect);
    } else {
        // Sent even without a press seen: the key may have gone down in another window.
        sendSlotNote(p, p.state.slotPitch(slot), kReleaseProgram, c, 0, p.harmonyEffect);
    }
    DrawKey(p, c);
    p.slotHeld[slot] = 0;
}

void SendChangedControllers(Performance &p) {
    for (int i = 1; i <= 4; ++i) {
        const int value = p.buttons.value[i];
        if (value == p.buttons.lastSent[i]) continue;
        SendKeyboardMessage(p, NW_CONTROL_CHANGE, p.state.buttonController(i), 7 * value);
        p.buttons.lastSent[i] = static_cast<uint8_t>(value);
    }
}

void ForgetControllersSent(Performance &p) {
    for (int i = 1; i <= 4; ++i)
        p.buttons.lastSent[i] = kControllerNotSent;
}

void SendKeyboardMessage(const Performance &p, int status, int data1, int data2) {
    // A pitch or program above 127 (a high slot plus an interval, or a damaged map) is no MIDI data byte.
    if (!isDataByte(data1) || !isDataByte(data2)) return;
    if (p.engine->sME1) p.engine->sME1(status, data1, data2);
}

void KeyDown(Performance &p, int code, KeyStroke kind) {
    if (p.hooks.setDisplayView) p.hooks.setDisplayView(kLevelMeterView);
    if (code < 0 || code >= kKeyCodeCount) return;
    const int f = p.state.keyFunction(code);
    if (f < kSlotCount) {
        // A key held down repeats: one note, also when the note was silenced while the key stayed down.
        if (p.keyHeld[code] || kind == KeyStroke::Repeat) return;
        TriggerSlot(p, f + 1, TriggerMode::Play);
        p.keyHeld[code] = 1;
        p.keySlot[code] = static_cast<uint8_t>(f + 1);
    } else if (f <= kLastControllerStep) {
        p.buttons.valueBarPosition = (f - kFirstControllerStep + 1) * p.layout[kValueBarFactor];
        ApplyValueBar(p);
    } else if (f <= kLastButtonSelect) {
        SelectControllerButton(p, f - kFirstButtonSelect + 1);
    }
}

void KeyUp(Performance &p, int code) {
    if (code < 0 || code >= kKeyCodeCount) return;
    if (p.keyHeld[code]) {
        p.keyHeld[code] = 0;
        TriggerSlot(p, p.keySlot[code] + kSlotCount, TriggerMode::Play);
        return;
    }
    const int f = p.state.keyFunction(code);
    if (f >= kSlotCount) return;
    TriggerSlot(p, f + 1 + kSlotCount, TriggerMode::Play);
}

void TriggerSlot(Performance &p, int c, TriggerMode mode) {
    if (c < 1 || c > 2 * kSlotCount) return;
    const int slot = c <= kSlotCount ? c : c - kSlotCount;
    if (mode == TriggerMode::Echo) {
        if (!p.slotHeld[slot]) DrawKey(p, c);
        return;
    }
    if (c <= kSlotCount)
        PressSlot(p, slot, p.slotPress[slot], p.keyboardVelocity);
    else
        ReleaseSlot(p, slot, p.slotPress[slot]);
}

void PressMouseSlot(Performance &p, int slot) {
    if (slot >= 1 && slot <= kSlotCount) PressSlot(p, slot, p.mousePress, p.keyboardVelocity);
}

void ReleaseMouseSlot(Performance &p, int slot) {
    if (slot >= 1 && slot <= kSlotCount) ReleaseSlot(p, slot, p.mousePress);
}

void SendSlotNote(Performance &p, int pitch, int program, int c, int velocity) {
    sendSlotNote(p, pitch, program, c, velocity, p.harmonyEffect);
}

void SilenceKeyboard(Performance &p) {
    // Every press still sounding is released as its key would release it, harmony and layers included.
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (p.slotPress[slot].sounding) ReleaseSlot(p, slot, p.slotPress[slot]);
    if (p.mousePress.sounding && p.mouseSlot >= 1 && p.mouseSlot <= kSlotCount)
        ReleaseSlot(p, p.mouseSlot, p.mousePress);
    p.mousePress.sounding = false;
    ReleaseMidiNotes(p);
    p.mousePressing = false;
    p.mouseSlot = kNoMouseSlot;
    // The keys' releases may go elsewhere (another window, the menu): their next press plays.
    p.keyHeld.fill(0);
    p.slotHeld.fill(0);
    liftHoldPedals(p);
    if (!p.engine->sME5) return;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const int pitch = p.state.slotPitch(slot);
        if (!isDataByte(pitch)) continue;
        p.engine->sME5(NW_NOTE_ON, pitch, 0);
        p.engine->sME5(NW_NOTE_ON, pitch, 0);
    }
}

}  // namespace piano
