#pragma once

#include <QPoint>

struct Program;

// The normal (450 × 210) and enlarged (675 × 315) layouts of the main window, and its drag strip.
namespace Layout {

// Enlarged size of a normal value: halved (truncated), then tripled.
constexpr int enlargeValue(int v) {
    return (v / 2) * 3;
}
// Normal size of an enlarged value: divided by three (truncated), then doubled.
constexpr int shrinkValue(int v) {
    return (v / 3) * 2;
}

// The window moves by this much when the layout changes, so the enlarged window grows around it.
constexpr QPoint kEnlargeShift{112, 52};

constexpr int dragStripHeight(bool enlarged) {
    return enlarged ? 30 : 20;
}
// Points of the top strip move the window when dragged.
constexpr bool inDragStrip(QPoint client, bool enlarged) {
    return client.x() >= 0 && client.x() < 1200 && client.y() >= 0 && client.y() < dragStripHeight(enlarged);
}

void enlarge(Program &program);
void shrink(Program &program);
// The enlarge / shrink button.
void toggle(Program &program);

}  // namespace Layout
