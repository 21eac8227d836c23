#include "sliders.h"

#include <algorithm>

namespace piano {
namespace {

constexpr int kThumbOffset = 8;  // mouse to thumb edge, the same in both layouts
constexpr int kControllerPage = 6;
constexpr int kControllerTargetAccomp = 5;
constexpr int kMaxVolume = 65535;

int index(SliderId id) {
    return static_cast<int>(id);
}

bool startsDrag(SliderId id, MouseButton button) {
    switch (id) {
        case SliderId::Volume:
            return button != MouseButton::Right;
        case SliderId::AccompController:
            return button == MouseButton::Left;
        default:
            return true;
    }
}

int byteValue(int v) {
    return std::clamp(v, 0, 127);
}

}  // namespace

bool IsVerticalSlider(SliderId id) {
    return index(id) < 4;
}

int PlaceThumb(const LayoutTables &layout, bool vertical, int position) {
    const int limit = layout[vertical ? kVerticalSliderLimit : kHorizontalSliderLimit];
    const int end = layout[vertical ? kVerticalSliderEnd : kHorizontalSliderEnd];
    if (position < kThumbOffset + 1) return 1;
    if (position > limit) return end;
    return position - kThumbOffset;
}

void SliderPress(Performance &p, SliderId id, MouseButton button, int position) {
    if (startsDrag(id, button)) {
        p.sliders.dragging[index(id)] = true;
        p.sliders.thumb[index(id)] = PlaceThumb(p.layout, IsVerticalSlider(id), position);
        return;
    }
    if (id == SliderId::Volume) {
        if (p.hooks.startVolumeControl) p.hooks.startVolumeControl();
    } else if (id == SliderId::AccompController) {
        p.state.controllerTarget() = kControllerTargetAccomp;
        EngineCall(p.engine, MDRV_USER_PROGRAMS);
        if (p.hooks.openFunctionDialog) p.hooks.openFunctionDialog(kControllerPage, false);
    }
}

void SliderMove(Performance &p, SliderId id, int position) {
    if (p.sliders.dragging[index(id)])
        p.sliders.thumb[index(id)] = PlaceThumb(p.layout, IsVerticalSlider(id), position);
}

void SliderRelease(Performance &p, SliderId id) {
    p.sliders.dragging[index(id)] = false;
}

void SendSliders(Performance &p) {
    const auto &thumb = p.sliders.thumb;
    int volume, songVelocity, accompVelocity, keyboardVelocity, bend, controller;
    if (p.layout.enlarged) {
        // The enlarged thumb can pass the zero point by one pixel; it reads as the zero point there.
        const int k = p.layout[kVerticalSliderEnd];
        auto fromTop = [&](SliderId id) { return k - std::min(thumb[index(id)], k); };
        volume = fromTop(SliderId::Volume) * 1670;
        songVelocity = fromTop(SliderId::SongVolume) / 4 + 1;
        accompVelocity = fromTop(SliderId::AccompVolume) / 4 + 1;
        keyboardVelocity = fromTop(SliderId::KeyboardVolume) * 3 + 10;
        bend = thumb[index(SliderId::AccompPitch)] * 2 + 30;
        controller = thumb[index(SliderId::AccompController)] * 2 + 30;
    } else {
        auto fromTop = [&](SliderId id) { return 26 - thumb[index(id)]; };
        volume = fromTop(SliderId::Volume) * 2500;
        songVelocity = fromTop(SliderId::SongVolume) / 3 + 2;
        accompVelocity = fromTop(SliderId::AccompVolume) / 3 + 2;
        keyboardVelocity = fromTop(SliderId::KeyboardVolume) * 5;
        bend = thumb[index(SliderId::AccompPitch)] * 4;
        controller = thumb[index(SliderId::AccompController)] * 4;
    }
    // Thumb positions restored from a hand-edited settings file must not send values out of range.
    EngineCall(p.engine, MDRV_SET_VOLUME, std::clamp(volume, 0, kMaxVolume));
    EngineCall(p.engine, MDRV_SET_SONG_VELOCITY, byteValue(songVelocity));
    EngineCall(p.engine, MDRV_SET_ACCOMP_VELOCITY, byteValue(accompVelocity));
    p.keyboardVelocity = static_cast<uint8_t>(byteValue(keyboardVelocity));
    EngineCall(p.engine, MDRV_SET_ACCOMP_SPEED, byteValue(thumb[index(SliderId::AccompSpeed)] / 4));
    EngineCall(p.engine, MDRV_SET_ACCOMP_BEND, byteValue(bend));
    EngineCall(p.engine, MDRV_SET_ACCOMP_CONTROLLER_VALUE, byteValue(controller));
}

}  // namespace piano
