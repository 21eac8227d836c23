#pragma once
// Key preview: the application's key events, turned into virtual-key presses and releases.
#include <QKeyEvent>

#include "performance.h"

namespace piano {

// Gives a key press or release to KeyDown or KeyUp. Held keys repeat as presses only, as the key map
// expects. Returns false: the event goes on to the focused control.
bool HandleKeyEvent(Performance &p, const QKeyEvent &event);

}  // namespace piano
