#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A tool button that shows either a caption or a picture holding its glyph states side by side
// (up, disabled, down). Flat buttons draw a frame only while the mouse is over them.
class SpeedButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit SpeedButton(QWidget *parent = nullptr);

    void setGlyph(const QPixmap &glyph);
    const QPixmap &glyph() const { return glyph_; }
    void setFlat(bool flat);
    bool isFlat() const { return flat_; }
    void setTextColour(const QColor &colour);
    QColor textColour() const { return textColour_; }

    // The part of the glyph drawn for a state: 0 up, 1 disabled, 2 down.
    QPixmap glyphState(int state) const;

  signals:
    // The mouse entered or moved over the button, or clicked it and stayed: its hover text may differ.
    void hovered();

  protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

  private:
    QPixmap glyph_;
    bool flat_ = false;
    bool hovering_ = false;
    QColor textColour_ = Qt::black;
};
