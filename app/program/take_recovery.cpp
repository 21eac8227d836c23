#include "take_recovery.h"

#include <QDir>
#include <QFile>

#include "program.h"

namespace TakeRecovery {
namespace {

// Events a take file holds; a larger take is kept whole as a standard MIDI file instead.
constexpr int kTakeFileCapacity = 4095;

}  // namespace

QString keepUnsavedTake(Program &p, const QDateTime &now) {
    if (!p.engine.controlMidiDrv) return {};
    const int events = p.engine.call(MDRV_GET_BUFFER_COUNT);
    if (events <= 0) return {};
    const bool asTake = events <= kTakeFileCapacity;
    const QString name = QStringLiteral("恢复的录音-%1%2")
                             .arg(now.toString(QStringLiteral("yyyyMMdd-HHmmss")),
                                  asTake ? QStringLiteral(".tkb") : QStringLiteral(".mid"));
    const QString path = QDir(p.state.paths.installDir).filePath(name);
    const QByteArray local = QFile::encodeName(path);
    if (p.engine.call(asTake ? MDRV_SAVE_BUFFER_TKB : MDRV_SAVE_BUFFER_MIDI, 0, local.constData()) != 1)
        return {};
    p.settings.writeString(SettingsKeys::kRecoveredTake, path);
    return path;
}

void tellAboutKeptTake(Program &p) {
    const QString path = p.settings.readString(SettingsKeys::kRecoveredTake);
    if (path.isEmpty()) return;
    p.settings.removeKey(SettingsKeys::kRecoveredTake);
    p.dialogs.messageBox(
        QStringLiteral("上次程序结束时录音还没有保存,它已经保存在:\n%1").arg(QDir::toNativeSeparators(path)),
        QStringLiteral("录音已保存"), NW_MB_OK | 0x40);
}

}  // namespace TakeRecovery
