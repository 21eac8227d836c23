#pragma once

class QWidget;
struct Program;

// Plugs the settings dialog into the main window's settings-dialog hook, which the about picture and
// the context menu's "音序器...", "界面..." and "关于..." use.
namespace SettingsWiring {
void connect(Program &program, QWidget *window);
}
