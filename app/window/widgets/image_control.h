#pragma once

#include <QPixmap>
#include <QWidget>

// A picture holder in the manner of a form designer's image control: optional stretching, and auto-size,
// which keeps the control at its picture's natural size whatever bounds it is given.
class ImageControl : public QWidget {
    Q_OBJECT
  public:
    explicit ImageControl(QWidget *parent = nullptr);

    void setPicture(const QPixmap &picture);
    void clearPicture();
    const QPixmap &picture() const { return picture_; }
    bool hasPicture() const { return !picture_.isNull(); }

    void setStretch(bool on);
    bool stretch() const { return stretch_; }
    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }
    // Transparent images let what lies beneath show through their background.
    void setTransparent(bool on);
    bool transparent() const { return transparent_; }

    // Bounds as a designer sets them; auto-size overrides the size when a picture is present.
    void setBoundsRect(int left, int top, int width, int height);

  signals:
    // Left button only: the right button belongs to the window's menu.
    void clicked(QPoint pos);
    void doubleClicked(QPoint pos);
    void released(QPoint pos);
    void moved(QPoint pos);

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

  private:
    void fitToPicture();

    QPixmap picture_;
    bool stretch_ = false;
    bool autoSize_ = false;
    bool transparent_ = false;
};
