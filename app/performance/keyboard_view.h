#pragma once
// The on-screen keyboard: hit test, mouse playing with glissando, key drawing and the engine's echo.
#include <cstdint>

#include "performance.h"

namespace piano {

// 1 white key with a black key on its right, 2 between two black keys, 3 with one on its left, 4 black.
int KeyShape(int slot);

// Slot 1..60 under a point of the keyboard picture, or 0 where there is none.
int HitKey(const LayoutTables &layout, int x, int y);

// Code 1..60 draws slot `code` lit, 61..120 slot `code - 60` unlit; others draw nothing.
void DrawKey(Performance &p, int code);
void ClearKeyboard(Performance &p);

void KeyboardMousePress(Performance &p, int x, int y);
void KeyboardMouseMove(Performance &p, int x, int y);
void KeyboardMouseRelease(Performance &p);

// The engine's note echo and reset notice.
void HandleKeysMessage(Performance &p, uint32_t wparam, uint32_t lparam);

}  // namespace piano
