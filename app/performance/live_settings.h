#pragma once
// What live playing keeps in the settings file between runs. Live playing owns these values while the
// program runs; start-up hands it the stored ones and the settings are written from what it reports.
#include <array>

#include "performance.h"

namespace piano {

struct ButtonSettings {
    std::array<int, 4> controllerValues{8, 8, 8, 8};  // controller buttons 1..4, 0..16
    std::array<int, 3> panelCells{8, 8, 8};           // the cell marked in panel modes 1..3
    int panelMode = 1;                                // 1 voice and range, 2 effects, 3 accompaniment
    int controllerButton = 1;                         // the selected button: 1, 2, 3 or 5 (button 4)
};

// Thumb top (the four vertical sliders) or left (the three horizontal ones), in the layout in force.
using SliderThumbs = std::array<int, kSliderCount>;

struct LiveSettings {
    ButtonSettings buttons;
    SliderThumbs sliders{8, 8, 8, 8, 8, 8, 8};
};

// Start-up: the stored buttons, cells and panel mode become live playing's own.
void RestoreButtonSettings(Performance &p, const ButtonSettings &stored);
LiveSettings CurrentLiveSettings(const Performance &p);

}  // namespace piano
