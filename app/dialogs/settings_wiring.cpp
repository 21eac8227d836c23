#include "settings_wiring.h"

#include "program.h"
#include "settings_dialog.h"

namespace SettingsWiring {

void connect(Program &program, QWidget *window) {
    program.hooks.openSettingsDialog = [&program, window](int page) {
        SettingsDialog::openModal(program, page, window);
    };
}

}  // namespace SettingsWiring
