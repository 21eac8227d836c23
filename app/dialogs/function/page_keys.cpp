#include "page_keys.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWindow>

#include "function_dialog.h"

namespace piano {
namespace {

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Keys that move between and within the page's widgets, and Space, which presses a focused button.
bool isNavigation(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Space:
            return true;
        default:
            return false;
    }
}

bool takesText(const QWidget *widget) {
    if (qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget))
        return true;
    const auto *box = qobject_cast<const QComboBox *>(widget);
    return box && box->isEditable();
}

}  // namespace

PageKeys::PageKeys(FunctionDialog &dialog) : dialog_(dialog) {
    // Key events reach the dialog's platform window first, before any of its widgets sees them.
    qApp->installEventFilter(this);
}

PageKeys::~PageKeys() {
    qApp->removeEventFilter(this);
}

bool PageKeys::pageUses(const QKeyEvent &key) const {
    return isNavigation(key.key()) || takesText(dialog_.focusWidget());
}

bool PageKeys::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || watched != dialog_.windowHandle())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (isEnter(key->key()) || key->key() == Qt::Key_Escape) {
        if (type == QEvent::KeyPress && !key->isAutoRepeat()) {
            if (key->key() == Qt::Key_Escape)
                dialog_.close();
            else if (QAbstractButton *button = dialog_.mainButton(); button && button->isEnabled())
                button->click();
        }
        return true;
    }
    if (pageUses(*key)) return false;
    const ProgramHooks &hooks = dialog_.context().program.hooks;
    if (hooks.keyEvent) hooks.keyEvent(key);
    // Played, so a list does not also jump to a row starting with the key's letter.
    return true;
}

}  // namespace piano
