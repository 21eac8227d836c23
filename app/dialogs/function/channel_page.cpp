#include "channel_page.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "channel_rows.h"
#include "controller_list.h"
#include "controller_page.h"
#include "function_dialog.h"
#include "knob_area.h"
#include "voice_list.h"
#include "voice_page.h"

namespace piano {
namespace {

// Every part of a channel's row (check row, number button, controller label, knob) shares one top,
// 12 pixels below the channel before.
constexpr int kRowHeight = KnobArea::kRowHeight;
constexpr int kFirstRowTop = 7;
constexpr int kListLeft = 4;
constexpr int kListWidth = 180;
constexpr int kNumberLeft = kListLeft + kListWidth + 4;
constexpr int kNumberWidth = 22;
constexpr int kLabelLeft = kNumberLeft + kNumberWidth + 4;
// Room for the longest controller name, "Celeste(deturn)Dcpth".
constexpr int kLabelWidth = 122;
constexpr int kKnobLeft = kLabelLeft + kLabelWidth;
constexpr int kKnobWidth = 148;

// A role the engine names (not a program number).
bool isRole(int role) {
    return role >= CH_KEYBOARD && role <= CH_MUTED;
}

QString voiceText(int program) {
    return QString::fromStdString(VoiceListRow(program));
}

}  // namespace

ChannelPage::ChannelPage(FunctionDialog &dialog) : dialog_(dialog) {
    checkList = new QListWidget(this);
    checkList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    checkList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    checkList->setUniformItemSizes(true);
    // The style's check box is taller than a 12 pixel row; a smaller one stays whole.
    checkList->setStyleSheet(QStringLiteral("QListWidget::indicator { width: 11px; height: 11px; }"));
    // The list's frame lies around the rows, so the first row starts at the common top.
    const int frame = checkList->frameWidth();
    PlaceOnSheet(checkList, kListLeft, kFirstRowTop - frame, kListWidth, kChannels * kRowHeight + 2 * frame);
    for (int i = 0; i < kChannels; ++i) {
        auto *item = new QListWidgetItem(checkList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setSizeHint(QSize(kListWidth - 2 * frame, kRowHeight));
    }
    for (int i = 0; i < kChannels; ++i) {
        const int top = kFirstRowTop + i * kRowHeight;
        numberButtons[i] = new QPushButton(QString::number(i + 1), this);
        PlaceOnSheet(numberButtons[i], kNumberLeft, top, kNumberWidth, kRowHeight);
        controllerLabels[i] = new QLabel(this);
        PlaceOnSheet(controllerLabels[i], kLabelLeft, top, kLabelWidth, kRowHeight);
        connect(numberButtons[i], &QPushButton::pressed, this, [this, i] { pressNumber(i); });
        connect(numberButtons[i], &QPushButton::clicked, this, [this, i] { clickNumber(i); });
    }
    knobs = new KnobArea(this);
    PlaceOnSheet(knobs, kKnobLeft, kFirstRowTop, kKnobWidth, kChannels * kRowHeight);
    knobs->apply = [this](int x, int y) { applyKnob(x, y); };

    auto *hint = new QLabel(QStringLiteral("点复选框停止和发音的通道,双击选音色."), this);
    PlaceOnSheet(hint, 6, 240, 300, 18);
    okButton = new QPushButton(QStringLiteral("确定"), this);
    PlaceOnSheet(okButton, kKnobLeft + kKnobWidth - 75, 238, 75, 25);

    connect(checkList, &QListWidget::itemChanged, this, &ChannelPage::userChanged);
    connect(checkList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *i) { doubleClickRow(checkList->row(i)); });
    connect(okButton, &QPushButton::clicked, &dialog_, &QDialog::close);
}

bool ChannelPage::rowChecked(int row) const {
    return row >= 0 && row < kChannels && checked_[row];
}

int ChannelPage::knobPosition(int channel) const {
    return knobs->knob(channel);
}

void ChannelPage::setRow(int row, const QString &text, int check) {
    if (row < 0 || row >= kChannels) return;
    const QSignalBlocker block(checkList);
    QListWidgetItem *item = checkList->item(row);
    if (!text.isNull()) item->setText(text);
    if (check >= 0) checked_[row] = check == 1;
    item->setCheckState(checked_[row] ? Qt::Checked : Qt::Unchecked);
}

void ChannelPage::prepare() {
    KeyboardState &keys = dialog_.context().keys();
    for (int i = 0; i < kChannels; ++i)
        knobs->setKnob(i, keys.bytes[KeyboardState::kChannelControlValue + i] + kKnobMin);
    refreshLabels();
    fillRows();
}

void ChannelPage::refreshLabels() {
    KeyboardState &keys = dialog_.context().keys();
    for (int i = 0; i < kChannels; ++i)
        controllerLabels[i]->setText(
            QString::fromUtf8(ControllerChannelLabel(keys.bytes[KeyboardState::kChannelController + i])));
}

void ChannelPage::fillRows() {
    FunctionContext &c = dialog_.context();
    for (int i = 0; i < kChannels; ++i) {
        const int role = c.call(MDRV_GET_CHANNEL_ROLE, i);
        if (role == CH_SONG) {
            const int program = c.call(MDRV_GET_CHANNEL_PROGRAM, i);
            c.keys().bytes[KeyboardState::kChannelVoice + i] = static_cast<uint8_t>(program);
            setRow(i, voiceText(program), 1);
        } else if (isRole(role)) {
            setRow(i, channelRowFor(role, QString()).text, 0);
        }
    }
}

void ChannelPage::refreshRows() {
    FunctionContext &c = dialog_.context();
    for (int i = 0; i < kChannels; ++i) {
        const QString voice = voiceText(c.call(MDRV_GET_CHANNEL_PROGRAM, i));
        const ChannelRow row = channelRowFor(c.call(MDRV_GET_CHANNEL_ROLE, i), voice);
        setRow(i, row.text, row.check);
    }
}

void ChannelPage::userChanged(QListWidgetItem *item) {
    const int row = checkList->row(item);
    const bool checked = item->checkState() == Qt::Checked;
    if (row < 0 || checked == checked_[row]) return;
    toggleRow(row, checked);
}

void ChannelPage::toggleRow(int row, bool checked) {
    if (row < 0 || row >= kChannels) return;
    FunctionContext &c = dialog_.context();
    // The role as the engine has it now: the timer's refresh may have changed it since the rows were filled.
    const int role = c.call(MDRV_GET_CHANNEL_ROLE, row);
    if (checked) {
        if (role == CH_MUTED) {
            setRow(row, voiceText(c.call(MDRV_GET_CHANNEL_PROGRAM, row)), 1);
            c.call(MDRV_UNMUTE_CHANNEL, row);
        } else {
            setRow(row, QString(), 0);
            c.program.dialogs.messageBox(
                QStringLiteral("\n这个通道被使用或没必要使用,通常是没有使用或被占用!\n"), QString(),
                NW_MB_OK);
        }
    } else {
        if (role == CH_SONG) {
            setRow(row, QStringLiteral("已经关闭"), 0);
            c.call(MDRV_MUTE_CHANNEL, row);
        } else {
            setRow(row, QString(), 0);
        }
    }
}

void ChannelPage::doubleClickRow(int row) {
    if (!rowChecked(row)) return;
    checkList->setCurrentRow(row);
    const int program = dialog_.context().keys().bytes[KeyboardState::kChannelVoice + row];
    dialog_.voicePage()->prepareFixed(VoicePage::kChannel, program);
    dialog_.showTab(FunctionTab::Voice, FunctionSize::kVoiceForChannel);
}

void ChannelPage::applyProgram(int program) {
    const int row = checkList->currentRow();
    if (row < 0 || row >= kChannels) return;
    dialog_.context().call(MDRV_SET_CHANNEL_PROGRAM, program * 256 + row);
    setRow(row, voiceText(program), 1);
}

void ChannelPage::pressNumber(int channel) {
    if (channel >= 0 && channel < kChannels) dialog_.context().memory.selectedChannel = channel;
}

void ChannelPage::clickNumber(int channel) {
    pressNumber(channel);
    dialog_.controllerPage()->prepareForChannel();
    dialog_.showTab(FunctionTab::Controllers, FunctionSize::kControllerForChannel);
}

void ChannelPage::applyKnob(int x, int y) {
    if (y < 0) return;
    const int channel = y / kRowHeight;
    if (channel >= kChannels || x < kKnobMin || x >= kKnobEnd || !rowChecked(channel)) return;
    FunctionContext &c = dialog_.context();
    knobs->setKnob(channel, x);
    const int value = x - kKnobMin;
    c.keys().bytes[KeyboardState::kChannelControlValue + channel] = static_cast<uint8_t>(value);
    const int controller = c.keys().bytes[KeyboardState::kChannelController + channel];
    c.call(MDRV_SEND_CONTROLLER, value * 65536 + controller * 256 + channel);
}

void ChannelPage::moveKnob(int channel, int value) {
    if (channel < 0 || channel >= kChannels) return;
    applyKnob(value + kKnobMin, channel * kRowHeight);
}

}  // namespace piano
