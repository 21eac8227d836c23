#include "skin_fixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace SkinFixture {

QStringList skinNames() {
    QStringList names;
    for (int n : {0,  1,  2,  3,  4,  5,  7,  8,  9,  10, 11, 12, 16, 17, 18, 19, 20,
                  21, 22, 23, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39})
        names << QString("B%1").arg(n);
    return names;
}

QStringList defaultNames() {
    QStringList names;
    for (int n = 1; n <= 36; ++n)
        names << QString("BEIFENB%1").arg(n);
    return names;
}

bool writeBitmap(const QString &path, const QSize &size, const QColor &colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "BMP");
}

QColor colourOf(const QString &name, int salt) {
    const size_t h = qHash(name, 7 + salt);
    return QColor(int(h & 0xFF), int((h >> 8) & 0xFF), int((h >> 16) & 0xFF));
}

QColor colourAt(const QPixmap &picture) {
    if (picture.isNull()) return {};
    return QColor(picture.toImage().pixel(0, 0));
}

bool writeLibrary(const QString &dir, const QString &fileName, const QStringList &names, int salt) {
    QTemporaryDir work;
    if (!work.isValid()) return false;
    QFile qrc(work.filePath("library.qrc"));
    if (!qrc.open(QIODevice::WriteOnly)) return false;
    qrc.write("<RCC><qresource prefix=\"/\">\n");
    for (const QString &name : names) {
        // Three glyph states side by side for every picture; the tests only look at which one is shown.
        if (!writeBitmap(work.filePath(name + ".bmp"), QSize(12, 6), colourOf(name, salt))) return false;
        qrc.write(QString("<file alias=\"%1\">%1.bmp</file>\n").arg(name).toUtf8());
    }
    qrc.write("</qresource></RCC>\n");
    qrc.close();
    QProcess rcc;
    rcc.setWorkingDirectory(work.path());
    rcc.start(PIANO_TEST_RCC, {"-binary", "library.qrc", "-o", QDir(dir).filePath(fileName)});
    return rcc.waitForFinished(30000) && rcc.exitCode() == 0;
}

}  // namespace SkinFixture
