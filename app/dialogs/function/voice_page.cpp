#include "voice_page.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "channel_page.h"
#include "choice_list.h"
#include "function_dialog.h"
#include "targeted_choices.h"
#include "voice_list.h"

namespace piano {
namespace {

constexpr int kRegions = 5;
constexpr int kSlotsPerRegion = 12;
// Harmony effects 6..11 carry the two layer voices.
constexpr int kFirstLayeredEffect = 6;
constexpr int kLastLayeredEffect = 11;

const char *const kTargetTexts[] = {"第1个八度区", "第2个八度区", "第3个八度区",  "第4个八度区",
                                    "第5个八度区", "乐队音色",    "单个通道音色", "合音第一",
                                    "合音第二",    "伴奏音色"};

}  // namespace

VoicePage::VoicePage(FunctionDialog &dialog) : dialog_(dialog) {
    QStringList targets, voices;
    for (const char *text : kTargetTexts)
        targets << QString::fromUtf8(text);
    for (int p = 0; p < kVoiceCount; ++p)
        voices << QString::fromStdString(VoiceListRow(p));
    // For a channel a click also leaves for the channel page.
    const TargetedChoices built = BuildTargetedChoices(
        this, targets, voices, [this] { return target() == kChannel; },
        [this](int row) { clickProgram(row); });
    targetBox = built.targetBox;
    programList = built.list;
    okButton = built.okButton;

    connect(targetBox, &QComboBox::activated, this, &VoicePage::changeTarget);
    connect(programList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *i) { clickProgram(programList->row(i)); });
    connect(programList, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *i) { doubleClickProgram(programList->row(i)); });
    connect(okButton, &QPushButton::clicked, this, &VoicePage::confirm);
}

int VoicePage::target() const {
    return targetBox->currentIndex();
}

bool VoicePage::targetFixed() const {
    return !targetBox->isEnabled();
}

void VoicePage::showRegionProgram(int region) {
    const int program = dialog_.context().keys().slotVoice(region * kSlotsPerRegion + 1);
    programList->setCurrentRow(program < kVoiceCount ? program : -1);
}

void VoicePage::prepareRegion(int region) {
    targetBox->setEnabled(true);
    targetBox->setCurrentIndex(region);
    showRegionProgram(region);
}

void VoicePage::prepareFixed(int target, int program) {
    targetBox->setCurrentIndex(target);
    targetBox->setEnabled(false);
    programList->setCurrentRow(program >= 0 && program < kVoiceCount ? program : -1);
}

uint8_t *VoicePage::chordVoiceByte(int target) const {
    FunctionContext &c = dialog_.context();
    const int cell = c.panelCell();
    // Only the layered harmony cells have these voices; another cell would name an unrelated byte.
    if (cell < kFirstLayeredEffect || cell > kLastLayeredEffect) return nullptr;
    return target == kChord1 ? &c.keys().chordVoice1(cell) : &c.keys().chordVoice2(cell);
}

int VoicePage::chordVoice(int target) const {
    const uint8_t *byte = chordVoiceByte(target);
    return byte ? *byte : 0;
}

void VoicePage::changeTarget(int target) {
    if (targetFixed()) return;
    targetBox->setCurrentIndex(target);
    if (target >= 0 && target < kRegions) showRegionProgram(target);
}

void VoicePage::clickProgram(int program) {
    if (program < 0 || program >= kVoiceCount) return;
    programList->setCurrentRow(program);
    FunctionContext &c = dialog_.context();
    const int t = target();
    if (t >= 0 && t < kRegions) {
        for (int slot = t * kSlotsPerRegion + 1; slot <= (t + 1) * kSlotsPerRegion; ++slot)
            c.keys().slotVoice(slot) = static_cast<uint8_t>(program);
    } else if (t == kBand) {
        c.call(MDRV_SET_SONG_PROGRAM, program);
    } else if (t == kChannel) {
        ChannelPage *channels = dialog_.channelPage();
        dialog_.showTab(FunctionTab::Channels, FunctionSize::kChannels);
        dialog_.swallowSecondClick();
        channels->applyProgram(program);
    } else if (t == kChord1 || t == kChord2) {
        if (uint8_t *byte = chordVoiceByte(t)) *byte = static_cast<uint8_t>(program);
    } else if (t == kAccomp) {
        c.call(MDRV_SET_ACCOMP_PROGRAM, program);
    }
}

void VoicePage::doubleClickProgram(int program) {
    // For a channel the click that came with the double-click has already applied it.
    if (target() != kChannel) clickProgram(program);
    dialog_.close();
}

void VoicePage::confirm() {
    const int program = programList->currentRow();
    if (program >= 0 && target() != kChannel) clickProgram(program);
    dialog_.close();
}

}  // namespace piano
