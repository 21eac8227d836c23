#pragma once

#include <QRect>

// The main window has two layouts: normal (450 x 210) and enlarged, where every design value v becomes
// (v / 2) * 3 with truncation, exactly as the program scales its controls. Artwork is drawn against design
// coordinates and mapped through this so that it lands on the same pixels as the controls.
struct LayoutScale {
    bool enlarged = false;

    int operator()(int v) const { return enlarged ? (v / 2) * 3 : v; }
    QRect rect(int left, int top, int width, int height) const {
        return QRect((*this)(left), (*this)(top), (*this)(width), (*this)(height));
    }
    // Line widths, radii and font sizes: rounded rather than truncated so thin details survive.
    int thick(int v) const { return enlarged ? (v * 3 + 1) / 2 : v; }
    double real(double v) const { return enlarged ? v * 1.5 : v; }
};

inline constexpr LayoutScale kNormal{false};
inline constexpr LayoutScale kEnlarged{true};
