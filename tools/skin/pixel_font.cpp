#include "pixel_font.h"

#include <cstdint>

namespace pixel_font {
namespace {

struct Glyph {
    char ch;
    uint8_t rows[7];  // bits from the left, most significant used bit first
};

// 3 x 5: digits and a few capitals for labels.
constexpr Glyph kSmall[] = {
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}}, {'3', {7, 1, 3, 1, 7}},
    {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 7, 1, 7}}, {'6', {7, 4, 7, 5, 7}}, {'7', {7, 1, 2, 2, 2}},
    {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 7}}, {'A', {2, 5, 7, 5, 5}}, {'C', {3, 4, 4, 4, 3}},
    {'E', {7, 4, 6, 4, 7}}, {'L', {4, 4, 4, 4, 7}}, {'M', {5, 7, 7, 5, 5}}, {'O', {2, 5, 5, 5, 2}},
    {'P', {6, 5, 6, 4, 4}}, {'S', {3, 4, 2, 1, 6}}, {'T', {7, 2, 2, 2, 2}}, {'V', {5, 5, 5, 5, 2}},
    {'K', {5, 5, 6, 5, 5}}, {'N', {5, 7, 7, 7, 5}}, {'G', {3, 4, 5, 5, 3}}, {'R', {6, 5, 6, 5, 5}},
    {'I', {7, 2, 2, 2, 7}}, {'D', {6, 5, 5, 5, 6}}, {'B', {6, 5, 6, 5, 6}}, {'H', {5, 5, 7, 5, 5}},
    {'U', {5, 5, 5, 5, 7}}, {'W', {5, 5, 7, 7, 5}}, {'Y', {5, 5, 2, 2, 2}}, {'F', {7, 4, 6, 4, 4}},
    {'-', {0, 0, 7, 0, 0}}, {'/', {1, 1, 2, 4, 4}},
};

// 5 x 7 digits.
constexpr Glyph kMedium[] = {
    {'0', {14, 17, 19, 21, 25, 17, 14}}, {'1', {4, 12, 4, 4, 4, 4, 14}},  {'2', {14, 17, 1, 2, 4, 8, 31}},
    {'3', {31, 2, 4, 2, 1, 17, 14}},     {'4', {2, 6, 10, 18, 31, 2, 2}}, {'5', {31, 16, 30, 1, 1, 17, 14}},
    {'6', {6, 8, 16, 30, 17, 17, 14}},   {'7', {31, 1, 2, 4, 8, 8, 8}},   {'8', {14, 17, 17, 14, 17, 17, 14}},
    {'9', {14, 17, 17, 15, 1, 2, 12}},
};

struct Metrics {
    int width, height;
    const Glyph *glyphs;
    int count;
};

Metrics MetricsOf(Size size) {
    if (size == Size::Small3x5) return {3, 5, kSmall, int(std::size(kSmall))};
    return {5, 7, kMedium, int(std::size(kMedium))};
}

const Glyph *Find(const Metrics &m, char c) {
    for (int i = 0; i < m.count; ++i)
        if (m.glyphs[i].ch == c) return &m.glyphs[i];
    return nullptr;
}

}  // namespace

int TextWidth(std::string_view text, Size size, int scale) {
    if (text.empty()) return 0;
    const Metrics m = MetricsOf(size);
    return (int(text.size()) * (m.width + 1) - 1) * scale;
}

int TextHeight(Size size, int scale) {
    return MetricsOf(size).height * scale;
}

void DrawText(QImage &image, QPoint origin, std::string_view text, Size size, const QColor &colour,
              int scale) {
    const Metrics m = MetricsOf(size);
    int x0 = origin.x();
    for (char c : text) {
        if (const Glyph *g = Find(m, c)) {
            for (int row = 0; row < m.height; ++row)
                for (int col = 0; col < m.width; ++col) {
                    if (!(g->rows[row] & (1 << (m.width - 1 - col)))) continue;
                    for (int dy = 0; dy < scale; ++dy)
                        for (int dx = 0; dx < scale; ++dx) {
                            const int x = x0 + col * scale + dx, y = origin.y() + row * scale + dy;
                            if (image.rect().contains(x, y)) image.setPixel(x, y, colour.rgb());
                        }
                }
        }
        x0 += (m.width + 1) * scale;
    }
}

}  // namespace pixel_font
