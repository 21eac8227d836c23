#pragma once

class QWidget;
struct Program;

// Connects the main window's context menu and about picture to the settings dialog and the help page.
namespace SettingsWiring {
void connect(Program &program, QWidget *window);
}
