#include "level_meter.h"

#include <QPainter>

#include "notewire/notewire.h"

namespace LevelMeter {

void noteSent(std::array<int, kMeterChannels> &levels, uint32_t packed) {
    const int status = packed & 0xFF;
    if (NW_MIDI_KIND(status) != NW_NOTE_ON) return;
    const int velocity = (packed >> 16) & 0xFF;
    const int level = 12 - velocity / 10;
    int &stored = levels[status & 0x0F];
    if (level < stored) stored = level;
}

void decay(std::array<int, kMeterChannels> &levels) {
    for (int &level : levels)
        ++level;
}

QRect segmentRect(int channel, int segment, bool enlarged) {
    if (enlarged)
        return QRect(QPoint(9 * channel + 1, 3 * segment + 12), QPoint(9 * channel + 8, 3 * segment + 13));
    return QRect(QPoint(6 * channel + 1, 2 * segment + 7), QPoint(6 * channel + 5, 2 * segment + 7));
}

QRect lampRect(bool enlarged) {
    return enlarged ? QRect(QPoint(2, 2), QPoint(9, 11)) : QRect(QPoint(1, 1), QPoint(4, 5));
}

QColor segmentColour(int segment, int level) {
    return segment > level ? Qt::black : Qt::white;
}

void paint(QPainter &painter, const DisplayState &display, bool enlarged) {
    if (display.barsDrawn) {
        for (int channel = 0; channel < kMeterChannels; ++channel)
            for (int segment = 0; segment < kSegments; ++segment)
                painter.fillRect(segmentRect(channel, segment, enlarged),
                                 segmentColour(segment, display.drawnLevels[channel]));
    }
    if (display.lampDrawn) painter.fillRect(lampRect(enlarged), display.lampColour);
}

}  // namespace LevelMeter
