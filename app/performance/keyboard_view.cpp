#include "keyboard_view.h"

#include "key_map.h"

namespace piano {
namespace {

constexpr int kShapeByPitchClass[12] = {1, 4, 2, 4, 3, 1, 4, 2, 4, 2, 4, 3};
constexpr int kUnlitPictureOffset = 4;
constexpr int kFirstEchoNote = 36;  // the first slot; echo maps notes to slots by position
constexpr int kLastEchoNote = 95;

bool isSlot(int code) {
    return code >= 1 && code <= kSlotCount;
}

}  // namespace

int KeyShape(int slot) {
    return kShapeByPitchClass[(slot - 1) % 12];
}

int HitKey(const LayoutTables &layout, int x, int y) {
    if (x <= 0 || x >= layout.keyboardWidth) return 0;
    const int blackWidth = layout[kBlackKeyWidth];
    if (y > 0 && y <= layout[kBlackKeyHeight]) {
        for (std::size_t i = 0; i < layout.blackKeyLeft.size(); ++i) {
            const int left = layout.blackKeyLeft[i];
            if (left < x && x < left + blackWidth) return kBlackKeySlots[i];
        }
    }
    const int white = x / layout[kWhiteKeyWidth];
    return white < static_cast<int>(kWhiteKeySlots.size()) ? kWhiteKeySlots[white] : 0;
}

void DrawKey(Performance &p, int code) {
    if (code < 1 || code > 2 * kSlotCount || !p.canvas) return;
    const bool lit = code <= kSlotCount;
    const int slot = lit ? code : code - kSlotCount;
    const int picture = KeyShape(slot) + (lit ? 0 : kUnlitPictureOffset);
    p.canvas->drawKeyPicture(picture, p.layout.keyDrawPosition[slot - 1]);
}

void ClearKeyboard(Performance &p) {
    if (p.canvas) p.canvas->clearKeyboard();
}

void KeyboardMousePress(Performance &p, int x, int y) {
    p.mousePressing = true;
    p.mouseSlot = HitKey(p.layout, x, y);
    PressMouseSlot(p, p.mouseSlot);
}

void KeyboardMouseMove(Performance &p, int x, int y) {
    if (!p.mousePressing) return;
    const int slot = HitKey(p.layout, x, y);
    if (slot == p.mouseSlot) return;
    // One note at a time: release the old key before the new one sounds.
    if (isSlot(p.mouseSlot)) ReleaseMouseSlot(p, p.mouseSlot);
    PressMouseSlot(p, slot);
    p.mouseSlot = slot;
}

void KeyboardMouseRelease(Performance &p) {
    p.mousePressing = false;
    if (isSlot(p.mouseSlot)) ReleaseMouseSlot(p, p.mouseSlot);
}

void HandleKeysMessage(Performance &p, uint32_t wparam, uint32_t lparam) {
    if (wparam == MDRV_NOTIFY_RESET) {
        ClearKeyboard(p);
        // The synthesizer fell back to its own controller values: the keyboard's go out again.
        ForgetControllersSent(p);
        return;
    }
    const int status = lparam & 0xFF;
    const int note = (lparam >> 8) & 0xFF;
    const int velocity = (lparam >> 16) & 0xFF;
    if (note < kFirstEchoNote || note > kLastEchoNote) return;
    const int slot = note - (kFirstEchoNote - 1);
    const bool noteOff =
        NW_MIDI_KIND(status) == NW_NOTE_OFF || (NW_MIDI_KIND(status) == NW_NOTE_ON && velocity == 0);
    if (noteOff)
        TriggerSlot(p, slot + kSlotCount, TriggerMode::Echo);
    else if (NW_MIDI_KIND(status) == NW_NOTE_ON)
        TriggerSlot(p, slot, TriggerMode::Echo);
}

}  // namespace piano
