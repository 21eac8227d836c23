#pragma once

#include <QString>
#include <memory>

#include "settings_keys.h"

// An INI file with private-profile semantics: sections and keys match without regard to case, every
// write reads the file, changes one value and writes it back (keeping everything else), values are
// written as key=value without blanks, and integers are decimal text. The file is always replaced whole,
// so a failed write leaves the previous one as it was.
class SettingsFile {
  public:
    explicit SettingsFile(QString path) : path_(std::move(path)) {}

    const QString &path() const { return path_; }
    bool exists() const;
    // Creates an empty file; false when the folder cannot be written.
    bool createEmpty() const;

    // The value's leading decimal integer; `fallback` when the key is absent, 0 when it holds no number.
    int readInt(const char *section, const char *key, int fallback) const;
    // The whole value, however long.
    QString readString(const char *section, const char *key, const QString &fallback = {}) const;

    bool writeString(const char *section, const char *key, const QString &value) const;
    bool writeInt(const char *section, const char *key, int value) const;
    bool removeKey(const char *section, const char *key) const;

    // The same, by the program's table of keys.
    int readInt(SettingsKey k, int fallback) const { return readInt(k.section, k.key, fallback); }
    QString readString(SettingsKey k, const QString &fallback = {}) const {
        return readString(k.section, k.key, fallback);
    }
    bool writeString(SettingsKey k, const QString &value) const {
        return writeString(k.section, k.key, value);
    }
    bool writeInt(SettingsKey k, int value) const { return writeInt(k.section, k.key, value); }
    bool removeKey(SettingsKey k) const { return removeKey(k.section, k.key); }

    // Many values written with one read and one write of the file (shutdown writes all of its values so).
    class Edit {
      public:
        explicit Edit(const SettingsFile &file);
        ~Edit();
        Edit(const Edit &) = delete;
        Edit &operator=(const Edit &) = delete;
        void setString(const char *section, const char *key, const QString &value);
        void setInt(const char *section, const char *key, int value);
        void setString(SettingsKey k, const QString &value) { setString(k.section, k.key, value); }
        void setInt(SettingsKey k, int value) { setInt(k.section, k.key, value); }
        // Writes the file; false when it could not be read or written (the old file is then unchanged).
        bool commit();

      private:
        struct Document;
        const SettingsFile &file_;
        std::unique_ptr<Document> document_;
        bool readable_ = true;
    };

  private:
    QString path_;
};
