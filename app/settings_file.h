#pragma once

#include <QString>

// An INI file with private-profile semantics: sections and keys match without regard to case, every
// write reads the file, changes one value and writes it back (keeping everything else), values are
// written as key=value without blanks, and integers are decimal text.
class SettingsFile {
  public:
    explicit SettingsFile(QString path) : path_(std::move(path)) {}

    const QString &path() const { return path_; }
    bool exists() const;
    // Creates an empty file; false when the folder cannot be written.
    bool createEmpty() const;

    // The value's leading decimal integer; `fallback` when the key is absent, 0 when it holds no number.
    int readInt(const char *section, const char *key, int fallback) const;
    // Read through an 80-byte buffer: at most 79 bytes of the value come back.
    QString readString(const char *section, const char *key, const QString &fallback = {}) const;

    bool writeString(const char *section, const char *key, const QString &value) const;
    bool writeInt(const char *section, const char *key, int value) const;

  private:
    QString path_;
};
