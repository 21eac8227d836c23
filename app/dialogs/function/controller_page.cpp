#include "controller_page.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "channel_page.h"
#include "choice_list.h"
#include "controller_list.h"
#include "function_dialog.h"
#include "targeted_choices.h"

namespace piano {
namespace {

constexpr int kButtons = 4;
const char *const kTargetTexts[] = {"按钮1", "按钮2", "按钮3", "按钮4", "伴奏效果", "通道控制码"};

}  // namespace

ControllerPage::ControllerPage(FunctionDialog &dialog) : dialog_(dialog) {
    QStringList targets, rows;
    for (const char *text : kTargetTexts)
        targets << QString::fromUtf8(text);
    for (const ControllerRow &row : kControllerList)
        rows << QString::fromUtf8(row.text);
    // For a channel a click also leaves for the channel page.
    const TargetedChoices built = BuildTargetedChoices(
        this, targets, rows, [this] { return target() == kChannel; }, [this](int row) { clickRow(row); });
    targetBox = built.targetBox;
    list = built.list;
    okButton = built.okButton;

    connect(targetBox, &QComboBox::activated, this, &ControllerPage::changeTarget);
    connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem *i) { clickRow(list->row(i)); });
    connect(list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *i) { doubleClickRow(list->row(i)); });
    connect(okButton, &QPushButton::clicked, this, &ControllerPage::confirm);
}

int ControllerPage::target() const {
    return targetBox->currentIndex();
}

int ControllerPage::currentNumber(int target) const {
    FunctionContext &c = dialog_.context();
    if (target >= 0 && target < kButtons) return c.keys().buttonController(target + 1);
    if (target == kAccompEffect) return c.program.state.settings.controlCode;
    if (target == kChannel)
        return c.keys().bytes[KeyboardState::kChannelController + c.memory.selectedChannel];
    return -1;
}

void ControllerPage::store(int target, int number) {
    FunctionContext &c = dialog_.context();
    const auto value = static_cast<uint8_t>(number);
    if (target >= 0 && target < kButtons)
        c.keys().buttonController(target + 1) = value;
    else if (target == kAccompEffect)
        c.program.state.settings.controlCode = value;
    else if (target == kChannel)
        c.keys().bytes[KeyboardState::kChannelController + c.memory.selectedChannel] = value;
}

void ControllerPage::showNumber(int target) {
    list->setCurrentRow(ControllerRowOf(currentNumber(target)));
    if (list->currentRow() < 0) list->clearSelection();
}

void ControllerPage::prepareFromMainWindow() {
    const int stored = dialog_.context().keys().controllerTarget();
    const int target = stored >= 1 && stored <= 5 ? stored - 1 : 0;
    targetBox->setEnabled(true);
    targetBox->setCurrentIndex(target);
    showNumber(target);
}

void ControllerPage::prepareForChannel() {
    targetBox->setCurrentIndex(kChannel);
    targetBox->setEnabled(false);
    showNumber(kChannel);
}

void ControllerPage::changeTarget(int target) {
    if (!targetBox->isEnabled() || target < 0 || target > kChannel) return;
    targetBox->setCurrentIndex(target);
    showNumber(target);
}

void ControllerPage::clickRow(int row) {
    if (row < 0 || row >= kControllerRowCount) return;
    list->setCurrentRow(row);
    const int t = target();
    store(t, kControllerList[row].number);
    if (t == kChannel) {
        dialog_.showTab(FunctionTab::Channels, FunctionSize::kChannels);
        dialog_.swallowSecondClick();
        dialog_.channelPage()->refreshLabels();
    }
}

void ControllerPage::doubleClickRow(int row) {
    if (row >= 0 && row < kControllerRowCount) {
        list->setCurrentRow(row);
        if (target() == kAccompEffect)
            store(kAccompEffect, kControllerList[row].number);
        else
            clickRow(row);
    }
    if (target() == kAccompEffect)
        dialog_.context().call(MDRV_SET_ACCOMP_CONTROLLER,
                               dialog_.context().program.state.settings.controlCode);
    dialog_.close();
}

void ControllerPage::confirm() {
    doubleClickRow(list->currentRow());
}

}  // namespace piano
