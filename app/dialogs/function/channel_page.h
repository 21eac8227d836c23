#pragma once
// The channel page: what each of the 16 MIDI channels is used for, muting and unmuting through the
// check list, the way to a channel's voice and controller, and one controller knob per channel.
#include <QWidget>
#include <array>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace piano {

class FunctionDialog;
class KnobArea;

class ChannelPage : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kChannels = 16;
    static constexpr int kKnobMin = 16;   // knob position of value 0
    static constexpr int kKnobEnd = 144;  // first position past value 127

    explicit ChannelPage(FunctionDialog &dialog);

    // Knobs, controller labels and rows.
    void prepare();
    // Each row from the channel's role as the engine reports it.
    void fillRows();
    // The main timer's periodic rewrite of the rows.
    void refreshRows();
    void refreshLabels();

    // The user's check toggle and double-click on row i.
    void toggleRow(int row, bool checked);
    void doubleClickRow(int row);
    // A program chosen on the voice page for the highlighted row.
    void applyProgram(int program);
    // Number button i: pressed selects the channel, clicked opens its controller choice.
    void pressNumber(int channel);
    void clickNumber(int channel);
    // Knob position x for the channel row under y, as a drag applies it.
    void applyKnob(int x, int y);
    void moveKnob(int channel, int value);

    bool rowChecked(int row) const;
    int knobPosition(int channel) const;

    QListWidget *checkList = nullptr;
    std::array<QPushButton *, kChannels> numberButtons{};
    std::array<QLabel *, kChannels> controllerLabels{};
    KnobArea *knobs = nullptr;
    QPushButton *okButton = nullptr;

    // Row text (a null text keeps it) and check mark: 1 set, 0 cleared, -1 unchanged.
    void setRow(int row, const QString &text, int check);

  private:
    void userChanged(QListWidgetItem *item);

    FunctionDialog &dialog_;
    std::array<bool, kChannels> checked_{};
};

}  // namespace piano
