#pragma once

#include <QColor>
#include <QWidget>

// A horizontal bar gauge: the part progress / maximum of its width is filled with the bar colour.
class Gauge : public QWidget {
    Q_OBJECT
  public:
    explicit Gauge(QWidget *parent = nullptr);

    void setMaximum(int maximum);
    int maximum() const { return maximum_; }
    void setProgress(int progress);
    int progress() const { return progress_; }
    void setBackColour(const QColor &colour);
    QColor backColour() const { return back_; }
    void setBarColour(const QColor &colour);
    QColor barColour() const { return bar_; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    int maximum_ = 100;
    int progress_ = 0;
    QColor back_ = Qt::white;
    QColor bar_ = Qt::black;
};
