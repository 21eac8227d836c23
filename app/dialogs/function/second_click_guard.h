#pragma once
// A click that replaces the page under the mouse (a voice or controller chosen for a channel) must not
// let the second click of a double-click land on what the new page shows there. Armed by such a click,
// the guard swallows that double-click and its release; a fresh press, which is no double-click,
// disarms it.
#include <QObject>

class QWidget;

namespace piano {

class SecondClickGuard : public QObject {
  public:
    explicit SecondClickGuard(QWidget &window);
    ~SecondClickGuard() override;

    void arm() { state_ = State::Armed; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    enum class State { Idle, Armed, Swallowing };

    QWidget &window_;
    State state_ = State::Idle;
};

}  // namespace piano
