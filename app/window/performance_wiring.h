#pragma once
// Live playing in the main window: turns the controls' mouse events into its gestures, shows its
// results on the controls, and offers the program what it needs of live playing.
#include <QObject>
#include <QPixmap>

#include "live_settings.h"
#include "performance.h"

class QKeyEvent;
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
    explicit PerformanceWiring(Program &program);
    ~PerformanceWiring() override;

    Performance &performance() { return perf_; }
    const KeyOverlay &overlay() const { return overlay_; }

    // The keyboard-state file "Key".
    void loadKeyboardState(const QString &path);
    bool saveKeyboardState(const QString &path) const;
    // Start-up's restore of what live playing keeps between runs, and what it keeps now.
    void restoreButtons(const ButtonSettings &stored);
    void restoreSliders(const SliderThumbs &stored);
    LiveSettings liveSettings() const { return CurrentLiveSettings(perf_); }
    // The beat lamps: beat 1..4, 5 all dark.
    void showBeat(int beat);
    void scaleKeyboardTables(bool enlarged);
    // The main timer's slider step: sends the sliders' values.
    void sendSliderValues();
    // The engine's note echo and reset notice (1025), accompaniment beat (1026) and MIDI input (1028).
    void engineMessage(uint32_t message, uint32_t wparam, uint32_t lparam);
    // A key press or release of the application; true when it was taken.
    bool keyEvent(QKeyEvent *event);
    // Unlights every key and switches every held note off: nothing sounds while the menu is up.
    void silence();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void connectControls();
    void showControllers();
    void showSliders();
    void showPanel();
    void showBeatLamps();
    void clickPanel(int x, int y);
    bool sliderEvent(int slider, QObject *watched, QEvent *event);

    Program &program_;
    Performance perf_;
    KeyOverlay overlay_;
};

}  // namespace piano
