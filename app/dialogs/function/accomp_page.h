#pragma once
// The accompaniment page: which pattern file each of the control panel's panels 2..12 plays.
#include <QWidget>

class QListWidget;
class QPushButton;

namespace piano {

class FunctionDialog;

class AccompPage : public QWidget {
    Q_OBJECT
  public:
    explicit AccompPage(FunctionDialog &dialog);

    void prepare();
    // "打开" and a double-click on an entry: choose the file of the selected entry.
    void chooseFile();

    QListWidget *list = nullptr;
    QPushButton *openButton = nullptr;
    QPushButton *okButton = nullptr;

  private:
    FunctionDialog &dialog_;
};

}  // namespace piano
