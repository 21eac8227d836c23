#pragma once

#include <QColor>
#include <QString>
#include <array>

constexpr int kMeterChannels = 16;

// What the small display and the transport keep between timer ticks.
struct DisplayState {
    // Per MIDI channel: 0 is a full bar, 12 or more an empty one. A note-on lowers the value, every
    // tick with the meter shown raises it by one.
    std::array<int, kMeterChannels> levelTable{};
    // The bars and the lamp as the timer last drew them; painting repeats exactly that picture.
    std::array<int, kMeterChannels> drawnLevels{};
    bool barsDrawn = false;
    QColor lampColour;
    bool lampDrawn = false;
    // The dialog's main file of the last open: what play loads when files were just chosen.
    QString firstChosenFile;
};
