#include "speed_button.h"

#include <QPainter>

namespace {
constexpr int kGlyphStates = 3;
}

SpeedButton::SpeedButton(QWidget *parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    // After the click's own action, which may have changed what the button stands for.
    connect(
        this, &QAbstractButton::clicked, this,
        [this] {
            if (hovering_) emit hovered();
        },
        Qt::QueuedConnection);
}

void SpeedButton::setGlyph(const QPixmap &glyph) {
    glyph_ = glyph;
    update();
}

void SpeedButton::setFlat(bool flat) {
    flat_ = flat;
    update();
}

void SpeedButton::setTextColour(const QColor &colour) {
    textColour_ = colour;
    update();
}

QPixmap SpeedButton::glyphState(int state) const {
    if (glyph_.isNull()) return {};
    const int stateWidth = glyph_.width() / kGlyphStates;
    if (stateWidth == 0) return glyph_;
    return glyph_.copy(stateWidth * state, 0, stateWidth, glyph_.height());
}

void SpeedButton::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    const bool down = isDown() || isChecked();
    const QRect frame = rect().adjusted(0, 0, -1, -1);

    if (!glyph_.isNull()) {
        const QPixmap state = glyphState(!isEnabled() ? 1 : (down ? 2 : 0));
        painter.drawPixmap(rect(), state);
    } else {
        painter.setPen(isEnabled() ? textColour_ : QColor(128, 128, 128));
        painter.setFont(font());
        painter.drawText(rect().translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter, text());
    }

    if (flat_ && !hovering_ && !down) return;
    // A bevel: light upper-left and dark lower-right edges when up, the reverse when pressed.
    const QColor light(255, 255, 255, 160);
    const QColor dark(0, 0, 0, 160);
    painter.setPen(down ? dark : light);
    painter.drawLine(frame.topLeft(), frame.topRight());
    painter.drawLine(frame.topLeft(), frame.bottomLeft());
    painter.setPen(down ? light : dark);
    painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    painter.drawLine(frame.topRight(), frame.bottomRight());
}

void SpeedButton::enterEvent(QEnterEvent *event) {
    hovering_ = true;
    update();
    emit hovered();
    QAbstractButton::enterEvent(event);
}

void SpeedButton::mouseMoveEvent(QMouseEvent *event) {
    emit hovered();
    QAbstractButton::mouseMoveEvent(event);
}

void SpeedButton::leaveEvent(QEvent *event) {
    hovering_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}
