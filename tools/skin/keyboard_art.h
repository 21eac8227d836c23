#pragma once

#include "keyboard_geometry.h"
#include "layout_scale.h"

#include <QImage>

// The keyboard picture (all keys unlit) and the eight key pictures. Both come from one renderer of the
// whole keyboard, so a key picture is exactly the piece of the keyboard it replaces, lit or unlit.
namespace keyboard_art {

// litSlot 0 renders every key unlit.
QImage RenderKeyboard(LayoutScale s, int litSlot = 0);
QImage KeyPicture(LayoutScale s, keyboard_geometry::KeyShape shape, bool lit);

}  // namespace keyboard_art
