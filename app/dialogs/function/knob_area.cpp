#include "knob_area.h"

#include <QMouseEvent>
#include <QPainter>

namespace piano {
namespace {

constexpr int kTrackLeft = 16;
constexpr int kTrackRight = 143;
constexpr int kKnobWidth = 8;

}  // namespace

KnobArea::KnobArea(QWidget *parent) : QWidget(parent) {
    knobs_.fill(kTrackLeft);
}

void KnobArea::setKnob(int row, int x) {
    if (row < 0 || row >= kRows) return;
    knobs_[row] = x;
    update();
}

void KnobArea::press(int x, int y) {
    dragging_ = true;
    apply(x, y);
}

void KnobArea::drag(int x, int y) {
    if (dragging_) apply(x, y);
}

void KnobArea::release() {
    dragging_ = false;
}

void KnobArea::mousePressEvent(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
    press(p.x(), p.y());
}

void KnobArea::mouseMoveEvent(QMouseEvent *event) {
    const QPoint p = event->position().toPoint();
    drag(p.x(), p.y());
}

void KnobArea::mouseReleaseEvent(QMouseEvent *) {
    release();
}

void KnobArea::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < kRows; ++row) {
        const int top = row * kRowHeight;
        const int mid = top + kRowHeight / 2;
        // The groove the knob runs in.
        painter.setPen(QPen(QColor(60, 60, 70), 2));
        painter.drawLine(kTrackLeft, mid, kTrackRight, mid);
        painter.setPen(QPen(QColor(230, 230, 235), 1));
        painter.drawLine(kTrackLeft, mid + 1, kTrackRight, mid + 1);
        // The knob, its right edge at the position it stands for.
        const QRectF knob(knobs_[row] - kKnobWidth + 0.5, top + 1.5, kKnobWidth, kRowHeight - 3);
        QLinearGradient shade(knob.topLeft(), knob.bottomLeft());
        shade.setColorAt(0, QColor(250, 220, 120));
        shade.setColorAt(1, QColor(190, 120, 30));
        painter.setBrush(shade);
        painter.setPen(QPen(QColor(90, 50, 10), 1));
        painter.drawRoundedRect(knob, 2, 2);
    }
}

}  // namespace piano
