#include "settings_file.h"

#include <SimpleIni.h>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>

namespace {

constexpr int kStringBuffer = 80;

bool loadInto(CSimpleIniA &ini, const QString &path) {
    ini.SetUnicode(true);
    ini.SetSpaces(false);
    return ini.LoadFile(QFile::encodeName(path).constData()) >= 0;
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
    QFile file(path_);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate);
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
    if (!value) return fallback;
    QByteArray bytes(value);
    if (bytes.size() > kStringBuffer - 1) bytes.truncate(kStringBuffer - 1);
    return QString::fromUtf8(bytes);
}

bool SettingsFile::writeString(const char *section, const char *key, const QString &value) const {
    CSimpleIniA ini;
    if (QFileInfo::exists(path_) && !loadInto(ini, path_)) return false;
    ini.SetUnicode(true);
    ini.SetSpaces(false);
    ini.SetValue(section, key, value.toUtf8().constData());
    return ini.SaveFile(QFile::encodeName(path_).constData(), false) >= 0;
}

bool SettingsFile::writeInt(const char *section, const char *key, int value) const {
    return writeString(section, key, QString::number(value));
}
