#include "interface_page.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "preview_panel.h"
#include "program.h"
#include "skin.h"
#include "skin_choice.h"

const char *const InterfacePage::kSkinRow = "外观文件(*.skn)";
// Skin files are named in capitals on some machines and in small letters on others.
const char *const InterfacePage::kSkinFilter = "外观文件(*.skn)|*.SKN;*.skn";
const char *const InterfacePage::kPictureFilter = "界面文件|*.bmp";

InterfacePage::InterfacePage(Program &program, QString folder, QWidget *parent)
    : QWidget(parent), program_(program), folder_(std::move(folder)) {
    auto *skinGroup = new QGroupBox(QStringLiteral("在这里你获取更改的图片"), this);
    skinBox_ = new QComboBox(skinGroup);
    skinBox_->setEditable(true);
    skinBox_->addItem(QString::fromUtf8(kSkinRow));
    browseButton_ = new QPushButton(QStringLiteral("浏览..."), skinGroup);
    auto *skinLayout = new QHBoxLayout(skinGroup);
    skinLayout->addWidget(skinBox_, 1);
    skinLayout->addWidget(browseButton_);

    preview_ = new PreviewPanel(this);

    auto *backgroundGroup = new QGroupBox(QStringLiteral("在这里指定一个图片文件做背景"), this);
    colourButton_ = new QPushButton(QStringLiteral("颜色"), backgroundGroup);
    swatch_ = new QFrame(backgroundGroup);
    swatch_->setFrameShape(QFrame::Box);
    swatch_->setFixedSize(40, 20);
    swatch_->setAutoFillBackground(true);
    layerButton_ = new QPushButton(QStringLiteral("图层"), backgroundGroup);
    auto *backgroundLayout = new QHBoxLayout(backgroundGroup);
    backgroundLayout->addWidget(colourButton_);
    backgroundLayout->addWidget(swatch_);
    backgroundLayout->addStretch();
    backgroundLayout->addWidget(layerButton_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(skinGroup);
    layout->addWidget(preview_, 0, Qt::AlignHCenter);
    layout->addWidget(backgroundGroup);
    layout->addStretch();

    connect(skinBox_, &QComboBox::activated, this, [this] { showInstalledBackground(); });
    connect(browseButton_, &QPushButton::clicked, this, &InterfacePage::browse);
    connect(colourButton_, &QPushButton::clicked, this, &InterfacePage::chooseColour);
    connect(layerButton_, &QPushButton::clicked, this, &InterfacePage::toggleLayer);
}

void InterfacePage::showInstalledBackground() {
    const QString file = QDir(program_.state.paths.installDir).filePath("Piano.bmp");
    const QPixmap picture = QFileInfo(file).isFile() ? QPixmap(file) : QPixmap();
    if (picture.isNull())
        preview_->showCaption(QStringLiteral("默认图片"));
    else
        preview_->showPicture(picture);
}

void InterfacePage::setSwatchColour(int colour) {
    swatchColour_ = colour;
    QPalette palette = swatch_->palette();
    palette.setColor(QPalette::Window, Skin::colourFromValue(colour));
    swatch_->setPalette(palette);
}

void InterfacePage::browse() {
    if (skinBox_->currentText() == QString::fromUtf8(kSkinRow))
        browseSkinLibrary();
    else
        browsePicture();
}

void InterfacePage::browseSkinLibrary() {
    const QStringList chosen =
        program_.dialogs.openFiles(QDir::currentPath(), QString::fromUtf8(kSkinFilter));
    if (!chosen.isEmpty() && QFileInfo(chosen.first()).isFile()) {
        if (!SkinChoice::useSkinLibrary(program_, chosen.first())) return;
    }
    reloadSkin();
}

void InterfacePage::browsePicture() {
    const QStringList chosen =
        program_.dialogs.openFiles(QDir::currentPath(), QString::fromUtf8(kPictureFilter));
    if (!chosen.isEmpty()) {
        const QPixmap picture(chosen.first());
        if (!picture.isNull()) preview_->showPicture(picture);
    }
    reloadSkin();
}

void InterfacePage::reloadSkin() {
    QDir::setCurrent(folder_);
    SkinChoice::reloadSkinPictures(program_);
}

void InterfacePage::chooseColour() {
    const QColor colour = program_.dialogs.pickColour(Skin::colourFromValue(swatchColour_));
    if (!colour.isValid()) return;
    // Stored as 0x00BBGGRR, the form the window's colour is read back in.
    const int value = colour.red() | colour.green() << 8 | colour.blue() << 16;
    program_.settings.writeInt(SettingsKeys::kColour, value);
    program_.state.settings.colour = value;
    Skin::applyColour(program_, value);
    setSwatchColour(value);
}

void InterfacePage::toggleLayer() {
    // The layer in use is the one last applied, which is always written back to the settings file.
    const int plain = program_.settings.readInt(SettingsKeys::kPlainPictures, 1);
    try {
        Skin::applyPlainPictures(program_, plain == 1 ? 0 : 1);
    } catch (const MissingBitmap &missing) {
        program_.dialogs.messageBox(QString::fromUtf8(missing.what()), QStringLiteral("错误"),
                                    NW_MB_ICONERROR);
    }
}
