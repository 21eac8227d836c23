#pragma once

#include <QString>
#include <memory>

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

    // Many values written with one read and one write of the file (shutdown writes all of its values so).
    class Edit {
      public:
        explicit Edit(const SettingsFile &file);
        ~Edit();
        Edit(const Edit &) = delete;
        Edit &operator=(const Edit &) = delete;
        void setString(const char *section, const char *key, const QString &value);
        void setInt(const char *section, const char *key, int value);
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
