#pragma once
// The controller page: which MIDI controller number each of six targets uses (the four controller
// buttons, the accompaniment effect, the controller of the selected channel).
#include <QWidget>

class QComboBox;
class QListWidget;
class QPushButton;

namespace piano {

class FunctionDialog;

class ControllerPage : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kAccompEffect = 4;
    static constexpr int kChannel = 5;

    explicit ControllerPage(FunctionDialog &dialog);

    void prepareFromMainWindow();
    void prepareForChannel();

    void changeTarget(int target);
    void clickRow(int row);
    void doubleClickRow(int row);
    void confirm();

    int target() const;

    QComboBox *targetBox = nullptr;
    QListWidget *list = nullptr;
    QPushButton *okButton = nullptr;

  private:
    int currentNumber(int target) const;
    void store(int target, int number);
    void showNumber(int target);

    FunctionDialog &dialog_;
};

}  // namespace piano
