#include "output_devices.h"

#include "engine_binding.h"

namespace OutputDevices {

QStringList rows(const EngineBinding &engine) {
    QStringList list{kMapperRow};
    if (!engine.outputDeviceCount || !engine.outputDeviceCaps) return list;
    const int count = engine.outputDeviceCount();
    for (int id = 0; id < count; ++id) {
        Info device;
        // A device that vanished between the count and the query keeps its row, so rows stay ids + 1.
        list << (info(engine, id, device) ? device.name : QString());
    }
    return list;
}

bool info(const EngineBinding &engine, int deviceId, Info &out) {
    if (!engine.outputDeviceCaps) return false;
    NwDeviceCaps caps{};
    if (engine.outputDeviceCaps(deviceId, &caps) != 1) return false;
    caps.name[sizeof caps.name - 1] = '\0';
    out.name = QString::fromUtf8(caps.name);
    out.technology = caps.technology;
    out.voices = caps.voices;
    out.notes = caps.notes;
    return true;
}

QString technologyText(int technology) {
    switch (technology) {
        case 1:
            return QStringLiteral("MIDI硬件端口");
        case 2:
            return QStringLiteral("音序器");
        case 3:
            return QStringLiteral("波表子合成器");
        case 4:
            return QStringLiteral("FM合成器");
        case 5:
            return QStringLiteral("Microsoft Midi Mapper");
        default:
            return QStringLiteral("这是一个错误的设备");
    }
}

}  // namespace OutputDevices
