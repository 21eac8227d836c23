#include "app_fixture.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include "skin_fixture.h"

int32_t ScriptedDialogs::messageBox(const QString &text, const QString &caption, uint32_t style) {
    shown.push_back({text, caption, style});
    if (answers.empty()) return NW_IDOK;
    const int32_t answer = answers.front();
    answers.pop_front();
    return answer;
}

std::vector<EngineCall> &recordedEngineCalls() {
    static std::vector<EngineCall> calls;
    return calls;
}

namespace {

EngineBinding::ControlFn realControl = nullptr;

int32_t recordingControl(int32_t command, int32_t arg, const NwHost *host, const char *data) {
    recordedEngineCalls().push_back({command, arg});
    return realControl(command, arg, host, data);
}

}  // namespace

Installation::Installation() {
    QDir(root_.path()).mkpath("D");
    QDir(root_.path()).mkpath("config");
    qputenv("XDG_CONFIG_HOME", root_.filePath("config").toUtf8());
    qputenv("NOTEWIRE_CAPTURE", captureFile().toUtf8());
    QSettings registry(root_.filePath("config/Brenvik.conf"), QSettings::IniFormat);
    registry.setValue("Install", dir());
    registry.sync();
    SkinFixture::writeLibrary(dir(), "BeiFen.dat", SkinFixture::defaultNames());
    writeSkin("resource.skn");
    QFile::link(PIANO_TEST_ENGINE, path("libnotewire.so"));
}

bool Installation::writeSkin(const QString &fileName, const QStringList &extraNames, int salt) const {
    return SkinFixture::writeLibrary(dir(), fileName, SkinFixture::skinNames() + extraNames, salt);
}

QStringList Installation::captureLines() const {
    QFile file(captureFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines;
    for (const QByteArray &line : file.readAll().split('\n'))
        if (!line.isEmpty()) lines << QString::fromUtf8(line).section(' ', 1);  // without the time
    return lines;
}

QStringList Installation::filesInDir() const {
    return QDir(dir()).entryList(QDir::Files, QDir::Name);
}

void Installation::writeSettings(const QString &text) const {
    QFile file(path("Piano"));
    file.open(QIODevice::WriteOnly);
    file.write(text.toUtf8());
}

QString Installation::settingsText() const {
    QFile file(path("Piano"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

void Installation::removeRegistryValue() const {
    QSettings registry(root_.filePath("config/Brenvik.conf"), QSettings::IniFormat);
    registry.remove("Install");
    registry.sync();
}

RunningWindow::RunningWindow(const Installation &) : root_(std::make_unique<CompositionRoot>(dialogs)) {
    recordedEngineCalls().clear();
    root_->program().bindEngine = [](const EngineLibrary &library, EngineBinding &binding) {
        if (!library.bind(binding)) return false;
        realControl = binding.controlMidiDrv;
        binding.controlMidiDrv = recordingControl;
        return true;
    };
}

RunningWindow::~RunningWindow() {
    root_.reset();
}

bool RunningWindow::start() {
    return root_->window().start();
}

void RunningWindow::show() {
    root_->window().show();
}
