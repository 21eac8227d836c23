#include "settings_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "about_page.h"
#include "device_page.h"
#include "dialog_font.h"
#include "image_control.h"
#include "interface_page.h"
#include "program.h"
#include "program_files.h"
#include "skin_choice.h"

namespace {
constexpr int kWidth = 440;
constexpr int kHeight = 400;
}  // namespace

SettingsDialog::SettingsDialog(Program &program, QWidget *parent)
    : QDialog(parent), program_(program), folder_(QFileInfo(program.settings.path()).absolutePath()) {
    setWindowTitle(QStringLiteral("设置"));
    setFixedSize(kWidth, kHeight);
    setFont(DialogFont());

    background_ = new ImageControl(this);
    background_->setStretch(true);
    background_->setTransparent(true);
    background_->setEnabled(false);
    background_->setBoundsRect(0, 0, kWidth, kHeight);

    pages_ = new QTabWidget(this);
    devicePage_ = new DevicePage(program, pages_);
    QDir::setCurrent(folder_);
    interfacePage_ = new InterfacePage(program, folder_, pages_);
    aboutPage_ = new AboutPage(program, pages_);
    pages_->addTab(devicePage_, QStringLiteral("音序器"));
    pages_->addTab(interfacePage_, QStringLiteral("界面"));
    pages_->addTab(aboutPage_, QStringLiteral("关于"));

    defaultsButton_ = new QPushButton(QStringLiteral("默认"), this);
    cancelButton_ = new QPushButton(QStringLiteral("取消"), this);
    okButton_ = new QPushButton(QStringLiteral("确定"), this);
    okButton_->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(defaultsButton_);
    buttons->addStretch();
    buttons->addWidget(cancelButton_);
    buttons->addWidget(okButton_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);

    applyBackground();
    background_->lower();

    devicePage_->selectStoredDevice();
    devicePage_->selectStoredMidiInput();
    interfacePage_->skinBox()->setCurrentIndex(0);
    // Shows "Piano.bmp" when the folder has one, and otherwise says the skin's own picture is in use
    // rather than leaving an empty frame.
    interfacePage_->showInstalledBackground();
    pages_->setCurrentIndex(std::clamp(program.state.settingsPage, 0, 2));
    interfacePage_->setSwatchColour(program.settings.readInt(SettingsKeys::kColour, 0x0FFFFFFF));

    connect(okButton_, &QPushButton::clicked, this, &SettingsDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &SettingsDialog::reject);
    connect(defaultsButton_, &QPushButton::clicked, this, &SettingsDialog::restoreDefaults);
}

void SettingsDialog::openModal(Program &program, int page, QWidget *parent) {
    const int previous = program.state.settingsPage;
    program.state.settingsPage = page;
    {
        SettingsDialog dialog(program, parent);
        dialog.exec();
    }
    ProgramFiles::saveAllAndReport(program);
    program.state.settingsPage = previous;
}

void SettingsDialog::applyBackground() {
    const QString loose = QDir(folder_).filePath("Back1.bmp");
    QPixmap picture = QFileInfo(loose).isFile() ? QPixmap(loose) : QPixmap();
    if (picture.isNull() && program_.skinLibrary.holds("B38")) picture = program_.skinLibrary.bitmap("B38");
    if (picture.isNull()) return;
    background_->setPicture(picture);
    // The pages let the picture show through where their frame leaves it room.
    for (int i = 0; i < pages_->count(); ++i)
        pages_->widget(i)->setAutoFillBackground(false);
}

void SettingsDialog::accept() {
    const int device = devicePage_->selectedDeviceId();
    program_.settings.writeInt(SettingsKeys::kDevice, device);
    program_.state.settings.deviceId = device;
    const MidiInputChoice input = devicePage_->selectedMidiInput();
    program_.settings.writeString(SettingsKeys::kMidiInput, input.toSetting());
    program_.state.settings.midiInput = input.toSetting();
    MidiInput::apply(program_.engine, input);
    QDialog::accept();
}

void SettingsDialog::restoreDefaults() {
    SkinChoice::restoreDefaults(program_);
    devicePage_->selectRow(0);
    devicePage_->selectMidiInput({});
}
