#pragma once

#include "layout_scale.h"
#include "window_design.h"

#include <QImage>

// Pictures of the control panel area: the twelve-cell panel, its marker, the beat lamps and the
// slider thumbs.
namespace panel_art {

inline constexpr int kPanelLeft = piano::design::kControlPanel.left();
inline constexpr int kPanelTop = piano::design::kControlPanel.top();
inline constexpr int kPanelWidth = piano::design::kControlPanel.width();
inline constexpr int kPanelHeight = piano::design::kControlPanel.height();

// Draws the panel with its top-left corner at origin (used for the panel picture and the backgrounds).
void DrawControlPanel(QImage &target, QPoint origin, LayoutScale s);
QImage ControlPanel(LayoutScale s);
// Marker cell rectangle inside the panel, for cell 0..11 (the marker's place from the panel tables).
QRect MarkerRect(LayoutScale s, int cell);
QImage Marker();  // the lit lamp that marks the current cell and mode

enum class Lamp { Beat1, Beat2, Beat3, Beat4, Dark };
QImage BeatLamp(Lamp lamp, LayoutScale s);

QImage VerticalThumb();    // 11 x 14
QImage HorizontalThumb();  // 15 x 11

}  // namespace panel_art
