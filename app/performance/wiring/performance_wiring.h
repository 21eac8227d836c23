#pragma once
// Live playing in the main window: fills the window's hooks with the keyboard, control panel and
// slider logic, turns the controls' mouse events into its gestures, and shows its results.
#include <QObject>
#include <QPixmap>

#include "performance.h"

class MainWindow;
struct Program;

namespace piano {

// Keys are drawn into an overlay that PaintBox2 shows over the keyboard picture.
class KeyOverlay : public KeyCanvas {
  public:
    explicit KeyOverlay(Program &program) : program_(program) {}
    void drawKeyPicture(int picture, int x) override;
    void clearKeyboard() override;
    const QPixmap &pixmap() const { return overlay_; }

  private:
    void fitToPaintBox();
    Program &program_;
    QPixmap overlay_;
};

class PerformanceWiring : public QObject {
  public:
    // Before the window's start-up, which already calls into live playing.
    explicit PerformanceWiring(MainWindow &window);
    ~PerformanceWiring() override;

    Performance &performance() { return perf_; }
    const KeyOverlay &overlay() const { return overlay_; }

    // The main timer's slider step: samples the thumbs and sends their values.
    void sendSliderValues();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void installHooks();
    void connectControls();
    void pullStoredSettings();
    void showControllers();
    void showPanel();
    void showBeatLamps();
    void clickPanel(int x, int y);
    bool sliderEvent(int slider, QObject *watched, QEvent *event);

    Program &program_;
    Performance perf_;
    KeyOverlay overlay_;
};

}  // namespace piano
