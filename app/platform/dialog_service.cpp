#include "dialog_service.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <cstdio>

#include "notewire/notewire.h"

namespace {

// The window the user is in: a dialog opened from another dialog sits over that one.
QWidget *windowInUse(QWidget *fallback) {
    if (QWidget *modal = QApplication::activeModalWidget()) return modal;
    if (QWidget *active = QApplication::activeWindow()) return active;
    return fallback;
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

QString qtFileFilter(const QString &filter) {
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        // A name that already shows its patterns would show them twice.
        if (name.endsWith(')') && name.contains('(')) name = name.left(name.lastIndexOf('(')).trimmed();
        QStringList patterns;
        for (const QString &pattern : parts[i + 1].split(';', Qt::SkipEmptyParts))
            for (const QString &variant : {pattern.toLower(), pattern.toUpper()})
                if (!patterns.contains(variant)) patterns << variant;
        out << QString("%1 (%2)").arg(name, patterns.join(' '));
    }
    return out.isEmpty() ? filter : out.join(";;");
}

int32_t QtDialogService::messageBox(const QString &text, const QString &caption, uint32_t style) {
    if (quiet_) {
        // Nobody may be there to answer: the text goes to stderr, and a question is answered No.
        std::fprintf(stderr, "piano: %s: %s\n", qPrintable(caption), qPrintable(text));
        return (style & 0x0F) == NW_MB_OK ? NW_IDOK : NW_IDNO;
    }
    QMessageBox box(iconFor(style), caption, text, QMessageBox::NoButton, windowInUse(parent_));
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
    return QFileDialog::getOpenFileNames(windowInUse(parent_), QString(), folder, qtFileFilter(filter));
}

QString QtDialogService::saveFile(const QString &folder, const QString &filter) {
    if (quiet_) return {};
    // The caller asks about an existing file itself, once it knows the final name with its extension.
    return QFileDialog::getSaveFileName(windowInUse(parent_), QString(), folder, qtFileFilter(filter),
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

QColor QtDialogService::pickColour(const QColor &initial) {
    if (quiet_) return initial;
    return QColorDialog::getColor(initial, windowInUse(parent_));
}
