#pragma once

#include <QPixmap>
#include <QString>
#include <stdexcept>

// A bitmap taken by name from a library that does not hold it.
class MissingBitmap : public std::runtime_error {
  public:
    explicit MissingBitmap(const QString &name)
        : std::runtime_error(QString("找不到位图资源 %1").arg(name).toStdString()), name_(name) {}
    const QString &name() const { return name_; }
    QString message() const { return QString::fromStdString(what()); }

  private:
    QString name_;
};

// A bitmap library: a Qt binary resource file whose bitmaps lie at its root under their exact names.
// Every load registers the file under a root of its own, so a replacement never mixes with the
// library it replaces.
class ResourceLibrary {
  public:
    explicit ResourceLibrary(QString rootBase) : rootBase_(std::move(rootBase)) {}
    ~ResourceLibrary() { release(); }
    ResourceLibrary(const ResourceLibrary &) = delete;
    ResourceLibrary &operator=(const ResourceLibrary &) = delete;

    // False (and empty) when the file is not a resource file.
    bool load(const QString &path);
    void release();
    bool isLoaded() const { return !root_.isEmpty(); }
    const QString &root() const { return root_; }

    bool holds(const QString &name) const;
    // Throws MissingBitmap when the library is empty or lacks the name.
    QPixmap bitmap(const QString &name) const;

  private:
    QString rootBase_;
    QString root_;
    QString file_;
    int loads_ = 0;
};
