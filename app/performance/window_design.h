#pragma once
// The main window's design: where each control sits in the normal layout. The controls are built on it,
// shrinking the window puts them back on it, and the skin generator draws its pictures to it, so a
// picture and the control over it can never disagree. The enlarged layout is derived (see Layout).
#include <QRect>
#include <QSize>
#include <array>

namespace piano::design {

inline constexpr QSize kWindow{450, 210};

inline constexpr QRect kAboutPicture{133, 26, 96, 17};
// The display's three lines, the level meter and the song list share this place.
inline constexpr QRect kDisplay{133, 48, 97, 43};
inline constexpr QRect kControlPanel{130, 99, 108, 22};
inline constexpr QRect kKeyboard{11, 130, 421, 75};
inline constexpr QRect kWindowButtons{395, 9, 42, 14};

// New, save, play, pause, stop/record, mode switch, open files.
inline constexpr std::array<int, 7> kTransportLefts{242, 270, 298, 326, 354, 382, 410};
constexpr QRect TransportButton(int i) {
    return {kTransportLefts[i], 33, 28, 22};
}
inline constexpr QRect kProgressPanel{268, 57, 143, 11};

inline constexpr std::array<int, 4> kControllerButtonLefts{11, 38, 65, 92};
constexpr QRect ControllerButton(int i) {
    return {kControllerButtonLefts[i], 41, 27, 15};
}
inline constexpr QRect kControllerGauges{12, 30, 106, 9};
inline constexpr QRect kValueBar{12, 61, 105, 9};

// Panel mode buttons 1..3 (index 0..2).
inline constexpr std::array<int, 3> kModeButtonTops{78, 93, 108};
constexpr QRect ModeButton(int i) {
    return {92, kModeButtonTops[i], 27, 15};
}

// Master, song, accompaniment and keyboard volume.
inline constexpr std::array<int, 4> kVerticalSliderLefts{15, 39, 56, 73};
constexpr QRect VerticalSlider(int i) {
    return {kVerticalSliderLefts[i], 80, 11, 41};
}
// Accompaniment tempo, pitch and controller.
inline constexpr std::array<int, 3> kHorizontalSliderLefts{300, 348, 396};
constexpr QRect HorizontalSlider(int i) {
    return {kHorizontalSliderLefts[i], 112, 45, 11};
}

inline constexpr std::array<int, 4> kBeatLampLefts{244, 257, 269, 282};
inline constexpr int kBeatLampTop = 115;

}  // namespace piano::design
