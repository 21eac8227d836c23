#pragma once
// The keyboard map page: which function each computer key has, and the voice and pitch of each note
// slot. Changes go straight into the keyboard model; the key map file saves and loads them.
#include <QWidget>

class QListWidget;
class QPushButton;

namespace piano {

class FunctionDialog;

class KeyMapPage : public QWidget {
    Q_OBJECT
  public:
    explicit KeyMapPage(FunctionDialog &dialog);

    // Copies the voice and note names into the program and pitch lists.
    void fillChoiceLists();

    // The clicks of the four lists, by row.
    void selectKey(int row);
    void selectFunction(int row);
    void selectProgram(int row);
    void selectPitch(int row);
    void saveMap();
    void loadMap();

    QListWidget *keyList = nullptr;
    QListWidget *functionList = nullptr;
    QListWidget *programList = nullptr;
    QListWidget *pitchList = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *openButton = nullptr;
    QPushButton *okButton = nullptr;

  private:
    // Shows the slot of function `f` (below 60) in the program and pitch lists and enables them.
    void showSlot(int f);
    void enableSlotLists(bool enabled);
    int selectedKeyCode() const;

    FunctionDialog &dialog_;
};

}  // namespace piano
