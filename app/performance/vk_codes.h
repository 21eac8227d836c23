#pragma once
// Windows virtual-key codes of the physical keys, the codes the key map is indexed by. They follow the
// key's place on the keyboard, not the character it types: Shift, NumLock and the layout do not change
// them, and the keypad keys have codes of their own.
#include <QtCore/qnamespace.h>

#include <cstdint>

namespace piano {

// From an X11 key code (evdev scan code + 8); 0 when the key has no virtual-key code.
int VkFromX11ScanCode(uint32_t scanCode);

// Where no scan code is known: from Qt's key and modifiers (the keypad flag marks keypad keys).
int VkFromQtKey(int key, Qt::KeyboardModifiers modifiers);

// The scan code when there is one, else the Qt key.
int VkFromKeyEvent(uint32_t nativeScanCode, int key, Qt::KeyboardModifiers modifiers);

}  // namespace piano
