#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
struct Program;

// The "关于" page: a picture, the version line and the help button.
class AboutPage : public QWidget {
    Q_OBJECT
  public:
    static const char *const kVersionLine;

    AboutPage(Program &program, QWidget *parent = nullptr);

    QLabel *versionLabel() const { return versionLabel_; }
    QPushButton *helpButton() const { return helpButton_; }

  private:
    QLabel *versionLabel_;
    QPushButton *helpButton_;
};
