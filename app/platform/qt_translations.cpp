#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QTranslator *installChineseQtTranslations(QCoreApplication &app) {
    auto *translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_", folder)) {
        delete translator;
        return nullptr;
    }
    app.installTranslator(translator);
    return translator;
}
