#pragma once
// A list whose current row, moved by the keyboard, is chosen as a click on that row would choose it.
#include <QListWidget>
#include <functional>

namespace piano {

class ChoiceList : public QListWidget {
  public:
    using QListWidget::QListWidget;

    // Called with the new row after a key moved the current row.
    std::function<void(int row)> movedByKey;

  protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// Lays the note names out four to a row, an octave every three rows, scrolled up and down: the list
// is sized for four names and never needs a horizontal scroll bar.
void ShowNotesInFourColumns(QListWidget *list);

}  // namespace piano
