#include "key_map_page.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

#include "choice_list.h"
#include "function_dialog.h"
#include "key_list.h"
#include "key_map_file.h"
#include "voice_list.h"

namespace piano {
namespace {

constexpr int kNoFunction = 255;
const QString kMapCaption = QStringLiteral("键盘映射");
// The exchange files have no extension of their own; the dialogs offer every file.
const QString kMapFilter = QString();

bool sameFile(const QString &a, const QString &b) {
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// The arrow keys choose as the mouse does: moving in the key list refreshes the other three lists.
ChoiceList *choiceList(QWidget *parent, std::function<void(int row)> choose) {
    auto *list = new ChoiceList(parent);
    list->movedByKey = std::move(choose);
    return list;
}

void selectRowOrNone(QListWidget *list, int row) {
    list->setCurrentRow(row >= 0 && row < list->count() ? row : -1);
    if (list->currentRow() < 0) list->clearSelection();
}

}  // namespace

KeyMapPage::KeyMapPage(FunctionDialog &dialog) : dialog_(dialog) {
    // Each list is as wide as its longest row, so none needs a horizontal scroll bar.
    auto *keys = new QGroupBox(QStringLiteral("键盘的按键"), this);
    PlaceOnSheet(keys, 4, 2, 182, 262);
    auto *voices = new QGroupBox(QStringLiteral("所属的音色"), this);
    PlaceOnSheet(voices, 190, 2, 186, 262);
    auto *pitches = new QGroupBox(QStringLiteral("所属的音阶"), this);
    PlaceOnSheet(pitches, 380, 2, 160, 262);

    keyList = choiceList(this, [this](int row) { selectKey(row); });
    PlaceOnSheet(keyList, 10, 20, 100, 238);
    for (const MappableKey &key : kKeyList)
        keyList->addItem(QString::fromUtf8(key.label));
    functionList = choiceList(this, [this](int row) { selectFunction(row); });
    PlaceOnSheet(functionList, 114, 20, 66, 238);
    for (int row = 0; row < kFunctionRowCount; ++row)
        functionList->addItem(QString::fromUtf8(FunctionRowText(row)));
    programList = choiceList(this, [this](int row) { selectProgram(row); });
    PlaceOnSheet(programList, 196, 20, 174, 238);
    pitchList = choiceList(this, [this](int row) { selectPitch(row); });
    PlaceOnSheet(pitchList, 386, 20, 148, 238);
    ShowNotesInFourColumns(pitchList);

    saveButton = new QPushButton(QStringLiteral("保存"), this);
    PlaceOnSheet(saveButton, 302, 276, 70, 25);
    openButton = new QPushButton(QStringLiteral("打开"), this);
    PlaceOnSheet(openButton, 384, 276, 70, 25);
    okButton = new QPushButton(QStringLiteral("确定"), this);
    PlaceOnSheet(okButton, 466, 276, 70, 25);

    connect(keyList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *i) { selectKey(keyList->row(i)); });
    connect(functionList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *i) { selectFunction(functionList->row(i)); });
    connect(programList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *i) { selectProgram(programList->row(i)); });
    connect(pitchList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *i) { selectPitch(pitchList->row(i)); });
    connect(saveButton, &QPushButton::clicked, this, &KeyMapPage::saveMap);
    connect(openButton, &QPushButton::clicked, this, &KeyMapPage::loadMap);
    connect(okButton, &QPushButton::clicked, &dialog_, &QDialog::close);
}

void KeyMapPage::fillChoiceLists() {
    programList->clear();
    for (int p = 0; p < kVoiceCount; ++p)
        programList->addItem(QString::fromStdString(VoiceListRow(p)));
    pitchList->clear();
    for (int n = 0; n < kNoteNameCount; ++n)
        pitchList->addItem(QString::fromStdString(NoteNameRow(n)));
    for (QListWidget *list : {keyList, functionList, programList, pitchList}) {
        list->setCurrentRow(-1);
        list->clearSelection();
    }
    enableSlotLists(true);
}

int KeyMapPage::selectedKeyCode() const {
    const int row = keyList->currentRow();
    return row >= 0 && row < kMappableKeyCount ? kKeyList[row].code : -1;
}

void KeyMapPage::enableSlotLists(bool enabled) {
    programList->setEnabled(enabled);
    pitchList->setEnabled(enabled);
}

