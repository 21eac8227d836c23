#include "context_menu.h"

#include "help_page.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "display_view.h"
#include "function_page.h"
#include "program.h"
#include "song_list.h"
#include "startup.h"

namespace ContextMenu {

namespace {

Launcher defaultLauncher;
Launcher *launcher = &defaultLauncher;

void connectItem(Program &p, const char *formName, std::function<void()> action) {
    QAction *item = p.controls.menuItems.at(formName);
    QObject::connect(item, &QAction::triggered, item, [action = std::move(action)] { action(); });
}

}  // namespace

bool Launcher::openUrl(const QString &localFile) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(localFile));
}

bool Launcher::startDetached(const QString &program, const QStringList &arguments) {
    return QProcess::startDetached(program, arguments);
}

Launcher &currentLauncher() {
    return *launcher;
}

void setLauncher(Launcher *replacement) {
    launcher = replacement ? replacement : &defaultLauncher;
}

void openFunctionPage(Program &p, int page, bool modal) {
    p.hooks.openFunctionDialog(page, modal);
}

void openSettingsPage(Program &p, int page) {
    p.state.settingsPage = page;
    p.hooks.openSettingsDialog(page);
}

void newBuffer(Program &p) {
    Startup::askAboutUnsavedTake(p);
}

void saveBuffer(Program &p) {
    openFunctionPage(p, piano::kPageSave, true);
}

void openHelp(Program &p) {
    HelpPage::open(p);
}

bool Launcher::available(const QString &program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

void openVolumeControl(Program &p) {
    // The sound server's mixer, then the desktop's own sound settings (GNOME, KDE), then the console
    // mixer in a terminal: the first that is installed and starts.
    struct Mixer {
        const char *program;
        QStringList arguments;
        const char *needs;  // a second program the command runs
    };
    const Mixer mixers[] = {
        {"pavucontrol", {}, nullptr},
        {"gnome-control-center", {"sound"}, nullptr},
        {"systemsettings", {"kcm_pulseaudio"}, nullptr},
        {"x-terminal-emulator", {"-e", "alsamixer"}, "alsamixer"},
    };
    for (const Mixer &m : mixers) {
        if (!launcher->available(m.program) || (m.needs && !launcher->available(m.needs))) continue;
        if (launcher->startDetached(m.program, m.arguments)) return;
    }
    p.dialogs.messageBox(QStringLiteral("不能打开系统音量控制:没有找到 pavucontrol、桌面的声音设置或终端里的 "
                                        "alsamixer。\n请安装 pavucontrol。"),
                         QStringLiteral("系统音量"), NW_MB_OK | NW_MB_ICONWARNING);
}

void wire(Program &p) {
    Program *program = &p;
    connectItem(p, "N2", [program] { newBuffer(*program); });
    connectItem(p, "N5", [program] { saveBuffer(*program); });
    connectItem(p, "N6", [program] { SongList::openFiles(*program); });
    connectItem(p, "N13", [program] { DisplayView::setView(*program, ViewTextLines); });
    connectItem(p, "N14", [program] { DisplayView::setView(*program, ViewSongList); });
    connectItem(p, "N15", [program] { DisplayView::setView(*program, ViewLevelMeter); });
    connectItem(p, "N3", [program] { openFunctionPage(*program, piano::kPageVoices, false); });
    connectItem(p, "N10", [program] { openFunctionPage(*program, piano::kPageScale, false); });
    connectItem(p, "N4", [program] { openFunctionPage(*program, piano::kPageAccomp, false); });
    connectItem(p, "N16", [program] {
        program->engine.call(MDRV_USER_PROGRAMS);
        openFunctionPage(*program, piano::kPageChannels, false);
    });
    connectItem(p, "N17", [program] {
        program->engine.call(MDRV_USER_PROGRAMS);
        openFunctionPage(*program, piano::kPageControllers, false);
    });
    connectItem(p, "N11", [program] { openFunctionPage(*program, piano::kPageKeyMap, false); });
    connectItem(p, "N22", [program] { openVolumeControl(*program); });
    connectItem(p, "N23", [program] {
        program->hooks.setControllerTarget(5);
        program->engine.call(MDRV_USER_PROGRAMS);
        openFunctionPage(*program, piano::kPageControllers, false);
    });
    connectItem(p, "N8", [program] { openSettingsPage(*program, 0); });
    connectItem(p, "N9", [program] { openSettingsPage(*program, 1); });
    connectItem(p, "N1", [program] { openHelp(*program); });
}

}  // namespace ContextMenu
