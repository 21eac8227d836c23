#pragma once

#include <QString>
#include <QStringList>

// Text files of one path per line: the song list "Files" and the accompaniment list "TkbFile".
namespace ListFile {

// The file's lines (a final line break ends the last line, it does not start an empty one).
QStringList read(const QString &path);
bool write(const QString &path, const QStringList &lines);
bool createEmpty(const QString &path);

}  // namespace ListFile
