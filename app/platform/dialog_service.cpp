#include "dialog_service.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <cstdio>

#include "notewire/notewire.h"

namespace {

// Windows-style filters ("名称|*.a;*.b") become Qt's ("名称 (*.a *.b)").
QString qtFilter(const QString &filter) {
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << QString("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
    return out.isEmpty() ? filter : out.join(";;");
}

QMessageBox::Icon iconFor(uint32_t style) {
    switch (style & 0xF0) {
        case NW_MB_ICONERROR:
            return QMessageBox::Critical;
        case NW_MB_ICONWARNING:
            return QMessageBox::Warning;
        case 0x40:
            return QMessageBox::Information;
        case 0x20:
            return QMessageBox::Question;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

int32_t QtDialogService::messageBox(const QString &text, const QString &caption, uint32_t style) {
    if (quiet_) {
        // Nobody may be there to answer: the text goes to stderr, and a question is answered No.
        std::fprintf(stderr, "piano: %s: %s\n", qPrintable(caption), qPrintable(text));
        return (style & 0x0F) == NW_MB_OK ? NW_IDOK : NW_IDNO;
    }
    QMessageBox box(iconFor(style), caption, text, QMessageBox::NoButton, parent_);
    switch (style & 0x0F) {
        case NW_MB_YESNO:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case DialogService::kYesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return NW_IDYES;
        case QMessageBox::No:
            return NW_IDNO;
        case QMessageBox::Cancel:
            return DialogService::kCancel;
        default:
            return NW_IDOK;
    }
}

QStringList QtDialogService::openFiles(const QString &folder, const QString &filter) {
    if (quiet_) return {};
    return QFileDialog::getOpenFileNames(parent_, QString(), folder, qtFilter(filter));
}

QString QtDialogService::saveFile(const QString &folder, const QString &filter) {
    if (quiet_) return {};
    // The caller asks about an existing file itself, once it knows the final name with its extension.
    return QFileDialog::getSaveFileName(parent_, QString(), folder, qtFilter(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QColor QtDialogService::pickColour(const QColor &initial) {
    if (quiet_) return initial;
    return QColorDialog::getColor(initial, parent_);
}
