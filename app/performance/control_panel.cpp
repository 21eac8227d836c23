#include "control_panel.h"

#include <algorithm>

#include "key_map.h"
#include "keyboard_view.h"

namespace piano {
namespace {

constexpr int kCellCount = 12;
constexpr int kCellsPerRow = 6;
constexpr int kHiddenMarkerLeft = -20;
constexpr int kMaxControllerValue = 16;
constexpr const char *kFileNotFound = "  文件没有找到。";

void moveCellMarker(Performance &p, int cell) {
    if (cell < 0 || cell >= kCellCount) return;
    p.panel.cellMarker.left = p.layout.values[kPanelMarkerLeft0 + cell % kCellsPerRow];
    p.panel.cellMarker.top = p.layout[cell < kCellsPerRow ? kPanelMarkerTopRow1 : kPanelMarkerTopRow2];
}

bool fileExists(const Performance &p, const std::string &path) {
    return p.hooks.fileExists && p.hooks.fileExists(path);
}

std::string fileNamePart(const std::string &path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void restartAccomp(Performance &p, const std::string &path) {
    EngineCall(*p.engine, MDRV_STOP_ACCOMP);
    EngineCall(*p.engine, MDRV_LOAD_ACCOMP, 0, path.c_str());
    EngineCall(*p.engine, MDRV_START_ACCOMP);
}

void chooseAccomp(Performance &p, int cell) {
    if (cell == 0) {
        EngineCall(*p.engine, MDRV_STOP_ACCOMP);
        if (p.hooks.postToWindow) p.hooks.postToWindow(WM_MDRV_ACCOMP_NOTE, kPanelMarkersHidden, 100);
        return;
    }
    std::string &path = p.panel.accompFiles[cell - 1];
    // An empty entry names no file: the folder alone is no pattern. The running pattern plays on.
    const std::string name = fileNamePart(path);
    if (!name.empty() && fileExists(p, path)) {
        restartAccomp(p, path);
        return;
    }
    // A list written on another machine: look for the same pattern among the shipped ones.
    const std::string alt = p.panel.accompFolder + name;
    if (!name.empty() && fileExists(p, alt)) {
        path = alt;
        restartAccomp(p, path);
    } else if (p.hooks.showMessage) {
        p.hooks.showMessage(alt + kFileNotFound);
    }
}

void openDialog(Performance &p, int page, bool modal) {
    if (p.hooks.openFunctionDialog) p.hooks.openFunctionDialog(page, modal);
}

int valueBarMaximum(const Performance &p) {
    return p.layout[kValueBarMaximum];
}

}  // namespace

void SetPanelMode(Performance &p, int mode) {
    if (mode == kPanelMarkersHidden) {
        p.panel.cellMarker.left = kHiddenMarkerLeft;
        p.panel.modeMarker.left = kHiddenMarkerLeft;
        return;
    }
    if (mode < kPanelModeVoice || mode > kPanelModeAccomp) return;
    p.panel.mode = mode;
    if (mode == kPanelModeVoice) p.panel.functionPage = kPagePanelCell;
    if (mode == kPanelModeAccomp) p.panel.functionPage = kPageAccomp;
    moveCellMarker(p, p.panel.cell[mode]);
    p.panel.modeMarker.left = p.layout[kModeMarkerLeft];
    p.panel.modeMarker.top = p.layout.values[kModeMarkerTop1 + mode - 1];
}

bool PlacePanelMarkers(Performance &p) {
    const int mode = p.panel.mode;
    if (mode < kPanelModeVoice || mode > kPanelModeAccomp) return false;
    const bool hidden = p.panel.modeMarker.left == kHiddenMarkerLeft;
    moveCellMarker(p, p.panel.cell[mode]);
    p.panel.modeMarker.left = p.layout[kModeMarkerLeft];
    p.panel.modeMarker.top = p.layout.values[kModeMarkerTop1 + mode - 1];
    if (hidden) {
        p.panel.cellMarker.left = kHiddenMarkerLeft;
        p.panel.modeMarker.left = kHiddenMarkerLeft;
    }
    return true;
}

void ClickPanel(Performance &p, int x, int y) {
    const int c = x / p.layout[kPanelCellWidth] + (y / p.layout[kPanelCellHeight] == 1 ? kCellsPerRow : 0);
    if (c < 0 || c >= kCellCount) return;
    p.panel.cell[p.panel.mode] = c;
    moveCellMarker(p, c);
    if (p.panel.mode == kPanelModeEffects) {
        p.harmonyEffect = c;
        ClearKeyboard(p);
        SilenceKeyboard(p);
    } else if (p.panel.mode == kPanelModeAccomp) {
        chooseAccomp(p, c);
    }
}

void DoubleClickPanel(Performance &p) {
    if (p.panel.mode == kPanelModeEffects) {
        if (p.harmonyEffect < 6) return;
        openDialog(p, kPageChordVoice1, true);
        openDialog(p, kPageChordVoice2, false);
    } else {
        openDialog(p, p.panel.functionPage, false);
    }
}

void ShowBeat(Performance &p, int k) {
    if (k < 1 || k > 5) return;
    static constexpr const char *kNormalLit[4] = {"B19", "B20", "B21", "B22"};
    static constexpr const char *kEnlargedLit[4] = {"BEIFENB32", "BEIFENB33", "BEIFENB34", "BEIFENB35"};
    const bool enlarged = p.layout.enlarged;
    for (int lamp = 1; lamp <= 4; ++lamp) {
        if (lamp == k)
            p.panel.beatLamp[lamp - 1] = enlarged ? kEnlargedLit[lamp - 1] : kNormalLit[lamp - 1];
        else
            p.panel.beatLamp[lamp - 1] = enlarged ? "BEIFENB36" : "B23";
    }
}

namespace {

void selectButton(Performance &p, int button) {
    if (button < 1 || button > 4) return;
    p.buttons.navyGauge = button;
    p.buttons.selected = button == 4 ? 5 : button;
    p.state.controllerTarget() = static_cast<uint8_t>(button);
    p.buttons.valueBarPosition = p.buttons.value[button] * p.layout[kValueBarFactor];
}

}  // namespace

void SelectControllerButton(Performance &p, int button) {
    selectButton(p, button);
    SendChangedControllers(p);
}

void RestoreControllerSelection(Performance &p, int saved) {
    p.buttons.selected = saved;
    p.state.controllerTarget() = static_cast<uint8_t>(saved);
    // Start-up: the device is still opening, the first note sends the values.
    if (saved >= 1 && saved <= 3) selectButton(p, saved);
    if (saved == 5) selectButton(p, 4);
}

void ApplyValueBar(Performance &p) {
    const int sel = p.buttons.selected;
    if (sel != 1 && sel != 2 && sel != 3 && sel != 5) return;
    const int button = sel == 5 ? 4 : sel;
    p.buttons.value[button] =
        std::clamp(p.buttons.valueBarPosition / p.layout[kValueBarFactor], 0, kMaxControllerValue);
    // Heard at once: a pedal goes down or up when it is set, not with the next note.
    SendChangedControllers(p);
}

void ValueBarPress(Performance &p, int x) {
    p.buttons.valueBarDragging = true;
    p.buttons.valueBarPosition = std::clamp(x, 0, valueBarMaximum(p));
}

void ValueBarMove(Performance &p, int x) {
    if (p.buttons.valueBarDragging) p.buttons.valueBarPosition = std::clamp(x, 0, valueBarMaximum(p));
}

void ValueBarRelease(Performance &p) {
    p.buttons.valueBarDragging = false;
    ApplyValueBar(p);
}

}  // namespace piano
