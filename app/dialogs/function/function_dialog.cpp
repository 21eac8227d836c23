#include "function_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QStackedWidget>

#include "accomp_page.h"
#include "channel_page.h"
#include "controller_page.h"
#include "dialog_font.h"
#include "function_page.h"
#include "key_map_page.h"
#include "page_keys.h"
#include "resource_library.h"
#include "save_page.h"
#include "scale_page.h"
#include "second_click_guard.h"
#include "skin.h"
#include "voice_page.h"

namespace piano {
namespace {

const char *captionOf(FunctionTab tab) {
    switch (tab) {
        case FunctionTab::Accomp:
            return "伴奏选择";
        case FunctionTab::Save:
            return "保存文件";
        case FunctionTab::KeyMap:
            return "键盘";
        case FunctionTab::Scale:
            return "音阶选择";
        case FunctionTab::Voice:
            return "音色选择";
        case FunctionTab::Channels:
            return "通道";
        case FunctionTab::Controllers:
            return "控制器";
    }
    return "";
}

// Room below the visible sheet for views reached by moving the container up (the save options).
constexpr int kContainerSpareHeight = 260;

}  // namespace

void PlaceOnSheet(QWidget *widget, int x, int y, int width, int height) {
    widget->setGeometry(x - kPageContainerLeft, y - kPageContainerTop, width, height);
}

FunctionDialog::FunctionDialog(FunctionContext context, int functionPage, QWidget *parent)
    : QDialog(parent), context_(context) {
    setFont(DialogFont());

    background_ = new QLabel(this);
    background_->setScaledContents(true);
    background_->setAttribute(Qt::WA_TransparentForMouseEvents);

    container_ = new QStackedWidget(this);
    container_->move(kPageContainerLeft, kPageContainerTop);
    accomp_ = new AccompPage(*this);
    save_ = new SavePage(*this);
    keyMap_ = new KeyMapPage(*this);
    scale_ = new ScalePage(*this);
    voice_ = new VoicePage(*this);
    channels_ = new ChannelPage(*this);
    controllers_ = new ControllerPage(*this);
    for (QWidget *page :
         {static_cast<QWidget *>(accomp_), static_cast<QWidget *>(save_), static_cast<QWidget *>(keyMap_),
          static_cast<QWidget *>(scale_), static_cast<QWidget *>(voice_), static_cast<QWidget *>(channels_),
          static_cast<QWidget *>(controllers_)})
        container_->addWidget(page);

    keys_ = std::make_unique<PageKeys>(*this);
    secondClick_ = std::make_unique<SecondClickGuard>(*this);
    keyMap_->fillChoiceLists();
    loadBackground();
    if (!context_.program.settings.exists()) context_.program.settings.createEmpty();
    preparePage(functionPage);
}

FunctionDialog::~FunctionDialog() = default;

void FunctionDialog::loadBackground() {
    QPixmap picture;
    try {
        picture = Skin::looseOrSkin(context_.program, "Back.bmp", "B39");
    } catch (const MissingBitmap &) {
        // Neither the loose file nor the skin has it: the pages keep their plain colour.
    }
    background_->setPixmap(picture);
    background_->lower();
}

bool FunctionDialog::hasBackground() const {
    return !background_->pixmap().isNull();
}

void FunctionDialog::showTab(FunctionTab tab, QSize outer) {
    container_->setCurrentIndex(static_cast<int>(tab));
    setWindowTitle(QString::fromUtf8(captionOf(tab)));
    outerSize_ = outer;
    resize(outer.width() - kFrameWidth, outer.height() - kFrameHeight);
}

QAbstractButton *FunctionDialog::mainButton() const {
    switch (currentTab()) {
        case FunctionTab::Accomp:
            return accomp_->okButton;
        case FunctionTab::Save:
            // The options view lies below the main view; the container moves up to show it.
            return containerTop() == kPageContainerTop ? save_->saveButton : save_->optionsOkButton;
        case FunctionTab::KeyMap:
            return keyMap_->okButton;
        case FunctionTab::Scale:
            return scale_->okButton;
        case FunctionTab::Voice:
            return voice_->okButton;
        case FunctionTab::Channels:
            return channels_->okButton;
        case FunctionTab::Controllers:
            return controllers_->okButton;
    }
    return nullptr;
}

void FunctionDialog::swallowSecondClick() {
    secondClick_->arm();
}

FunctionTab FunctionDialog::currentTab() const {
    return static_cast<FunctionTab>(container_->currentIndex());
}

int FunctionDialog::containerTop() const {
    return container_->y();
}

void FunctionDialog::setContainerTop(int top) {
    container_->move(kPageContainerLeft, top);
}

void FunctionDialog::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    background_->setGeometry(rect());
    container_->resize(width() - kPageContainerLeft, height() - kPageContainerTop + kContainerSpareHeight);
}

