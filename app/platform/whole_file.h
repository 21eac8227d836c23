#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

// Writes a file whole or not at all: the bytes go to a temporary file beside it that replaces the old
// one only once everything is on disk, so a full disk or a kill mid-write leaves the previous file as
// it was. A symbolic link keeps pointing where it did, at the new contents.
inline bool writeWholeFile(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
