#pragma once

#include <QPixmap>

// Small pictures drawn by the program itself for buttons that no skin covers: the three window buttons
// and the four position and song step buttons. Each holds the up, disabled and down states side by side.
namespace WindowGlyphs {

enum class Window { Hide, Resize, Close };
enum class Step { PositionBack, PreviousSong, NextSong, PositionForward };

QPixmap windowGlyph(Window kind);
QPixmap stepGlyph(Step kind);

}  // namespace WindowGlyphs
