#pragma once
// The seven slider panels: thumb placement by the mouse, and the values the main timer sends.
#include "performance.h"

namespace piano {

// The keyboard velocity with the performance-volume thumb at its default place.
constexpr int kDefaultKeyboardVelocity = 115;

bool IsVerticalSlider(SliderId id);
// The display text while the mouse is over a slider panel.
const char *SliderHoverText(SliderId id);

// Position is the mouse's y on a vertical panel, x on a horizontal one.
void SliderPress(Performance &p, SliderId id, MouseButton button, int position);
void SliderMove(Performance &p, SliderId id, int position);
void SliderRelease(Performance &p, SliderId id);

// Thumb top or left for a mouse position, in the layout in force.
int PlaceThumb(const LayoutTables &layout, bool vertical, int position);

// What the sliders send. Both layouts give the same values for the same place of the thumb.
struct SliderValues {
    int volume;
    int songVelocity;
    int accompVelocity;
    int keyboardVelocity;
    int accompSpeed;
    int accompBend;
    int accompController;
};
SliderValues SliderValuesFor(const LayoutTables &layout, const std::array<int, kSliderCount> &thumb);

// The normal layout's thumb position for a thumb position of the layout in force.
int NormalThumb(bool enlarged, int thumb);
// The enlarged layout's thumb position for a normal one: the place NormalThumb brings back to it, so a
// thumb sends the same value in both layouts and returns to its place when the window shrinks.
int EnlargedThumb(int normalThumb);
// Every thumb taken to the other layout's place for it; the keyboard volume's thumb never lands on
// the very top of the normal track.
void ScaleSliderThumbs(Sliders &sliders, bool enlarge);
// The song-volume slider's velocity scale and the performance-volume slider's keyboard velocity, for
// a vertical thumb's top in the normal layout.
int SongVelocityScale(int normalThumbTop);
int KeyboardVelocity(int normalThumbTop);

// One main-timer tick: sends every slider's value and sets the keyboard velocity.
void SendSliders(Performance &p);

}  // namespace piano
