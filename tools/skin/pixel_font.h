#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <string_view>

// Small bitmap fonts for numbers and short labels that must stay crisp at a few pixels' height.
namespace pixel_font {

enum class Size { Small3x5, Medium5x7 };

int TextWidth(std::string_view text, Size size, int scale = 1);
int TextHeight(Size size, int scale = 1);
// Draws text with its top-left corner at origin; unknown characters leave a blank.
void DrawText(QImage &image, QPoint origin, std::string_view text, Size size, const QColor &colour,
              int scale = 1);

}  // namespace pixel_font
