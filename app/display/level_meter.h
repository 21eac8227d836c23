#pragma once

#include <QColor>
#include <QRect>
#include <array>
#include <cstdint>

#include "display_state.h"

class QPainter;

// The 16-channel level meter and the status lamp, both drawn on the display's paint box.
namespace LevelMeter {

constexpr int kSegments = 12;

// A sent message: a note-on (velocity 0 included) raises its channel's bar to 12 - velocity / 10
// when that is taller than what the bar shows.
void noteSent(std::array<int, kMeterChannels> &levels, uint32_t packed);
// One tick of decay: every bar drops one segment.
void decay(std::array<int, kMeterChannels> &levels);

// Segment 0 is the top one. Right and bottom edges are exclusive.
QRect segmentRect(int channel, int segment, bool enlarged);
QRect lampRect(bool enlarged);
// Black for the segments that make the bar, white for the rest.
QColor segmentColour(int segment, int level);

void paint(QPainter &painter, const DisplayState &display, bool enlarged);

}  // namespace LevelMeter
