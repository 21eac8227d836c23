#include "device_page.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "output_devices.h"
#include "program.h"

DevicePage::DevicePage(Program &program, QWidget *parent) : QWidget(parent), program_(program) {
    auto *devicesBox = new QGroupBox(QStringLiteral("输出设备"), this);
    deviceList_ = new QListWidget(devicesBox);
    deviceList_->setObjectName("deviceList");
    deviceList_->addItems(OutputDevices::rows(program.engine));
    auto *devicesLayout = new QVBoxLayout(devicesBox);
    devicesLayout->addWidget(deviceList_);

    nameField_ = new QLineEdit(this);
    nameField_->setReadOnly(true);

    auto *infoBox = new QGroupBox(QStringLiteral("信息"), this);
    auto line = [infoBox](const QString &text) {
        auto *label = new QLabel(text, infoBox);
        label->setWordWrap(true);
        return label;
    };
    nameLabel_ = line(QString());
    typeLabel_ = line(QString());
    voicesLabel_ = line(QString());
    notesLabel_ = line(QString());
    auto *infoLayout = new QVBoxLayout(infoBox);
    for (QLabel *label : {nameLabel_, typeLabel_, voicesLabel_, notesLabel_})
        infoLayout->addWidget(label);
    infoLayout->addWidget(line(QStringLiteral("技术参数: 支持音量控制.左右声道控制.")));
    infoLayout->addStretch();

    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("设备名称:"), this));
    right->addWidget(nameField_);
    right->addWidget(infoBox, 1);

    auto *inputBox = new QGroupBox(QStringLiteral("MIDI 输入"), this);
    midiInputList_ = new QComboBox(inputBox);
    midiInputList_->setObjectName("midiInputList");
    midiInputList_->addItem(QStringLiteral("自动连接所有键盘"));
    midiInputList_->addItem(QStringLiteral("不使用"));
    midiInputList_->addItems(MidiInput::sources(program.engine));
    auto *inputLayout = new QVBoxLayout(inputBox);
    inputLayout->addWidget(midiInputList_);

    auto *outputs = new QHBoxLayout;
    outputs->addWidget(devicesBox, 1);
    outputs->addLayout(right, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(outputs, 1);
    layout->addWidget(inputBox);

    connect(deviceList_, &QListWidget::currentRowChanged, this, [this] { showSelectedDevice(); });
}

void DevicePage::selectStoredDevice() {
    // Start-up takes the mapper when the key is missing; the list does the same so it shows the device
    // actually in use.
    const int row = program_.settings.readInt(SettingsKeys::kDevice, -1) + 1;
    selectRow(row >= 0 && row < deviceList_->count() ? row : 0);
}

void DevicePage::selectStoredMidiInput() {
    selectMidiInput(MidiInputChoice::fromSetting(program_.settings.readString(SettingsKeys::kMidiInput)));
}

void DevicePage::selectMidiInput(const MidiInputChoice &choice) {
    using Kind = MidiInputChoice::Kind;
    if (choice.kind != Kind::Source) {
        midiInputList_->setCurrentIndex(choice.kind == Kind::Off ? 1 : 0);
        return;
    }
    int row = midiInputList_->findText(choice.source, Qt::MatchExactly);
    if (row < 2) {
        midiInputList_->addItem(choice.source);
        row = midiInputList_->count() - 1;
    }
    midiInputList_->setCurrentIndex(row);
}

MidiInputChoice DevicePage::selectedMidiInput() const {
    const int row = midiInputList_->currentIndex();
    if (row <= 0) return {};
    if (row == 1) return {MidiInputChoice::Kind::Off, {}};
    return {MidiInputChoice::Kind::Source, midiInputList_->currentText()};
}

void DevicePage::selectRow(int row) {
    deviceList_->setCurrentRow(row);
    showSelectedDevice();
}

int DevicePage::selectedDeviceId() const {
    const int row = deviceList_->currentRow();
    return row < 0 ? -1 : row - 1;
}

void DevicePage::showSelectedDevice() {
    const int row = deviceList_->currentRow();
    if (row < 0) return;
    nameField_->setText(deviceList_->item(row)->text());
    OutputDevices::Info device;
    const bool known = OutputDevices::info(program_.engine, row - 1, device);
    nameLabel_->setText(QStringLiteral("名称: ") + (known ? device.name : QString()));
    typeLabel_->setText(QStringLiteral("类型: ") +
                        OutputDevices::technologyText(known ? device.technology : 0));
    voicesLabel_->setText(QStringLiteral("通道数: ") + QString::number(device.voices));
    notesLabel_->setText(QStringLiteral("复音数: ") + QString::number(device.notes));
}
