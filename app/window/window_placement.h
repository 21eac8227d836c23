#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Where the window goes at start-up. A saved position stays as it is while any part of the window lies
// in the available area of a screen; one off every screen (a monitor unplugged, a smaller desktop) is
// pulled into the first area given, the primary screen's, so the window can be seen and dragged.
QPoint placeOnScreen(const QRect &window, const QList<QRect> &availableAreas);

// The same for the screens the desktop has now, primary first.
QPoint placeOnCurrentScreens(const QRect &window);
