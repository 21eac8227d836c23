#include "list_file.h"

#include <QFile>

namespace ListFile {

QStringList read(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(file.readAll());
    text.replace("\r\n", "\n");
    if (text.isEmpty()) return {};
    if (text.endsWith('\n')) text.chop(1);
    return text.split('\n');
}

bool write(const QString &path, const QStringList &lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    for (const QString &line : lines)
        file.write((line + "\n").toUtf8());
    return true;
}

bool createEmpty(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

}  // namespace ListFile
