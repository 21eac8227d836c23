#pragma once

#include <QWidget>

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

    QListWidget *deviceList() const { return deviceList_; }
    QLineEdit *nameField() const { return nameField_; }
    QLabel *nameLabel() const { return nameLabel_; }
    QLabel *typeLabel() const { return typeLabel_; }
    QLabel *voicesLabel() const { return voicesLabel_; }
    QLabel *notesLabel() const { return notesLabel_; }

  private:
    void showSelectedDevice();

    Program &program_;
    QListWidget *deviceList_;
    QLineEdit *nameField_;
    QLabel *nameLabel_, *typeLabel_, *voicesLabel_, *notesLabel_;
};
