#pragma once

#include <QString>
#include <QStringList>

struct EngineBinding;

// The MIDI output devices as the engine lists them. Row 0 of the device list is the mapper (device -1);
// row k is device k - 1.
namespace OutputDevices {

inline constexpr const char *kMapperRow = "MIDI_MAP";

struct Info {
    QString name;
    int technology = 0;
    int voices = 0;
    int notes = 0;
};

// "MIDI_MAP", then the product name of every device the engine counts.
QStringList rows(const EngineBinding &engine);
// The capabilities of a device (-1 the mapper); false when the engine knows no such device.
bool info(const EngineBinding &engine, int deviceId, Info &out);
// The text shown for a device's technology code.
QString technologyText(int technology);

}  // namespace OutputDevices
