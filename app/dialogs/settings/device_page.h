#pragma once

#include <QWidget>

#include "midi_input_choice.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
struct Program;

// The "音序器" page: the output device list and the chosen device's information.
class DevicePage : public QWidget {
    Q_OBJECT
  public:
    DevicePage(Program &program, QWidget *parent = nullptr);

    // Selects the row of the stored device, or the mapper's row when the stored device is not listed.
    void selectStoredDevice();
    // Selects a row and shows its information.
    void selectRow(int row);
    // Device id of the selected row (row - 1); -1 also when nothing is selected.
    int selectedDeviceId() const;

    // The MIDI input list: every keyboard, none, then each source the engine sees by name. A stored
    // source that is not there now stays listed, so that 确定 does not lose it.
    void selectStoredMidiInput();
    void selectMidiInput(const MidiInputChoice &choice);
    MidiInputChoice selectedMidiInput() const;

    QListWidget *deviceList() const { return deviceList_; }
    QComboBox *midiInputList() const { return midiInputList_; }
    QLineEdit *nameField() const { return nameField_; }
    QLabel *nameLabel() const { return nameLabel_; }
    QLabel *typeLabel() const { return typeLabel_; }
    QLabel *voicesLabel() const { return voicesLabel_; }
    QLabel *notesLabel() const { return notesLabel_; }

  private:
    void showSelectedDevice();

    Program &program_;
    QListWidget *deviceList_;
    QComboBox *midiInputList_;
    QLineEdit *nameField_;
    QLabel *nameLabel_, *typeLabel_, *voicesLabel_, *notesLabel_;
};
