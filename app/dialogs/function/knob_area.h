#pragma once
// Sixteen horizontal knobs, one 12-pixel row per channel. It only reports the mouse; the channel
// page decides whether a knob moves.
#include <QWidget>
#include <array>
#include <functional>

namespace piano {

class KnobArea : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kRowHeight = 12;
    static constexpr int kRows = 16;

    explicit KnobArea(QWidget *parent = nullptr);

    void setKnob(int row, int x);
    int knob(int row) const { return knobs_[row]; }
    bool dragging() const { return dragging_; }

    // Called with the pointer position on press and while dragging.
    std::function<void(int x, int y)> apply = [](int, int) {};

    void press(int x, int y);
    void drag(int x, int y);
    void release();

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    std::array<int, kRows> knobs_{};
    bool dragging_ = false;
};

}  // namespace piano
