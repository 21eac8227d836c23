#include "test_installation.h"

#include <dlfcn.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <utility>

#include "install_registry.h"
#include "notewire/manual_clock.h"

TestInstallation::TestInstallation(EngineClock clock) {
    if (!root_.isValid()) {
        problem_ = "no temporary folder";
        return;
    }
    QDir(root_.path()).mkpath("install");
    QDir(root_.path()).mkpath("config");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root_.filePath("config")));
    qputenv("NOTEWIRE_CAPTURE", QFile::encodeName(capturePath()));
    if (clock == EngineClock::HandDriven)
        qputenv(NOTEWIRE_MANUAL_CLOCK_VARIABLE, "1");
    else
        qunsetenv(NOTEWIRE_MANUAL_CLOCK_VARIABLE);
    // Programs started here listen to no MIDI keyboard of the machine unless a test asks for one.
    qputenv("NOTEWIRE_MIDI_API", "none");
    if (!InstallRegistry::writeInstallDir(dir())) problem_ = "the registry value was not written";
    // PIANO_TEST_ENGINE in the environment runs the tests against another build of the engine.
    const QString engine = qEnvironmentVariableIsSet("PIANO_TEST_ENGINE")
                               ? qEnvironmentVariable("PIANO_TEST_ENGINE")
                               : QString(PIANO_TEST_ENGINE);
    for (const auto &[source, name] : {std::pair<QString, QString>{PIANO_TEST_SKIN, "resource.skn"},
                                       {PIANO_TEST_DEFAULTS, "BeiFen.dat"},
                                       {engine, "libnotewire.so"}})
        if (!put(source, name)) return;
}

TestInstallation::~TestInstallation() {
    qunsetenv(NOTEWIRE_MANUAL_CLOCK_VARIABLE);
    qunsetenv("NOTEWIRE_MIDI_API");
}

bool TestInstallation::put(const QString &source, const QString &name) {
    if (QFile::copy(source, path(name))) return true;
    problem_ = "could not copy " + source;
    return false;
}

QStringList TestInstallation::captureLines() const {
    QFile file(capturePath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

QStringList TestInstallation::captureEvents() const {
    QStringList events;
    for (const QString &line : captureLines())
        events << line.section(' ', 1);
    return events;
}

QStringList TestInstallation::filesInDir() const {
    return QDir(dir()).entryList(QDir::Files, QDir::Name);
}

void TestInstallation::writeSettings(const QString &text) const {
    writeFile("Piano", text.toUtf8());
}

QString TestInstallation::settingsText() const {
    QFile file(path("Piano"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

bool TestInstallation::writeFile(const QString &name, const QByteArray &bytes) const {
    QFile file(path(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void TestInstallation::removeRegistryValue() const {
    QSettings registry(InstallRegistry::filePath(), QSettings::IniFormat);
    registry.remove("Install");
    registry.sync();
}

bool TestInstallation::advanceEngineClock(int ms) const {
    // The program loaded the engine from this installation; this only finds it, never loads it.
    void *engine = dlopen(QFile::encodeName(enginePath()).constData(), RTLD_NOW | RTLD_NOLOAD);
    if (!engine) return false;
    auto advance = reinterpret_cast<decltype(&nwAdvanceManualClock)>(
        dlsym(engine, NOTEWIRE_ADVANCE_MANUAL_CLOCK_SYMBOL));
    const bool advanced = advance && advance(ms) == ms;
    dlclose(engine);
    return advanced;
}
