#include "paint_box.h"

#include <QPainter>

void PaintBox::paintEvent(QPaintEvent *) {
    if (!onPaint) return;
    QPainter painter(this);
    onPaint(painter);
}
