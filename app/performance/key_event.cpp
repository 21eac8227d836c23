#include "key_event.h"

#include "key_map.h"
#include "vk_codes.h"

namespace piano {
namespace {

constexpr int kNoKeyCode = 0xFF;

}  // namespace

bool HandleKeyEvent(Performance &p, const QKeyEvent &event) {
    int code = VkFromKeyEvent(event.nativeScanCode(), event.key(), event.modifiers());
    if (code == 0) code = kNoKeyCode;  // a key without a code of its own plays nothing
    if (event.type() == QEvent::KeyPress) {
        KeyDown(p, code, event.isAutoRepeat() ? KeyStroke::Repeat : KeyStroke::First);
    } else if (event.type() == QEvent::KeyRelease && !event.isAutoRepeat()) {
        KeyUp(p, code);
    }
    return false;
}

}  // namespace piano
