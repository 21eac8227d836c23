#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

struct Program;

// Pictures of the main window from the skin and default libraries, with loose bitmap files in the
// installation directory overriding some of them. Missing bitmaps throw MissingBitmap.
namespace Skin {

// Colours are stored as 0x00BBGGRR integers; only the low three bytes make the colour.
QColor colourFromValue(int value);

// The loose file in the installation directory if it exists, else the skin's bitmap.
QPixmap looseOrSkin(const Program &program, const QString &looseFile, const QString &skinName);

void loadSkin(Program &program);
// 1: key pictures of the current layout; 2: the enlarged layout's button pictures. Others: nothing.
void loadKeyPictures(Program &program, int kind);
// The enlarged layout's own keyboard and background pictures and its button pictures, which a skin
// chosen while enlarged must not replace.
void showEnlargedPictures(Program &program);
void applyColour(Program &program, int colour);
void applyFlatButtons(Program &program, int flag);
void applyPlainPictures(Program &program, int value);
// Pictures of the stop/record and mode buttons for the mode being entered.
void showModePictures(Program &program, bool recordMode);

}  // namespace Skin
