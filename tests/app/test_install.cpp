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
    // PIANO_TEST_ENGINE in the environment runs the tests against another build of the engine.
    const QByteArray engine = qEnvironmentVariableIsSet("PIANO_TEST_ENGINE") ? qgetenv("PIANO_TEST_ENGINE")
                                                                             : QByteArray(PIANO_TEST_ENGINE);
    for (const QByteArray &file : {QByteArray(PIANO_TEST_SKIN), QByteArray(PIANO_TEST_DEFAULTS), engine})
        if (!QFile::copy(file, installDir + "/" + QFileInfo(file).fileName())) return false;
    return true;
}
