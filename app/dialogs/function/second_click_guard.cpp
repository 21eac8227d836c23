#include "second_click_guard.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace piano {

SecondClickGuard::SecondClickGuard(QWidget &window) : window_(window) {
    // Mouse events reach the platform window before it hands them to the widget under the mouse.
    qApp->installEventFilter(this);
}

SecondClickGuard::~SecondClickGuard() {
    qApp->removeEventFilter(this);
}

bool SecondClickGuard::eventFilter(QObject *watched, QEvent *event) {
    if (state_ == State::Idle || watched != window_.windowHandle()) return false;
    switch (event->type()) {
        case QEvent::MouseButtonDblClick:
            if (state_ != State::Armed) return false;
            state_ = State::Swallowing;
            return true;
        case QEvent::MouseButtonRelease:
            if (state_ != State::Swallowing) return false;
            state_ = State::Idle;
            return true;
        case QEvent::MouseButtonPress:
            // The second press of a double-click comes marked, just before the double-click itself.
            if (state_ == State::Armed &&
                static_cast<QMouseEvent *>(event)->flags().testFlag(Qt::MouseEventCreatedDoubleClick))
                return true;
            state_ = State::Idle;
            return false;
        default:
            return false;
    }
}

}  // namespace piano
