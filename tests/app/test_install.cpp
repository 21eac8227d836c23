#include "test_install.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "install_registry.h"

bool TestInstall::create(const QString &root) {
    installDir = root + "/install";
    capturePath = root + "/capture.txt";
    QDir().mkpath(installDir);
    QDir().mkpath(root + "/config");
    qputenv("XDG_CONFIG_HOME", (root + "/config").toUtf8());
    qputenv("NOTEWIRE_CAPTURE", capturePath.toUtf8());
    if (!InstallRegistry::writeInstallDir(installDir)) return false;
    for (const char *file : {PIANO_TEST_SKIN, PIANO_TEST_DEFAULTS, PIANO_TEST_ENGINE})
        if (!QFile::copy(file, installDir + "/" + QFileInfo(file).fileName())) return false;
    return true;
}
