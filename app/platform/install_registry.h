#pragma once

#include <QString>
#include <optional>

// The per-user record of where the program is installed: value "Install" of the "Brenvik" settings,
// the file $XDG_CONFIG_HOME/Brenvik.conf (default ~/.config/Brenvik.conf), section [General].
namespace InstallRegistry {

QString filePath();
// The installation directory, or nothing when the value (or the file) is missing.
std::optional<QString> installDir();
bool writeInstallDir(const QString &dir);

}  // namespace InstallRegistry
