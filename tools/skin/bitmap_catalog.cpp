#include "bitmap_catalog.h"

#include "background_art.h"
#include "button_art.h"
#include "extras_art.h"
#include "keyboard_art.h"
#include "panel_art.h"

namespace bitmap_catalog {
namespace {

using button_art::Glyph;
using keyboard_geometry::KeyShape;
using panel_art::Lamp;

std::string Beifen(int n) {
    return "BEIFENB" + std::to_string(n);
}

std::vector<Entry> Build() {
    std::vector<Entry> e;
    auto skin = [&e](std::string name, std::function<QImage()> f) {
        e.push_back({std::move(name), Library::Skin, std::move(f)});
    };
    auto defaults = [&e](std::string name, std::function<QImage()> f) {
        e.push_back({std::move(name), Library::Defaults, std::move(f)});
    };
    auto strip = [](Glyph g, LayoutScale s) { return [g, s] { return button_art::Strip(g, s); }; };
    const KeyShape shapes[] = {KeyShape::WhiteBlackRight, KeyShape::WhiteBetween, KeyShape::WhiteBlackLeft,
                               KeyShape::Black};

    // Skin library: the normal layout.
    skin("B0", [] { return background_art::MainBackground(kNormal); });
    for (int i = 0; i < 4; ++i)
        skin("B" + std::to_string(i + 1),
             [shape = shapes[i]] { return keyboard_art::KeyPicture(kNormal, shape, true); });
    skin("B5", strip(Glyph::Open, kNormal));
    skin("B7", strip(Glyph::NewBuffer, kNormal));
    skin("B8", strip(Glyph::Save, kNormal));
    skin("B9", strip(Glyph::Play, kNormal));
    skin("B10", strip(Glyph::Pause, kNormal));
    skin("B11", strip(Glyph::Stop, kNormal));
    skin("B12", strip(Glyph::SongMode, kNormal));
    skin("B16", strip(Glyph::Controller1, kNormal));
    skin("B17", strip(Glyph::Controller2, kNormal));
    skin("B18", strip(Glyph::Controller3, kNormal));
    const Lamp lamps[] = {Lamp::Beat1, Lamp::Beat2, Lamp::Beat3, Lamp::Beat4, Lamp::Dark};
    for (int i = 0; i < 5; ++i)
        skin("B" + std::to_string(19 + i), [lamp = lamps[i]] { return panel_art::BeatLamp(lamp, kNormal); });
    skin("B27", [] { return panel_art::ControlPanel(kNormal); });
    skin("B28", [] { return panel_art::Marker(); });
    skin("B29", strip(Glyph::Controller4, kNormal));
    skin("B30", [] { return panel_art::VerticalThumb(); });
    skin("B31", [] { return panel_art::HorizontalThumb(); });
    skin("B32", strip(Glyph::PanelVoices, kNormal));
    skin("B33", strip(Glyph::PanelEffects, kNormal));
    skin("B34", strip(Glyph::PanelAccompaniment, kNormal));
    skin("B35", strip(Glyph::Record, kNormal));
    skin("B36", strip(Glyph::RecordMode, kNormal));
    skin("B37", [] { return background_art::AboutPicture(); });
    skin("B38", [] { return extras_art::SettingsDialogBackground(); });
    skin("B39", [] { return extras_art::FunctionDialogBackground(); });
    skin("Flig", [] { return extras_art::FlatButtonsFlag(); });

    // Default library: unlit keys of the normal layout and everything of the enlarged one.
    for (int i = 0; i < 4; ++i) {
        const KeyShape shape = shapes[i];
        defaults(Beifen(1 + i), [shape] { return keyboard_art::KeyPicture(kNormal, shape, false); });
        defaults(Beifen(5 + i), [shape] { return keyboard_art::KeyPicture(kEnlarged, shape, true); });
        defaults(Beifen(9 + i), [shape] { return keyboard_art::KeyPicture(kEnlarged, shape, false); });
    }
    defaults(Beifen(13), [] { return keyboard_art::RenderKeyboard(kNormal); });
    defaults(Beifen(14), [] { return keyboard_art::RenderKeyboard(kEnlarged); });
    defaults(Beifen(15), [] { return background_art::MainBackground(kEnlarged); });
    const Glyph transport[] = {Glyph::NewBuffer, Glyph::Save,   Glyph::Play,       Glyph::Pause, Glyph::Stop,
                               Glyph::SongMode,  Glyph::Record, Glyph::RecordMode, Glyph::Open};
    for (int i = 0; i < 9; ++i)
        defaults(Beifen(16 + i), strip(transport[i], kEnlarged));
    for (int i = 0; i < 4; ++i)
        defaults(Beifen(25 + i), strip(Glyph(int(Glyph::Controller1) + i), kEnlarged));
    const Glyph modes[] = {Glyph::PanelVoices, Glyph::PanelEffects, Glyph::PanelAccompaniment};
    for (int i = 0; i < 3; ++i)
        defaults(Beifen(29 + i), strip(modes[i], kEnlarged));
    for (int i = 0; i < 5; ++i)
        defaults(Beifen(32 + i), [lamp = lamps[i]] { return panel_art::BeatLamp(lamp, kEnlarged); });
    defaults("Flig", [] { return extras_art::FlatButtonsFlag(); });
    return e;
}

}  // namespace

const std::vector<Entry> &Entries() {
    static const std::vector<Entry> entries = Build();
    return entries;
}

}  // namespace bitmap_catalog
