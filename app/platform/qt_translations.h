#pragma once

class QCoreApplication;
class QTranslator;

// Qt's own texts (the buttons of message boxes, the file and colour dialogs) in Simplified Chinese,
// whatever the system locale: every other text of the program is Chinese. Returns the installed
// translator, owned by the application, or null when the translation file is not installed (Qt's texts
// then stay English).
QTranslator *installChineseQtTranslations(QCoreApplication &app);
