#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QFrame;
class QPushButton;
class PreviewPanel;
struct Program;

// The "界面" page: the skin library, a picture preview, the window colour and the picture layer.
class InterfacePage : public QWidget {
    Q_OBJECT
  public:
    static const char *const kSkinRow;
    static const char *const kSkinFilter;
    static const char *const kPictureFilter;

    // `folder` is the dialog's folder, made current again after every file dialog.
    InterfacePage(Program &program, QString folder, QWidget *parent = nullptr);

    // Shows the installation folder's "Piano.bmp", or says the default picture is in use.
    void showInstalledBackground();
    void setSwatchColour(int colour);

    QComboBox *skinBox() const { return skinBox_; }
    QPushButton *browseButton() const { return browseButton_; }
    QPushButton *colourButton() const { return colourButton_; }
    QPushButton *layerButton() const { return layerButton_; }
    QFrame *swatch() const { return swatch_; }
    PreviewPanel *preview() const { return preview_; }

  private:
    void browse();
    void browseSkinLibrary();
    void browsePicture();
    void chooseColour();
    void toggleLayer();
    void reloadSkin();

    Program &program_;
    QString folder_;
    int swatchColour_ = 0;
    QComboBox *skinBox_;
    QPushButton *browseButton_;
    PreviewPanel *preview_;
    QPushButton *colourButton_;
    QFrame *swatch_;
    QPushButton *layerButton_;
};
