#pragma once
// The MIDI controllers the controller page offers, with the short names the channel page labels use.
#include <array>

namespace piano {

struct ControllerRow {
    int number;
    const char *text;
    const char *channelLabel;
};

constexpr int kControllerRowCount = 26;
extern const std::array<ControllerRow, kControllerRowCount> kControllerList;

// The row holding controller `number`, or -1.
int ControllerRowOf(int number);
// The channel label of controller `number`; "没有使用" when the list lacks it.
const char *ControllerChannelLabel(int number);

}  // namespace piano
