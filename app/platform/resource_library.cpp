#include "resource_library.h"

#include <QFileInfo>
#include <QResource>

bool ResourceLibrary::load(const QString &path) {
    release();
    const QString root = loads_ == 0 ? rootBase_ : QString("%1%2").arg(rootBase_).arg(loads_ + 1);
    ++loads_;
    const QString file = QFileInfo(path).absoluteFilePath();
    if (!QResource::registerResource(file, root)) return false;
    root_ = root;
    file_ = file;
    return true;
}

void ResourceLibrary::release() {
    if (root_.isEmpty()) return;
    QResource::unregisterResource(file_, root_);
    root_.clear();
    file_.clear();
}

bool ResourceLibrary::holds(const QString &name) const {
    return isLoaded() && QResource(":" + root_ + "/" + name).isValid();
}

QPixmap ResourceLibrary::bitmap(const QString &name) const {
    if (!holds(name)) throw MissingBitmap(name);
    QPixmap picture(":" + root_ + "/" + name);
    if (picture.isNull()) throw MissingBitmap(name);
    return picture;
}
