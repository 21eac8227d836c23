#include "gauge.h"

#include <QPainter>
#include <algorithm>

Gauge::Gauge(QWidget *parent) : QWidget(parent) {}

void Gauge::setMaximum(int maximum) {
    maximum_ = maximum;
    update();
}

void Gauge::setProgress(int progress) {
    progress_ = progress;
    update();
}

void Gauge::setBackColour(const QColor &colour) {
    back_ = colour;
    update();
}

void Gauge::setBarColour(const QColor &colour) {
    bar_ = colour;
    update();
}

void Gauge::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.fillRect(rect(), back_);
    if (maximum_ <= 0) return;
    const int clamped = std::clamp(progress_, 0, maximum_);
    const int filled = static_cast<int>(static_cast<long long>(width()) * clamped / maximum_);
    painter.fillRect(0, 0, filled, height(), bar_);
}
