#pragma once

#include <QString>

struct Program;

// The main window's context menu and the commands behind it and the file buttons.
namespace ContextMenu {

// Opens the function dialog on a page (the page selector holds it only while the dialog is made).
void openFunctionPage(Program &program, int page, bool modal);
// Creates the settings dialog on a page and shows it modally.
void openSettingsPage(Program &program, int page);

// Asks whether to save a non-empty recording buffer: Yes opens the save page, No empties the buffer.
void newBuffer(Program &program);
void saveBuffer(Program &program);
// The help page in the desktop's viewer, or a message when it is missing.
void openHelp(Program &program);
// The system's volume control; a message when none can be started.
void openVolumeControl(Program &program);

// Connects every item of the menu to its action.
void wire(Program &program);

// How the help page and the volume control are started; tests replace them.
struct Launcher {
    virtual ~Launcher() = default;
    virtual bool openUrl(const QString &localFile);
    virtual bool startDetached(const QString &program, const QStringList &arguments);
    virtual bool available(const QString &program);
};
void setLauncher(Launcher *launcher);
Launcher &currentLauncher();

}  // namespace ContextMenu
