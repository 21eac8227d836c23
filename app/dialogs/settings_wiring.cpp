#include "settings_wiring.h"

#include <QAction>

#include "help_page.h"
#include "program.h"
#include "settings_dialog.h"

namespace SettingsWiring {

void connect(Program &program, QWidget *window) {
    program.hooks.openSettingsDialog = [&program, window](int page) {
        SettingsDialog::openModal(program, page, window);
    };
    MainWindowControls &c = program.controls;
    auto openOn = [&program](int page) {
        return [&program, page] { program.hooks.openSettingsDialog(page); };
    };
    QObject::connect(c.menuItems.at("N8"), &QAction::triggered, window, openOn(0));
    QObject::connect(c.menuItems.at("N9"), &QAction::triggered, window, openOn(1));
    QObject::connect(c.menuItems.at("N1"), &QAction::triggered, window,
                     [&program] { HelpPage::open(program); });
}

}  // namespace SettingsWiring
