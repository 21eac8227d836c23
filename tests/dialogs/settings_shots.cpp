// Photographs the main window and the three pages of the settings dialog, for a look at them and for the
// help page:  settings_shots <output folder>   (run under xvfb-run; needs the engine and the libraries).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QThread>

#include "composition_root.h"
#include "install_registry.h"
#include "main_window.h"
#include "settings_dialog.h"

namespace {

void settle() {
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(25);
    }
}

}  // namespace

int main(int argc, char **argv) {
    QTemporaryDir temp;
    qputenv("XDG_CONFIG_HOME", temp.filePath("config").toLocal8Bit());
    qputenv("NOTEWIRE_CAPTURE", temp.filePath("capture.txt").toLocal8Bit());
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    const QString dir = temp.filePath("Piano");
    QDir().mkpath(dir);
    QFile::copy(PIANO_TEST_SKIN, dir + "/resource.skn");
    QFile::copy(PIANO_TEST_DEFAULTS, dir + "/BeiFen.dat");
    QFile::copy(PIANO_TEST_ENGINE, dir + "/libnotewire.so");
    QDir().mkpath(temp.filePath("config"));
    InstallRegistry::writeInstallDir(dir);

    QtDialogService dialogs;
    CompositionRoot composition(dialogs);
    MainWindow &window = composition.window();
    if (!window.start()) return 1;
    window.move(20, 20);
    window.show();
    settle();
    window.grab(QRect(0, 0, 450, 210)).save(out + "/main-window.png");

    const char *names[] = {"settings-devices.png", "settings-interface.png", "settings-about.png"};
    for (int page = 0; page < 3; ++page) {
        window.program().state.settingsPage = page;
        SettingsDialog dialog(window.program(), &window);
        dialog.show();
        settle();
        dialog.grab().save(out + "/" + names[page]);
    }
    window.shutdown();
    return 0;
}
