#include "live_settings.h"

#include "control_panel.h"

namespace piano {

void RestoreButtonSettings(Performance &p, const ButtonSettings &stored) {
    for (int i = 0; i < 4; ++i)
        p.buttons.value[i + 1] = stored.controllerValues[i];
    for (int mode = 1; mode <= 3; ++mode)
        p.panel.cell[mode] = stored.panelCells[mode - 1];
    p.harmonyEffect = p.panel.cell[2];
    RestoreControllerSelection(p, stored.controllerButton);
    SetPanelMode(p, stored.panelMode);
}

LiveSettings CurrentLiveSettings(const Performance &p) {
    LiveSettings s;
    for (int i = 0; i < 4; ++i)
        s.buttons.controllerValues[i] = p.buttons.value[i + 1];
    for (int mode = 1; mode <= 3; ++mode)
        s.buttons.panelCells[mode - 1] = p.panel.cell[mode];
    s.buttons.panelMode = p.panel.mode;
    s.buttons.controllerButton = p.buttons.selected;
    s.sliders = p.sliders.thumb;
    return s;
}

}  // namespace piano
