#include "save_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

#include "function_dialog.h"

namespace piano {
namespace {

const QString kMid = QStringLiteral(".mid");
const QString kTkb = QStringLiteral(".tkb");
// The options view lies this far down the page; moving the container up by it shows the view.
constexpr int kOptionsContainerTop = -220;
constexpr int kOptionsSheetTop = 220 + kPageContainerTop;

// Extensions on this page are compared with their case: "a.MID" does not end in ".mid".
QString swapEnding(const QString &name, const QString &from, const QString &to) {
    return name.endsWith(from, Qt::CaseSensitive) ? name.left(name.size() - from.size()) + to : name;
}

constexpr uint32_t kQuestionIcon = 0x20;

}  // namespace

SavePage::SavePage(FunctionDialog &dialog) : dialog_(dialog) {
    auto *typeLabel = new QLabel(QStringLiteral("文件类型："), this);
    PlaceOnSheet(typeLabel, 10, 12, 70, 18);
    takeButton = new QRadioButton(QStringLiteral("配音文件 *.TKB"), this);
    PlaceOnSheet(takeButton, 80, 4, 190, 20);
    midiButton = new QRadioButton(QStringLiteral("标准MIDI文件"), this);
    PlaceOnSheet(midiButton, 80, 24, 190, 20);
    auto *group = new QButtonGroup(this);
    group->addButton(takeButton);
    group->addButton(midiButton);
    auto *nameLabel = new QLabel(QStringLiteral("文件 名："), this);
    PlaceOnSheet(nameLabel, 10, 58, 70, 18);
    nameField = new QLineEdit(this);
    PlaceOnSheet(nameField, 80, 56, 190, 22);

    optionsButton = new QPushButton(QStringLiteral("设置"), this);
    PlaceOnSheet(optionsButton, 10, 96, 60, 25);
    browseButton = new QPushButton(QStringLiteral("浏览"), this);
    PlaceOnSheet(browseButton, 74, 96, 60, 25);
    saveButton = new QPushButton(QStringLiteral("保存"), this);
    PlaceOnSheet(saveButton, 140, 96, 60, 25);
    okButton = new QPushButton(QStringLiteral("确定"), this);
    PlaceOnSheet(okButton, 206, 96, 60, 25);

    auto *note = new QLabel(QStringLiteral("注意!只有当你按下录音按钮时才生效!"), this);
    PlaceOnSheet(note, 10, kOptionsSheetTop + 8, 260, 18);
    saveTkbBox = new QCheckBox(QStringLiteral("保存伴奏事件"), this);
    PlaceOnSheet(saveTkbBox, 20, kOptionsSheetTop + 34, 200, 20);
    savePlayBox = new QCheckBox(QStringLiteral("保存播放事件"), this);
    PlaceOnSheet(savePlayBox, 20, kOptionsSheetTop + 58, 200, 20);
    optionsOkButton = new QPushButton(QStringLiteral("确定"), this);
    PlaceOnSheet(optionsOkButton, 190, kOptionsSheetTop + 96, 75, 25);

    connect(takeButton, &QRadioButton::clicked, this, &SavePage::chooseTake);
    connect(midiButton, &QRadioButton::clicked, this, &SavePage::chooseMidi);
    connect(optionsButton, &QPushButton::clicked, this, &SavePage::showOptions);
    connect(browseButton, &QPushButton::clicked, this, &SavePage::browse);
    connect(saveButton, &QPushButton::clicked, this, &SavePage::save);
    connect(okButton, &QPushButton::clicked, &dialog_, &QDialog::close);
    connect(optionsOkButton, &QPushButton::clicked, this, &SavePage::showMainView);
    connect(saveTkbBox, &QCheckBox::clicked, this, &SavePage::setSaveTkb);
    connect(savePlayBox, &QCheckBox::clicked, this, &SavePage::setSavePlay);
}

void SavePage::prepare() {
    FunctionContext &c = dialog_.context();
    midiButton->setChecked(true);
    setName(swapEnding(c.memory.saveFileName, kTkb, kMid));
    savePlayBox->setChecked(c.program.state.settings.savePlay);
    saveTkbBox->setChecked(c.program.state.settings.saveTkb);
    showMainView();
}

void SavePage::setName(const QString &name) {
    dialog_.context().memory.saveFileName = name;
    nameField->setText(name);
}

bool SavePage::takeType() const {
    return takeButton->isChecked();
}

QString SavePage::extension() const {
    return takeType() ? kTkb : kMid;
}

void SavePage::chooseTake() {
    takeButton->setChecked(true);
    setName(swapEnding(nameField->text(), kMid, kTkb));
}

void SavePage::chooseMidi() {
    midiButton->setChecked(true);
    setName(swapEnding(nameField->text(), kTkb, kMid));
}

void SavePage::showOptions() {
    dialog_.setContainerTop(kOptionsContainerTop);
}

void SavePage::showMainView() {
    dialog_.setContainerTop(kPageContainerTop);
}

void SavePage::setSavePlay(bool on) {
    savePlayBox->setChecked(on);
    dialog_.context().program.state.settings.savePlay = on;
}

void SavePage::setSaveTkb(bool on) {
    saveTkbBox->setChecked(on);
    dialog_.context().program.state.settings.saveTkb = on;
}

bool SavePage::browse() {
    FunctionContext &c = dialog_.context();
    const QString filter =
        takeType() ? QStringLiteral("伴奏文件 (*.tkb)|*.TKB") : QStringLiteral("标准MIDI文件 (*.mid)|*.MID");
    // A new name starts in the user's music folder (else home), never the installation folder.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    if (!nameField->text().isEmpty()) folder = QFileInfo(nameField->text()).absolutePath();
    QString chosen = c.program.dialogs.saveFile(folder, filter);
    if (chosen.isEmpty()) return false;
    if (!chosen.endsWith(extension(), Qt::CaseSensitive)) chosen += extension();
    setName(chosen);
    return true;
}

bool SavePage::nameUsable(const QString &name) const {
    return !name.isEmpty() && QFileInfo(name).absoluteDir().exists();
}

void SavePage::save() {
    FunctionContext &c = dialog_.context();
    DialogService &dialogs = c.program.dialogs;
    // Nothing recorded: say so before a name is asked for or a file is looked at.
    if (c.call(MDRV_GET_BUFFER_COUNT) == 0) {
        dialogs.messageBox(QStringLiteral("没有发现一个事件，还没有录音不能存储"), QStringLiteral("保存文件"),
                           NW_MB_ICONERROR);
        return;
    }
    setName(nameField->text());
    QString name = nameField->text();
    if (!name.isEmpty() && !QFileInfo(name).absoluteDir().exists()) {
        dialogs.messageBox(QStringLiteral("不能创建文件,没有找到文件夹!请再选一个\n请给予正确文件夹名"),
                           QStringLiteral("Not Path"), NW_MB_ICONWARNING);
        if (!browse()) return;  // cancelled: the save just ends
        name = nameField->text();
    }
    if (name.isEmpty()) {
        dialogs.messageBox(QStringLiteral("不能创建文件,文件名为空!请再选一个"), QStringLiteral("文件名错误"),
                           NW_MB_ICONWARNING);
        if (!browse()) return;
        name = nameField->text();
    }
    if (!name.endsWith(extension(), Qt::CaseSensitive)) setName(name += extension());
    // An existing file is asked about once its final name is known; No offers the browse dialog for
    // another name (asked about in turn), and cancelling it ends the save. Nothing is written or emptied
    // here: the engine's write replaces the file only once the new one is whole.
    for (;;) {
        if (!nameUsable(name)) {
            dialogs.messageBox(QStringLiteral("文件没有保存:文件名为空或文件夹不存在!"),
                               QStringLiteral("保存文件"), NW_MB_ICONWARNING);
            return;
        }
        const QFileInfo target(name);
        if (!target.exists() && !target.isSymLink()) break;
        const QString question =
            QStringLiteral("%1\n你指定的文件已经存在是否覆盖").arg(QDir::toNativeSeparators(name));
        if (dialogs.messageBox(question, name, NW_MB_YESNO | kQuestionIcon) == NW_IDYES) break;
        if (!browse()) return;
        name = nameField->text();
    }
    const QByteArray path = QFile::encodeName(name);
    // A failed write has been told by the engine; the page stays open for another name.
    if (c.call(takeType() ? MDRV_SAVE_BUFFER_TKB : MDRV_SAVE_BUFFER_MIDI, 0, path.constData()) != 1) return;
    ++c.program.state.takesSaved;
    dialog_.close();
}

}  // namespace piano
