#include "program_files.h"

#include <QDir>
#include <cstdio>

#include "list_file.h"
#include "program.h"

namespace ProgramFiles {
namespace {

bool saveSettings(Program &p) {
    const MainWindowControls &c = p.controls;
    const StoredSettings &s = p.state.settings;
    const piano::LiveSettings live = p.hooks.liveSettings();
    SettingsFile::Edit ini(p.settings);
    // The thumbs in the layout in force, which is stored beside them.
    ini.setInt(SettingsKeys::kVolume, live.sliders[0]);
    for (int i = 1; i <= 6; ++i)
        ini.setInt(SettingsKeys::kControls[i], live.sliders[i]);
    for (int i = 0; i < 4; ++i)
        ini.setInt(SettingsKeys::kButtons[i], live.buttons.controllerValues[i]);
    for (int i = 0; i < 3; ++i)
        ini.setInt(SettingsKeys::kButtons[4 + i], live.buttons.panelCells[i]);
    ini.setInt(SettingsKeys::kPanelMode, live.buttons.panelMode);
    ini.setInt(SettingsKeys::kControllerButton, live.buttons.controllerButton);
    ini.setString(SettingsKeys::kRecordSong, s.savePlay ? "1" : "0");
    ini.setString(SettingsKeys::kRecordAccomp, s.saveTkb ? "1" : "0");
    if (c.window) {
        ini.setInt(SettingsKeys::kLeft, c.window->x());
        ini.setInt(SettingsKeys::kTop, c.window->y());
    }
    ini.setInt(SettingsKeys::kAccompController, s.controlCode);
    ini.setString(SettingsKeys::kEnlarged, p.state.enlarged ? "1" : "0");
    return ini.commit();
}

bool saveAccompList(Program &p) {
    QListWidget *list = p.controls.accompList;
    if (!list) return true;  // no list was ever loaded: the file stays as it is
    QStringList accompaniments;
    for (int i = 0; i < list->count(); ++i)
        accompaniments << list->item(i)->text();
    return ListFile::write(p.state.paths.accompListFile, accompaniments);
}

}  // namespace

QStringList saveAll(Program &p) {
    QStringList unwritten;
    if (!p.hooks.saveKeyboardState(p.state.paths.keyFile)) unwritten << p.state.paths.keyFile;
    if (!saveSettings(p)) unwritten << p.settings.path();
    if (!saveAccompList(p)) unwritten << p.state.paths.accompListFile;
    return unwritten;
}

bool saveAllAndReport(Program &p) {
    const QStringList unwritten = saveAll(p);
    if (!unwritten.isEmpty()) reportUnwritten(p, unwritten);
    return unwritten.isEmpty();
}

void reportUnwritten(Program &p, const QStringList &paths) {
    QStringList shown;
    for (const QString &path : paths)
        shown << QDir::toNativeSeparators(path);
    if (p.state.ending) {
        std::fprintf(stderr, "piano: could not write %s\n", qPrintable(shown.join(", ")));
        return;
    }
    p.dialogs.messageBox(
        QStringLiteral("不能写入下列文件,所做的更改没有保存:\n%1\n请检查文件夹的写入权限或磁盘空间!")
            .arg(shown.join('\n')),
        QStringLiteral("保存设置"), NW_MB_OK | NW_MB_ICONERROR);
}

}  // namespace ProgramFiles
