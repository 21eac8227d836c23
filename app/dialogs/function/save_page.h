#pragma once
// The save page: saves the engine's recording buffer as a standard MIDI file or as a take file, and
// sets which events a recording keeps.
#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace piano {

class FunctionDialog;

class SavePage : public QWidget {
    Q_OBJECT
  public:
    explicit SavePage(FunctionDialog &dialog);

    void prepare();
    void chooseTake();
    void chooseMidi();
    bool takeType() const;
    // The file-save dialog; false when cancelled.
    bool browse();
    void save();
    void showOptions();
    void showMainView();
    void setSavePlay(bool on);
    void setSaveTkb(bool on);

    QRadioButton *takeButton = nullptr;
    QRadioButton *midiButton = nullptr;
    QLineEdit *nameField = nullptr;
    QPushButton *optionsButton = nullptr;
    QPushButton *browseButton = nullptr;
    QPushButton *saveButton = nullptr;
    QPushButton *okButton = nullptr;
    QCheckBox *saveTkbBox = nullptr;
    QCheckBox *savePlayBox = nullptr;
    QPushButton *optionsOkButton = nullptr;

  private:
    QString extension() const;
    void setName(const QString &name);
    bool nameUsable(const QString &name) const;

    FunctionDialog &dialog_;
};

}  // namespace piano
