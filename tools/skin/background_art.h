#pragma once

#include "layout_scale.h"

#include <QImage>

// The main window's background in either layout: body, display, control panel, sockets and tracks
// under every control, and the keyboard.
namespace background_art {

QImage MainBackground(LayoutScale s);

// The about picture and the control panel picture are cut from the normal background, so they match
// what shows when the program draws them plain.
QImage AboutPicture();

}  // namespace background_art
