#include "preview.h"

#include "bitmap_catalog.h"
#include "keyboard_geometry.h"
#include "layout_scale.h"
#include "panel_art.h"
#include "window_design.h"

#include <QDir>
#include <QPainter>
#include <map>

namespace {

std::map<std::string, QImage> RenderAll() {
    std::map<std::string, QImage> images;
    for (const auto &e : bitmap_catalog::Entries()) {
        const std::string key = (e.library == bitmap_catalog::Library::Skin ? "skin:" : "def:") + e.name;
        images[key] = e.render();
    }
    return images;
}

// One face out of a three-face button strip.
QImage Face(const QImage &strip, int state) {
    const int w = strip.width() / 3;
    return strip.copy(state * w, 0, w, strip.height());
}

QImage Compose(std::map<std::string, QImage> &img, LayoutScale s) {
    const bool big = s.enlarged;
    auto pic = [&](const std::string &skinName, const std::string &defName) -> QImage & {
        return big ? img["def:" + defName] : img["skin:" + skinName];
    };
    QImage out = big ? img["def:BEIFENB15"] : img["skin:B0"];
    out = out.convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    // Transport buttons, with play shown pressed and save disabled to show the three faces.
    const std::pair<const char *, const char *> transport[] = {
        {"B7", "BEIFENB16"},  {"B8", "BEIFENB17"},  {"B9", "BEIFENB18"}, {"B10", "BEIFENB19"},
        {"B11", "BEIFENB20"}, {"B12", "BEIFENB21"}, {"B5", "BEIFENB24"}};
    namespace design = piano::design;
    auto scaled = [&s](const QRect &r) { return s.rect(r.x(), r.y(), r.width(), r.height()); };
    for (int i = 0; i < 7; ++i)
        p.drawImage(scaled(design::TransportButton(i)),
                    Face(pic(transport[i].first, transport[i].second), i == 2   ? 2
                                                                       : i == 1 ? 1
                                                                                : 0));
    const std::pair<const char *, const char *> controllers[] = {
        {"B16", "BEIFENB25"}, {"B17", "BEIFENB26"}, {"B18", "BEIFENB27"}, {"B29", "BEIFENB28"}};
    for (int i = 0; i < 4; ++i)
        p.drawImage(scaled(design::ControllerButton(i)),
                    Face(pic(controllers[i].first, controllers[i].second), i == 0 ? 2 : 0));
    const std::pair<const char *, const char *> modes[] = {
        {"B32", "BEIFENB29"}, {"B33", "BEIFENB30"}, {"B34", "BEIFENB31"}};
    for (int i = 0; i < 3; ++i)
        p.drawImage(scaled(design::ModeButton(i)), Face(pic(modes[i].first, modes[i].second), 0));
    // Panel picture (normal layout only; the enlarged layout shows the background's panel).
    if (!big) p.drawImage(QPoint(panel_art::kPanelLeft, panel_art::kPanelTop), img["skin:B27"]);
    // Markers: mode 2 selected, cell 7 marked.
    const QImage &marker = img["skin:B28"];
    const QSize markerSize(s(marker.width()), s(marker.height()));
    p.drawImage(QRect(QPoint(s(113), s(96)), markerSize), marker);
    p.drawImage(QRect(QPoint(s(160), s(112)), markerSize), marker);
    // Beat lamps, beat 1 lit.
    for (int i = 0; i < 4; ++i) {
        const QImage &lamp = i == 0 ? pic("B19", "BEIFENB32") : pic("B23", "BEIFENB36");
        const int left = design::kBeatLampLefts[i], top = design::kBeatLampTop;
        p.drawImage(big ? QRect(s(left), s(top), 13, 10) : QRect(left, top, 7, 5), lamp);
    }
    // Slider thumbs at their default places.
    for (int i = 0; i < 4; ++i) {
        const QRect track = design::VerticalSlider(i);
        p.drawImage(big ? QRect(s(track.left()), s(track.top()) + s(8), 21, 15)
                        : QRect(track.left(), track.top() + 8, 11, 14),
                    img["skin:B30"]);
    }
    for (int i = 0; i < 3; ++i) {
        const QRect track = design::HorizontalSlider(i);
        p.drawImage(big ? QRect(s(track.left()) + s(8), s(track.top()), 15, 21)
                        : QRect(track.left() + 8, track.top(), 15, 11),
                    img["skin:B31"]);
    }
    // Keyboard with a C major chord and a black key lit, drawn the way the program draws keys.
    const QPoint kb(s(design::kKeyboard.left()), s(design::kKeyboard.top()));
    p.drawImage(kb, big ? img["def:BEIFENB14"] : img["def:BEIFENB13"]);
    for (int slot : {25, 29, 32, 38, 43}) {
        const int shape = int(keyboard_geometry::ShapeOfSlot(slot));
        const QImage &lit =
            big ? img["def:BEIFENB" + std::to_string(4 + shape)] : img["skin:B" + std::to_string(shape)];
        p.drawImage(kb + QPoint(keyboard_geometry::DrawX(s, slot), 0), lit);
    }
    return out;
}

// Every small picture of the normal layout side by side, four times enlarged, to check details.
QImage Parts(std::map<std::string, QImage> &img) {
    const char *names[] = {"B7",  "B8",  "B9",  "B10", "B11", "B12", "B35", "B36",
                           "B5",  "B16", "B17", "B18", "B29", "B32", "B33", "B34",
                           "B19", "B20", "B21", "B22", "B23", "B28", "B30", "B31"};
    const int zoom = 4, gap = 6;
    int width = 0, height = gap;
    for (const char *n : names) {
        const QImage &i = img[std::string("skin:") + n];
        width = std::max(width, i.width() * zoom + 2 * gap);
        height += i.height() * zoom + gap;
    }
    QImage out(width, height, QImage::Format_RGB32);
    out.fill(QColor(0x60, 0x60, 0x60));
    QPainter p(&out);
    int y = gap;
    for (const char *n : names) {
        const QImage &i = img[std::string("skin:") + n];
        p.drawImage(QRect(gap, y, i.width() * zoom, i.height() * zoom), i);
        y += i.height() * zoom + gap;
    }
    return out;
}

}  // namespace

bool WritePreviews(const QString &directory) {
    QDir().mkpath(directory);
    auto images = RenderAll();
    const QImage normal = Compose(images, kNormal);
    const QImage enlarged = Compose(images, kEnlarged);
    return normal.scaled(normal.size() * 2).save(directory + "/preview-normal.png") &&
           enlarged.save(directory + "/preview-enlarged.png") &&
           Parts(images).save(directory + "/preview-parts.png");
}