void FunctionDialog::preparePage(int functionPage) {
    switch (functionPage) {
        case kPageSave:
            save_->prepare();
            showTab(FunctionTab::Save, FunctionSize::kSave);
            break;
        case kPageKeyMap:
            showTab(FunctionTab::KeyMap, FunctionSize::kKeyMap);
            break;
        case kPagePanelCell:
            prepareVoiceOrScale();
            break;
        case kPageBandVoice:
            voice_->prepareFixed(VoicePage::kBand, context_.call(MDRV_GET_CHANNEL0_PROGRAM));
            showTab(FunctionTab::Voice, FunctionSize::kChoice);
            break;
        case kPageChannels:
            channels_->prepare();
            showTab(FunctionTab::Channels, FunctionSize::kChannels);
            break;
        case kPageControllers:
            controllers_->prepareFromMainWindow();
            showTab(FunctionTab::Controllers, FunctionSize::kChoice);
            break;
        case kPageScale:
            scale_->prepare(0);
            showTab(FunctionTab::Scale, FunctionSize::kChoice);
            break;
        case kPageAccompVoice:
            voice_->prepareFixed(VoicePage::kAccomp, context_.call(MDRV_GET_ACCOMP_PROGRAM));
            showTab(FunctionTab::Voice, FunctionSize::kChoice);
            break;
        case kPageChordVoice1:
            voice_->prepareFixed(VoicePage::kChord1, voice_->chordVoice(VoicePage::kChord1));
            showTab(FunctionTab::Voice, FunctionSize::kChoice);
            break;
        case kPageChordVoice2:
            voice_->prepareFixed(VoicePage::kChord2, voice_->chordVoice(VoicePage::kChord2));
            showTab(FunctionTab::Voice, FunctionSize::kChoice);
            break;
        case kPageVoices:
            voice_->prepareRegion(0);
            showTab(FunctionTab::Voice, FunctionSize::kChoice);
            break;
        default:
            // The accompaniment page, also for a value no opener uses: it is the first page.
            accomp_->prepare();
            showTab(FunctionTab::Accomp, FunctionSize::kAccomp);
            break;
    }
}

void FunctionDialog::prepareVoiceOrScale() {
    const int cell = context_.panelCell();
    if (cell >= 0 && cell <= 4) {
        voice_->prepareRegion(cell);
        showTab(FunctionTab::Voice, FunctionSize::kChoice);
    } else if (cell == 5) {
        voice_->prepareRegion(0);
        showTab(FunctionTab::Voice, FunctionSize::kChoice);
    } else {
        scale_->prepare(cell >= 6 && cell <= 10 ? cell - 6 : -1);
        showTab(FunctionTab::Scale, FunctionSize::kChoice);
    }
}

void FunctionDialog::fillChannelRows() {
    channels_->fillRows();
}

void FunctionDialog::moveChannelKnob(int channel, int value) {
    channels_->moveKnob(channel, value);
}

void FunctionDialog::refreshChannelList() {
    channels_->refreshRows();
}

void FunctionDialog::done(int result) {
    const SettingsFile &settings = context_.program.settings;
    settings.writeString(SettingsKeys::kVoicePower, "12");
    settings.writeString(SettingsKeys::kScalePower, "12");
    background_->setPixmap(QPixmap());
    QDialog::done(result);
}

}  // namespace piano
