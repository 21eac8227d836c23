// Draws the default skin and default bitmaps into BMP files with one Qt resource collection per
// library, ready for rcc:  skin_gen <output dir>   or   skin_gen --preview <dir>
#include "bitmap_catalog.h"
#include "preview.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {

bool WriteLibrary(const QString &outDir, const QString &libName, bitmap_catalog::Library library) {
    const QString bitmapDir = outDir + "/" + libName;
    if (!QDir().mkpath(bitmapDir)) return false;
    QFile qrc(outDir + "/" + libName + ".qrc");
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const auto &e : bitmap_catalog::Entries()) {
        if (e.library != library) continue;
        const QString name = QString::fromStdString(e.name);
        const QString file = libName + "/" + name + ".bmp";
        if (!e.render().save(outDir + "/" + file, "BMP")) {
            std::fprintf(stderr, "skin_gen: cannot write %s\n", qPrintable(file));
            return false;
        }
        out << "  <file alias=\"" << name << "\">" << file << "</file>\n";
    }
    out << "</qresource>\n</RCC>\n";
    return true;
}

}  // namespace

int main(int argc, char **argv) {
    // Text is drawn with the installed fonts; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Build machines often have no session runtime folder; a private one keeps Qt from warning about it.
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid())
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "--preview") return WritePreviews(args[2]) ? 0 : 1;
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: skin_gen <output dir> | skin_gen --preview <dir>\n");
        return 2;
    }
    const bool ok = WriteLibrary(args[1], "skin", bitmap_catalog::Library::Skin) &&
                    WriteLibrary(args[1], "defaults", bitmap_catalog::Library::Defaults);
    return ok ? 0 : 1;
}
