#include "install_registry.h"

#include <QDir>
#include <QSettings>

namespace InstallRegistry {

// Read from the environment on every call (rather than through QSettings' own cached path), so a
// changed XDG_CONFIG_HOME is honoured.
QString filePath() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty()) config = QDir::homePath() + "/.config";
    return config + "/Brenvik.conf";
}

std::optional<QString> installDir() {
    QSettings registry(filePath(), QSettings::IniFormat);
    const QVariant value = registry.value("Install");
    if (!value.isValid()) return std::nullopt;
    return value.toString();
}

bool writeInstallDir(const QString &dir) {
    QSettings registry(filePath(), QSettings::IniFormat);
    registry.setValue("Install", dir);
    registry.sync();
    return registry.status() == QSettings::NoError;
}

}  // namespace InstallRegistry
