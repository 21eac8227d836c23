#pragma once

#include <QImage>

// Pictures outside the main window's layout.
namespace extras_art {

QImage SettingsDialogBackground();  // stretched over the settings dialog
QImage FunctionDialogBackground();  // stretched over every page of the function dialog
QImage FlatButtonsFlag();           // its presence in a library asks for flat transport buttons

}  // namespace extras_art
