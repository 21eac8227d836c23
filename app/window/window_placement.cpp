#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

QPoint placeOnScreen(const QRect &window, const QList<QRect> &availableAreas) {
    if (availableAreas.isEmpty()) return window.topLeft();
    for (const QRect &area : availableAreas)
        if (area.intersects(window)) return window.topLeft();
    const QRect &area = availableAreas.first();
    // A window larger than the area keeps its top left corner, and so its drag strip, in sight.
    const int x = std::max(area.left(), std::min(window.x(), area.right() + 1 - window.width()));
    const int y = std::max(area.top(), std::min(window.y(), area.bottom() + 1 - window.height()));
    return {x, y};
}

QPoint placeOnCurrentScreens(const QRect &window) {
    QList<QRect> areas;
    if (QScreen *primary = QGuiApplication::primaryScreen()) areas.append(primary->availableGeometry());
    for (QScreen *screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen()) areas.append(screen->availableGeometry());
    return placeOnScreen(window, areas);
}
