#pragma once

#include <QDialog>

class AboutPage;
class DevicePage;
class ImageControl;
class InterfacePage;
class QPushButton;
class QTabWidget;
struct Program;

// The settings dialog: output device, skin and colour, and the about page. It opens on the page named by
// the program's settings page selector and is destroyed after it closes.
class SettingsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit SettingsDialog(Program &program, QWidget *parent = nullptr);

    // Sets the page selector, shows the dialog modally and restores the selector.
    static void openModal(Program &program, int page, QWidget *parent);

    QTabWidget *pages() const { return pages_; }
    DevicePage *devicePage() const { return devicePage_; }
    InterfacePage *interfacePage() const { return interfacePage_; }
    AboutPage *aboutPage() const { return aboutPage_; }
    QPushButton *defaultsButton() const { return defaultsButton_; }
    QPushButton *cancelButton() const { return cancelButton_; }
    QPushButton *okButton() const { return okButton_; }

  private:
    void applyBackground();
    void accept() override;
    void restoreDefaults();

    Program &program_;
    QString folder_;
    ImageControl *background_;
    QTabWidget *pages_;
    DevicePage *devicePage_;
    InterfacePage *interfacePage_;
    AboutPage *aboutPage_;
    QPushButton *defaultsButton_, *cancelButton_, *okButton_;
};
