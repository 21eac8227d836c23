#include "settings_file.h"

#include <SimpleIni.h>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <string>

#include "whole_file.h"

namespace {

void configure(CSimpleIniA &ini) {
    ini.SetUnicode(true);
    ini.SetSpaces(false);
}

bool loadInto(CSimpleIniA &ini, const QString &path) {
    configure(ini);
    return ini.LoadFile(QFile::encodeName(path).constData()) >= 0;
}

// A missing file is an empty one; a file that exists but cannot be read must not be replaced by one
// holding only the new value.
bool loadForWriting(CSimpleIniA &ini, const QString &path) {
    configure(ini);
    return !QFileInfo::exists(path) || loadInto(ini, path);
}

bool saveWhole(CSimpleIniA &ini, const QString &path) {
    std::string text;
    if (ini.Save(text, false) < 0) return false;
    return writeWholeFile(path, QByteArray::fromStdString(text));
}

int leadingInteger(const char *text) {
    while (*text == ' ' || *text == '\t')
        ++text;
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text) return 0;
    return static_cast<int>(value);
}

}  // namespace

bool SettingsFile::exists() const {
    return QFileInfo(path_).isFile();
}

bool SettingsFile::createEmpty() const {
    return writeWholeFile(path_, {});
}

int SettingsFile::readInt(const char *section, const char *key, int fallback) const {
    CSimpleIniA ini;
    if (!loadInto(ini, path_)) return fallback;
    const char *value = ini.GetValue(section, key, nullptr);
    return value ? leadingInteger(value) : fallback;
}

QString SettingsFile::readString(const char *section, const char *key, const QString &fallback) const {
    CSimpleIniA ini;
    if (!loadInto(ini, path_)) return fallback;
    const char *value = ini.GetValue(section, key, nullptr);
    return value ? QString::fromUtf8(value) : fallback;
}

bool SettingsFile::writeString(const char *section, const char *key, const QString &value) const {
    Edit edit(*this);
    edit.setString(section, key, value);
    return edit.commit();
}

bool SettingsFile::writeInt(const char *section, const char *key, int value) const {
    return writeString(section, key, QString::number(value));
}

bool SettingsFile::removeKey(const char *section, const char *key) const {
    CSimpleIniA ini;
    if (!loadForWriting(ini, path_)) return false;
    if (!ini.Delete(section, key)) return true;
    return saveWhole(ini, path_);
}

struct SettingsFile::Edit::Document {
    CSimpleIniA ini;
};

SettingsFile::Edit::Edit(const SettingsFile &file) : file_(file), document_(std::make_unique<Document>()) {
    readable_ = loadForWriting(document_->ini, file_.path_);
}

SettingsFile::Edit::~Edit() = default;

void SettingsFile::Edit::setString(const char *section, const char *key, const QString &value) {
    document_->ini.SetValue(section, key, value.toUtf8().constData());
}

void SettingsFile::Edit::setInt(const char *section, const char *key, int value) {
    setString(section, key, QString::number(value));
}

bool SettingsFile::Edit::commit() {
    return readable_ && saveWhole(document_->ini, file_.path_);
}
