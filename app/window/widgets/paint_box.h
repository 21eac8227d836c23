#pragma once

#include <QWidget>
#include <functional>

// A drawing surface whose painting is supplied by whoever owns what it shows.
class PaintBox : public QWidget {
    Q_OBJECT
  public:
    explicit PaintBox(QWidget *parent = nullptr) : QWidget(parent) {}
    std::function<void(QPainter &)> onPaint;

  protected:
    void paintEvent(QPaintEvent *event) override;
};
