#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

// Small bitmap libraries for tests: every bitmap name the main window takes, drawn as flat colours,
// packed with rcc into a binary resource file.
namespace SkinFixture {

QStringList skinNames();
QStringList defaultNames();

// Each bitmap is filled with a colour of its own, so a test can tell which one a control shows.
QColor colourOf(const QString &name, int salt = 0);
// The colour at the top-left of a picture.
QColor colourAt(const QPixmap &picture);

// Writes `fileName` in `dir` holding `names`; returns false when rcc fails.
bool writeLibrary(const QString &dir, const QString &fileName, const QStringList &names, int salt = 0);

// A BMP of the given colour, as a loose override file.
bool writeBitmap(const QString &path, const QSize &size, const QColor &colour);

}  // namespace SkinFixture
