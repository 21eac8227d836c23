#pragma once
// Counts the times a widget is hidden: a layout change must not hide and show the window again.
#include <QEvent>
#include <QObject>

class HideCounter : public QObject {
  public:
    int hides = 0;
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Hide) ++hides;
        return false;
    }
};
