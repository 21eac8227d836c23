#include "sliders.h"

#include <algorithm>

namespace piano {
namespace {

constexpr int kThumbOffset = 8;  // mouse to thumb edge, the same in both layouts
constexpr int kControllerPage = 6;
constexpr int kControllerTargetAccomp = 5;
constexpr int kMaxVolume = 65535;
constexpr int kNormalVerticalEnd = 26;  // a vertical thumb's top at the zero point, normal layout
constexpr int kDefaultThumbRise = 26 - 8;
constexpr int kTopKeyboardVelocity = 122;

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
        EngineCall(*p.engine, MDRV_USER_PROGRAMS);
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

int NormalThumb(bool enlarged, int thumb) {
    // The enlarged track is half as long again; round to the nearest normal pixel.
    return enlarged ? (2 * thumb + 1) / 3 : thumb;
}

int EnlargedThumb(int normalThumb) {
    return normalThumb * 3 / 2;
}

void ScaleSliderThumbs(Sliders &sliders, bool enlarge) {
    for (int i = 0; i < kSliderCount; ++i) {
        int &thumb = sliders.thumb[i];
        thumb = enlarge ? EnlargedThumb(thumb) : NormalThumb(true, thumb);
    }
    int &keyboardVolume = sliders.thumb[index(SliderId::KeyboardVolume)];
    if (!enlarge) keyboardVolume = std::max(keyboardVolume, 1);
}

int SongVelocityScale(int normalThumbTop) {
    return byteValue((kNormalVerticalEnd - normalThumbTop) / 3 + 2);
}

int KeyboardVelocity(int normalThumbTop) {
    // Full velocity clips the layered voices and drowns the song: the default place (18 pixels up)
    // plays at 115, within 6 dB of the song and the accompaniment at their default places, the top of
    // the track at 122, and below the default the velocity falls to 0.
    const int up = std::clamp(kNormalVerticalEnd - normalThumbTop, 0, kNormalVerticalEnd - 1);
    if (up <= kDefaultThumbRise)
        return (up * kDefaultKeyboardVelocity + kDefaultThumbRise / 2) / kDefaultThumbRise;
    const int above = kNormalVerticalEnd - 1 - kDefaultThumbRise;
    return kDefaultKeyboardVelocity +
           ((up - kDefaultThumbRise) * (kTopKeyboardVelocity - kDefaultKeyboardVelocity) + above / 2) / above;
}

SliderValues SliderValuesFor(const LayoutTables &layout, const std::array<int, kSliderCount> &thumb) {
    auto normal = [&](SliderId id) { return NormalThumb(layout.enlarged, thumb[index(id)]); };
    auto fromTop = [&](SliderId id) { return kNormalVerticalEnd - normal(id); };
    SliderValues v;
    // Thumb positions restored from a hand-edited settings file must not send values out of range.
    v.volume = std::clamp(fromTop(SliderId::Volume) * 2500, 0, kMaxVolume);
    v.songVelocity = SongVelocityScale(normal(SliderId::SongVolume));
    v.accompVelocity = byteValue(fromTop(SliderId::AccompVolume) / 3 + 2);
    v.keyboardVelocity = KeyboardVelocity(normal(SliderId::KeyboardVolume));
    v.accompSpeed = byteValue(normal(SliderId::AccompSpeed) / 4);
    v.accompBend = byteValue(normal(SliderId::AccompPitch) * 4);
    v.accompController = byteValue(normal(SliderId::AccompController) * 4);
    return v;
}

void SendSliders(Performance &p) {
    const SliderValues v = SliderValuesFor(p.layout, p.sliders.thumb);
    EngineCall(*p.engine, MDRV_SET_VOLUME, v.volume);
    EngineCall(*p.engine, MDRV_SET_SONG_VELOCITY, v.songVelocity);
    EngineCall(*p.engine, MDRV_SET_ACCOMP_VELOCITY, v.accompVelocity);
    p.keyboardVelocity = static_cast<uint8_t>(v.keyboardVelocity);
    EngineCall(*p.engine, MDRV_SET_ACCOMP_SPEED, v.accompSpeed);
    EngineCall(*p.engine, MDRV_SET_ACCOMP_BEND, v.accompBend);
    EngineCall(*p.engine, MDRV_SET_ACCOMP_CONTROLLER_VALUE, v.accompController);
}

}  // namespace piano
