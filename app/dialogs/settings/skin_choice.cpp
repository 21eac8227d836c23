#include "skin_choice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "program.h"
#include "skin.h"

namespace SkinChoice {

const char *const kNotASkinMessage = "\n不是正常的文件格式，请选择附带的外观文件\n";

namespace {

constexpr const char *kShippedSkin = "resource.skn";

// Loads the file into a library of its own, only to look inside.
bool holdsBackground(const QString &path) {
    ResourceLibrary candidate{"/skin-candidate"};
    return candidate.load(path) && candidate.holds("B0");
}

void putEnlargedPicturesBack(Program &p) {
    MainWindowControls &c = p.controls;
    Skin::loadKeyPictures(p, 1);
    Skin::showEnlargedPictures(p);
    c.controlPanel->clearPicture();
    Skin::applyFlatButtons(p, p.defaultLibrary.holds("Flig") ? 1 : 0);
}

}  // namespace

bool useSkinLibrary(Program &p, const QString &path) {
    if (!QFileInfo(path).isFile() || !holdsBackground(path)) {
        p.dialogs.messageBox(QString::fromUtf8(kNotASkinMessage), QStringLiteral("Piano"), NW_MB_ICONWARNING);
        return false;
    }
    if (!p.skinLibrary.load(path)) return false;
    p.settings.writeString(SettingsKeys::kSkin, QFileInfo(path).absoluteFilePath());
    return true;
}

void reloadSkinPictures(Program &p) {
    try {
        Skin::loadSkin(p);
        if (p.state.enlarged) putEnlargedPicturesBack(p);
    } catch (const MissingBitmap &missing) {
        p.dialogs.messageBox(QString::fromUtf8(missing.what()), QStringLiteral("错误"), NW_MB_ICONERROR);
    }
}

void restoreDefaults(Program &p) {
    const QString folder = p.state.paths.installDir;
    QDir::setCurrent(folder);
    QStringList present;
    for (const char *name : kLoosePictures)
        if (QFileInfo(QDir(folder).filePath(QString::fromUtf8(name))).isFile())
            present << QString::fromUtf8(name);
    // The pictures are the user's own: they are deleted only when the user says so.
    if (!present.isEmpty() &&
        p.dialogs.messageBox(QStringLiteral("恢复默认外观将删除安装文件夹中你自己的图片:\n%1\n是否删除?")
                                 .arg(present.join(QStringLiteral(", "))),
                             QStringLiteral("默认"), NW_MB_YESNO | NW_MB_ICONWARNING) == NW_IDYES) {
        for (const QString &name : present)
            QFile::remove(QDir(folder).filePath(name));
    }
    p.settings.writeString(SettingsKeys::kSkin, QString());
    p.settings.writeString(SettingsKeys::kDevice, "-1");
    // With RESDPath cleared the shipped skin is the default one; a chosen library would otherwise stay
    // until the next start.
    const QString shipped = QDir(folder).filePath(kShippedSkin);
    if (QFileInfo(shipped).isFile() && holdsBackground(shipped)) p.skinLibrary.load(shipped);
    reloadSkinPictures(p);
}

}  // namespace SkinChoice
