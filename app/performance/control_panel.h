#pragma once
// The control panel (voice and range, effects, accompaniment), its markers and beat lamps, and the
// four controller buttons with their value bar.
#include <cstdint>

#include "function_page.h"
#include "performance.h"

namespace piano {

constexpr int kPanelModeVoice = 1;
constexpr int kPanelModeEffects = 2;
constexpr int kPanelModeAccomp = 3;
constexpr int kPanelMarkersHidden = 5;

// Function dialog pages opened from here.

void SetPanelMode(Performance &p, int mode);
// After a layout change: the markers on the current mode and cell in the layout in force; hidden
// markers stay hidden. False, placing nothing, before a mode is set.
bool PlacePanelMarkers(Performance &p);
void ClickPanel(Performance &p, int x, int y);
void DoubleClickPanel(Performance &p);

// Beat k = 1..4 lights lamp k alone, 5 darkens all four; other values change nothing.
void ShowBeat(Performance &p, int k);

void SelectControllerButton(Performance &p, int button);
// Start-up: the saved selection 1, 2, 3 or 5 (button 4); other values select nothing.
void RestoreControllerSelection(Performance &p, int savedSelection);
void ApplyValueBar(Performance &p);
void ValueBarPress(Performance &p, int x);
void ValueBarMove(Performance &p, int x);
void ValueBarRelease(Performance &p);

// Shown on the display while the mouse is over the value bar and not dragging it.
constexpr const char *kValueBarHoverText = "数值控制.LRU ";

}  // namespace piano
