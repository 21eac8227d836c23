#include "image_control.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

ImageControl::ImageControl(QWidget *parent) : QWidget(parent) {}

void ImageControl::setPicture(const QPixmap &picture) {
    picture_ = picture;
    fitToPicture();
    update();
}

void ImageControl::clearPicture() {
    picture_ = QPixmap();
    update();
}

void ImageControl::setStretch(bool on) {
    stretch_ = on;
    update();
}

void ImageControl::setAutoSize(bool on) {
    autoSize_ = on;
    fitToPicture();
}

void ImageControl::setTransparent(bool on) {
    transparent_ = on;
    update();
}

void ImageControl::setBoundsRect(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
    fitToPicture();
}

void ImageControl::fitToPicture() {
    if (autoSize_ && !picture_.isNull()) resize(picture_.size());
}

// A transparent picture treats the colour of its bottom-left pixel as see-through, as bitmaps of
// skins are drawn on a key colour.
static QPixmap withKeyColourMasked(const QPixmap &picture) {
    QImage image = picture.toImage();
    const QRgb key = image.pixel(0, image.height() - 1);
    QPixmap masked = picture;
    masked.setMask(QBitmap::fromImage(image.createMaskFromColor(key, Qt::MaskInColor)));
    return masked;
}

void ImageControl::paintEvent(QPaintEvent *) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    const QPixmap shown = transparent_ ? withKeyColourMasked(picture_) : picture_;
    if (stretch_)
        painter.drawPixmap(rect(), shown);
    else
        painter.drawPixmap(0, 0, shown);
}

void ImageControl::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton) emit clicked(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void ImageControl::mouseReleaseEvent(QMouseEvent *event) {
    emit released(event->position().toPoint());
    QWidget::mouseReleaseEvent(event);
}

void ImageControl::mouseMoveEvent(QMouseEvent *event) {
    emit moved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton) emit doubleClicked(event->position().toPoint());
    QWidget::mouseDoubleClickEvent(event);
}
