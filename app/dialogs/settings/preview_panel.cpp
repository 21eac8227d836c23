#include "preview_panel.h"

#include <QMouseEvent>
#include <QPainter>

PreviewPanel::PreviewPanel(QWidget *parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setFixedSize(kViewWidth + 2, kViewHeight + 2);
    setCursor(Qt::OpenHandCursor);
}

void PreviewPanel::showPicture(const QPixmap &picture) {
    picture_ = picture;
    caption_.clear();
    int left = 1, top = 1;
    if (picture.width() < kViewWidth) left = (kViewWidth - picture.width()) / 2 + 1;
    if (picture.height() < kViewHeight) top = (kViewHeight - picture.height()) / 2 + 1;
    offset_ = {left, top};
    update();
}

void PreviewPanel::showCaption(const QString &caption) {
    picture_ = QPixmap();
    caption_ = caption;
    offset_ = {1, 1};
    update();
}

void PreviewPanel::paintEvent(QPaintEvent *event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    if (!picture_.isNull()) {
        painter.drawPixmap(offset_, picture_);
    } else if (!caption_.isEmpty()) {
        painter.drawText(contentsRect(), Qt::AlignCenter, caption_);
    }
}

void PreviewPanel::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton || picture_.isNull()) return QFrame::mousePressEvent(event);
    dragging_ = true;
    grab_ = event->position().toPoint() - offset_;
    setCursor(Qt::ClosedHandCursor);
}

void PreviewPanel::mouseMoveEvent(QMouseEvent *event) {
    if (!dragging_) return QFrame::mouseMoveEvent(event);
    offset_ = event->position().toPoint() - grab_;
    update();
}

void PreviewPanel::mouseReleaseEvent(QMouseEvent *event) {
    if (!dragging_) return QFrame::mouseReleaseEvent(event);
    dragging_ = false;
    setCursor(Qt::OpenHandCursor);
}
