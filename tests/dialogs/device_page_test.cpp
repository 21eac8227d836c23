#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "device_page.h"
#include "output_devices.h"
#include "settings_dialog.h"
#include "settings_fixture.h"

namespace {

class DevicePageTest : public SettingsFixture {
  protected:
    int deviceCount() const { return program_->engine.outputDeviceCount(); }
};

TEST_F(DevicePageTest, ListsTheMapperThenEveryEngineDevice) {
    SettingsDialog dialog(*program_);
    QListWidget *list = dialog.devicePage()->deviceList();
    ASSERT_GE(deviceCount(), 1);  // the built-in synthesizer is always listed
    ASSERT_EQ(list->count(), deviceCount() + 1);
    EXPECT_EQ(list->item(0)->text(), "MIDI_MAP");
    NwDeviceCaps caps{};
    ASSERT_EQ(program_->engine.outputDeviceCaps(0, &caps), 1);
    EXPECT_EQ(list->item(1)->text(), QString::fromUtf8(caps.name));
}

TEST_F(DevicePageTest, StoredDeviceSelectsItsRowOrTheMapper) {
    struct Case {
        QByteArray stored;  // the settings file's [Set] section
        int row;
    };
    const QByteArray pastLast = QByteArray::number(deviceCount());
    const Case cases[] = {
        {"DrviveID=-1\n", 0},
        {"DrviveID=0\n", 1},
        {"DrviveID=" + pastLast + "\n", 0},
        {"DrviveID=-5\n", 0},
        {"", 0},  // a file without the key: the mapper, as start-up assumes
    };
    for (const Case &c : cases) {
        writeSettings("[Set]\n" + c.stored);
        SettingsDialog dialog(*program_);
        EXPECT_EQ(dialog.devicePage()->deviceList()->currentRow(), c.row) << c.stored.constData();
    }
}

TEST_F(DevicePageTest, ShowsTheSelectedDevicesInformation) {
    writeSettings("[Set]\nDrviveID=0\n");
    SettingsDialog dialog(*program_);
    DevicePage *page = dialog.devicePage();
    NwDeviceCaps caps{};
    ASSERT_EQ(program_->engine.outputDeviceCaps(0, &caps), 1);
    EXPECT_EQ(page->nameField()->text(), QString::fromUtf8(caps.name));
    EXPECT_EQ(page->nameLabel()->text(), "名称: " + QString::fromUtf8(caps.name));
    EXPECT_EQ(page->typeLabel()->text(), "类型: " + OutputDevices::technologyText(caps.technology));
    EXPECT_EQ(page->voicesLabel()->text(), QString("通道数: %1").arg(caps.voices));
    EXPECT_EQ(page->notesLabel()->text(), QString("复音数: %1").arg(caps.notes));

    page->selectRow(0);
    EXPECT_EQ(page->nameField()->text(), "MIDI_MAP");
}

TEST(OutputDeviceTechnology, NamesEveryCodeAndFlagsUnknownOnes) {
    const std::pair<int, const char *> cases[] = {
        {1, "MIDI硬件端口"},          {2, "音序器"},
        {3, "波表子合成器"},          {4, "FM合成器"},
        {5, "Microsoft Midi Mapper"}, {0, "这是一个错误的设备"},
        {6, "这是一个错误的设备"},
    };
    for (const auto &[code, text] : cases)
        EXPECT_EQ(OutputDevices::technologyText(code), QString::fromUtf8(text)) << code;
}

TEST_F(DevicePageTest, OkStoresTheSelectedDeviceAndMakesItCurrent) {
    struct Case {
        int row;
        const char *stored;
    };
    for (const Case c : {Case{0, "-1"}, Case{1, "0"}}) {
        writeSettings("[Set]\nDrviveID=3\n");
        program_->state.settings.deviceId = 3;
        SettingsDialog dialog(*program_);
        dialog.devicePage()->selectRow(c.row);
        dialog.okButton()->click();
        EXPECT_EQ(readSetting("Set", "DrviveID"), c.stored);
        EXPECT_EQ(program_->state.settings.deviceId, c.row - 1);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
}

TEST_F(DevicePageTest, CancelWritesNoDevice) {
    writeSettings("[Set]\nDrviveID=0\n");
    program_->state.settings.deviceId = 0;
    SettingsDialog dialog(*program_);
    dialog.devicePage()->selectRow(0);
    dialog.cancelButton()->click();
    EXPECT_EQ(readSetting("Set", "DrviveID"), "0");
    EXPECT_EQ(program_->state.settings.deviceId, 0);
}

TEST_F(DevicePageTest, MidiInputListShowsTheStoredChoiceAndOkStoresTheSelectedOne) {
    struct Case {
        QByteArray stored;  // the settings file's [Set] section
        QString shown;
        const char *storedAtOk;
    };
    const Case cases[] = {
        {"", "自动连接所有键盘", "auto"},  // every keyboard unless told otherwise
        {"MidiIn=none\n", "不使用", "none"},
        // A keyboard that is not plugged in now stays chosen: 确定 must not turn it into another choice.
        {"MidiIn=Stage piano:MIDI 1\n", "Stage piano:MIDI 1", "Stage piano:MIDI 1"},
    };
    for (const Case &c : cases) {
        writeSettings("[Set]\n" + c.stored);
        SettingsDialog dialog(*program_);
        QComboBox *list = dialog.devicePage()->midiInputList();
        EXPECT_EQ(list->itemText(0), "自动连接所有键盘");
        EXPECT_EQ(list->itemText(1), "不使用");
        EXPECT_EQ(list->currentText(), c.shown) << c.stored.constData();
        dialog.okButton()->click();
        EXPECT_EQ(readSetting("Set", "MidiIn"), c.storedAtOk);
        EXPECT_EQ(program_->state.settings.midiInput, c.storedAtOk);
    }

    writeSettings("[Set]\nMidiIn=none\n");
    SettingsDialog dialog(*program_);
    dialog.defaultsButton()->click();
    EXPECT_EQ(dialog.devicePage()->midiInputList()->currentIndex(), 0);
    dialog.cancelButton()->click();  // the input is chosen at 确定 only
    EXPECT_EQ(readSetting("Set", "MidiIn"), "none");
}

TEST_F(DevicePageTest, OpensOnThePageTheSelectorNames) {
    for (int page : {0, 1, 2}) {
        program_->state.settingsPage = page;
        SettingsDialog dialog(*program_);
        EXPECT_EQ(dialog.pages()->currentIndex(), page);
    }
    SettingsDialog dialog(*program_);
    const QStringList tabs{dialog.pages()->tabText(0), dialog.pages()->tabText(1),
                           dialog.pages()->tabText(2)};
    EXPECT_EQ(tabs, (QStringList{"音序器", "界面", "关于"}));
    EXPECT_TRUE(dialog.okButton()->isDefault());
}

}  // namespace
