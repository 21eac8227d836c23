#pragma once
// The scale page: gives an octave region twelve consecutive pitches from a chosen note.
#include <QWidget>

class QComboBox;
class QListWidget;
class QPushButton;

namespace piano {

class FunctionDialog;

class ScalePage : public QWidget {
    Q_OBJECT
  public:
    explicit ScalePage(FunctionDialog &dialog);

    // Region 0..4 selected, or -1 for none.
    void prepare(int region);
    void changeRegion(int region);
    void doubleClickNote(int note);
    void confirm();

    QComboBox *regionBox = nullptr;
    QListWidget *noteList = nullptr;
    QPushButton *okButton = nullptr;

  private:
    void assign(int note);

    FunctionDialog &dialog_;
};

}  // namespace piano