void KeyMapPage::showSlot(int f) {
    KeyboardState &keys = dialog_.context().keys();
    enableSlotLists(true);
    if (f < 0 || f >= kSlotCount) {
        // A key without a function has no slot to show.
        selectRowOrNone(pitchList, -1);
        selectRowOrNone(programList, -1);
        return;
    }
    selectRowOrNone(pitchList, keys.slotPitch(f + 1));
    selectRowOrNone(programList, keys.slotVoice(f + 1));
}

void KeyMapPage::selectKey(int row) {
    if (row < 0 || row >= kMappableKeyCount) return;
    keyList->setCurrentRow(row);
    const int code = kKeyList[row].code;
    uint8_t &function = dialog_.context().keys().keyFunction(code);
    selectRowOrNone(functionList, function);
    const int f = functionList->currentRow();
    if (f >= kFirstControllerStep) {
        enableSlotLists(false);
    } else {
        showSlot(f);
    }
    function = f < 0 ? kNoFunction : static_cast<uint8_t>(f);
}

void KeyMapPage::selectFunction(int row) {
    if (row < 0 || row >= kFunctionRowCount) return;
    functionList->setCurrentRow(row);
    const int code = selectedKeyCode();
    if (code < 0) return;
    if (row >= kFirstControllerStep)
        enableSlotLists(false);
    else
        showSlot(row);
    dialog_.context().keys().keyFunction(code) = static_cast<uint8_t>(row);
}

void KeyMapPage::selectProgram(int row) {
    const int f = functionList->currentRow();
    if (row < 0 || row >= kVoiceCount || f < 0 || f >= kSlotCount) return;
    programList->setCurrentRow(row);
    dialog_.context().keys().slotVoice(f + 1) = static_cast<uint8_t>(row);
}

void KeyMapPage::selectPitch(int row) {
    const int f = functionList->currentRow();
    if (row < 0 || row >= kNoteNameCount || f < 0 || f >= kSlotCount) return;
    pitchList->setCurrentRow(row);
    dialog_.context().keys().slotPitch(f + 1) = static_cast<uint8_t>(row);
}

void KeyMapPage::saveMap() {
    FunctionContext &c = dialog_.context();
    DialogService &dialogs = c.program.dialogs;
    const QString path = dialogs.saveFile(QDir::homePath(), kMapFilter);
    if (path.isEmpty()) return;
    if (sameFile(path, c.program.state.paths.keyFile)) {
        dialogs.messageBox(
            QStringLiteral("不能把键盘映射保存到程序自己的键盘状态文件 Key 上,请另选一个文件名!"),
            kMapCaption, NW_MB_ICONWARNING);
        return;
    }
    if (!SaveKeyMapFile(c.keys(), QFile::encodeName(path).toStdString()))
        dialogs.messageBox(
            QStringLiteral("键盘映射没有保存:不能写入文件\n%1\n请检查文件夹的写入权限或磁盘空间!")
                .arg(QDir::toNativeSeparators(path)),
            kMapCaption, NW_MB_ICONERROR);
}

void KeyMapPage::loadMap() {
    FunctionContext &c = dialog_.context();
    DialogService &dialogs = c.program.dialogs;
    const QStringList chosen = dialogs.openFiles(QDir::homePath(), kMapFilter);
    if (chosen.isEmpty()) return;
    const QString path = chosen.first();
    switch (LoadKeyMapFile(c.keys(), QFile::encodeName(path).toStdString())) {
        case KeyMapLoad::Read:
            selectKey(keyList->currentRow());
            break;
        case KeyMapLoad::CannotOpen:
            dialogs.messageBox(QStringLiteral("不能读取键盘映射文件\n%1\n请检查文件是否存在、是否有读取权限!")
                                   .arg(QDir::toNativeSeparators(path)),
                               kMapCaption, NW_MB_ICONERROR);
            break;
        case KeyMapLoad::KeyboardFile:
            dialogs.messageBox(QStringLiteral("%1\n是程序自己的键盘状态文件,不是键盘映射文件,不能打开!")
                                   .arg(QDir::toNativeSeparators(path)),
                               kMapCaption, NW_MB_ICONWARNING);
            break;
    }
}

}  // namespace piano
