#pragma once

#include "layout_scale.h"

#include <QImage>
#include <QSize>

// Button pictures: three faces side by side, up, disabled and down, each as large as the button.
namespace button_art {

enum class Glyph {
    NewBuffer,
    Save,
    Play,
    Pause,
    Stop,
    Record,
    SongMode,    // the mode button while the transport plays songs
    RecordMode,  // the mode button while the transport records
    Open,
    Controller1,
    Controller2,
    Controller3,
    Controller4,
    PanelVoices,
    PanelEffects,
    PanelAccompaniment,
};

// Size of one face: transport buttons 28 x 22, controller and panel-mode buttons 27 x 15 (normal layout).
QSize FaceSize(Glyph glyph, LayoutScale s);
QImage Strip(Glyph glyph, LayoutScale s);

// Where the control panel's mode marker sits on a panel-mode button (the button draws a socket there).
QRect ModeLedRect(LayoutScale s);

}  // namespace button_art
