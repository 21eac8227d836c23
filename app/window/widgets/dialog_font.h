#pragma once
// The dialogs are laid out on the same fixed pixel grid as the main window. Their text is given in
// pixels (points measured at the grid's 96 per inch), so a desktop text resolution (QT_FONT_DPI, a text
// scaling setting) cannot make it outgrow the controls; a screen scale enlarges grid and text together.
#include <QFont>
#include <QStringList>

#include "design_dpi.h"

constexpr int GridPixels(int points) {
    return (points * kDesignDpi + 36) / 72;
}

// The dialogs' text: nine points on the grid, in the first Chinese face the desktop has.
inline QFont DialogFont(int points = 9) {
    QFont font(QStringList{"SimSun", "WenQuanYi Micro Hei", "Noto Sans CJK SC"});
    font.setPixelSize(GridPixels(points));
    return font;
}
