#include "accomp_page.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "function_dialog.h"

namespace piano {
namespace {

constexpr int kEntries = 11;

QString entryText(int entry, const QString &separator, const QString &path) {
    return QStringLiteral("伴奏面板") + QString::number(entry + 2) + separator + path;
}

}  // namespace

AccompPage::AccompPage(FunctionDialog &dialog) : dialog_(dialog) {
    list = new QListWidget(this);
    PlaceOnSheet(list, 8, 8, 346, 130);
    auto *note = new QLabel(QStringLiteral("注释:面板1为停止伴奏"), this);
    PlaceOnSheet(note, 8, 144, 200, 18);
    openButton = new QPushButton(QStringLiteral("打开"), this);
    PlaceOnSheet(openButton, 196, 172, 75, 25);
    okButton = new QPushButton(QStringLiteral("确定"), this);
    PlaceOnSheet(okButton, 280, 172, 75, 25);

    connect(openButton, &QPushButton::clicked, this, &AccompPage::chooseFile);
    connect(list, &QListWidget::itemDoubleClicked, this, [this] { chooseFile(); });
    connect(okButton, &QPushButton::clicked, &dialog_, &QDialog::close);
}

void AccompPage::prepare() {
    const auto &files = dialog_.context().performance.panel.accompFiles;
    list->clear();
    for (int i = 0; i < kEntries; ++i)
        list->addItem(entryText(i, "=", QString::fromStdString(files[i])));
    list->setCurrentRow(0);
}

void AccompPage::chooseFile() {
    const int entry = list->currentRow();
    if (entry < 0 || entry >= kEntries) return;
    FunctionContext &c = dialog_.context();
    std::string &path = c.performance.panel.accompFiles[entry];
    const QString folder = QFileInfo(QString::fromStdString(path)).absolutePath();
    const QStringList chosen = c.program.dialogs.openFiles(folder, QStringLiteral("Tkb 文件 (*.tkb)|*.tkb"));
    if (chosen.isEmpty()) return;
    const QString file = chosen.first();
    path = file.toStdString();
    // The main window's hidden list carries the same paths to the list file at shutdown.
    QListWidget *panelList = c.program.controls.accompList;
    if (panelList) {
        if (QListWidgetItem *item = panelList->item(entry)) item->setText(file);
        panelList->setCurrentRow(0);
    }
    list->item(entry)->setText(entryText(entry, ":", file));
}

}  // namespace piano
