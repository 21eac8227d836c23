#pragma once

#include <QString>

// Composes the main window from the generated pictures, as the program places them, into
// preview-normal.png and preview-enlarged.png, to look at the skin without running the program.
bool WritePreviews(const QString &directory);
