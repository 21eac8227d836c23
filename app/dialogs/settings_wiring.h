#pragma once

class QWidget;
struct Program;

// Plugs the settings dialog into the main window: the settings-dialog hook (which the about picture and
// "关于..." use), the menu items "音序器..." and "界面...", and "帮助..." for the help page.
namespace SettingsWiring {
void connect(Program &program, QWidget *window);
}
