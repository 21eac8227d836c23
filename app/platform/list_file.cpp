#include "list_file.h"

#include <QFile>

#include "whole_file.h"

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
    QByteArray text;
    for (const QString &line : lines)
        text += (line + "\n").toUtf8();
    return writeWholeFile(path, text);
}

bool createEmpty(const QString &path) {
    return writeWholeFile(path, {});
}

}  // namespace ListFile
