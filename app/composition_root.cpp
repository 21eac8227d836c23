#include "composition_root.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

#include "channel_page.h"
#include "context_menu.h"
#include "display_view.h"
#include "engine_host.h"
#include "function_dialog_opener.h"
#include "key_map.h"
#include "keyboard_view.h"
#include "main_timer.h"
#include "main_window.h"
#include "performance_wiring.h"
#include "settings_dialog.h"
#include "transport_wiring.h"
#include "voice_list.h"

CompositionRoot::CompositionRoot(DialogService &dialogs) : window_(std::make_unique<MainWindow>(dialogs)) {
    Program &p = window_->program();
    livePlaying_ = std::make_unique<piano::PerformanceWiring>(p);
    functionDialog_ = std::make_unique<piano::FunctionDialogOpener>(p, performance(), window_.get());
    TransportWiring::wire(p);
    connectParts();
    const QStringList missing = p.hooks.unfilled() + performance().hooks.unfilled();
    if (!missing.isEmpty())
        throw std::logic_error("program parts not connected: " + missing.join(", ").toStdString());
}

CompositionRoot::~CompositionRoot() {
    // The window's shutdown still reaches live playing and the dialog: end it while they exist.
    window_->shutdown();
    functionDialog_.reset();
    window_.reset();
}

Program &CompositionRoot::program() {
    return window_->program();
}

piano::Performance &CompositionRoot::performance() {
    return livePlaying_->performance();
}

void CompositionRoot::connectParts() {
    using piano::KeyboardState;
    Program &p = window_->program();
    ProgramHooks &h = p.hooks;
    piano::PerformanceWiring &live = *livePlaying_;
    piano::Performance &perf = live.performance();
    piano::FunctionDialogOpener &dialog = *functionDialog_;
    MainWindow *window = window_.get();

    // The keyboard-state file and start-up's restore of live playing.
    h.loadKeyboardState = [&live](const QString &path) { live.loadKeyboardState(path); };
    h.saveKeyboardState = [&live](const QString &path) { return live.saveKeyboardState(path); };
    h.restoreButtons = [&live](const piano::ButtonSettings &stored) { live.restoreButtons(stored); };
    h.restoreSliders = [&live](const piano::SliderThumbs &stored) { live.restoreSliders(stored); };
    h.liveSettings = [&live] { return live.liveSettings(); };
    h.showBeat = [&live](int beat) { live.showBeat(beat); };
    h.enlargeKeyboardTables = [&live] { live.scaleKeyboardTables(true); };
    h.shrinkKeyboardTables = [&live] { live.scaleKeyboardTables(false); };

    // Time and the engine's messages: the display first, then live playing.
    h.timer1Tick = [&p, window] { MainTimer::tick(p, window->isActiveWindow()); };
    h.sendSliders = [&live] { live.sendSliderValues(); };
    h.engineMessage = [&p, &live](uint32_t message, uint32_t wparam, uint32_t lparam) {
        live.engineMessage(message, wparam, lparam);
        MainTimer::engineMessage(p, message, wparam, lparam);
    };
    h.keyEvent = [&live](QKeyEvent *event) { return live.keyEvent(event); };
    h.popupMenuOpening = [&live] { live.silence(); };

    // The two dialogs.
    h.openSettingsDialog = [&p, window](int page) { SettingsDialog::openModal(p, page, window); };
    h.openFunctionDialog = [&dialog](int page, bool) { dialog.open(page); };
    h.functionDialogExists = [&dialog] { return dialog.exists(); };
    h.dropHiddenFunctionDialog = [&dialog] { dialog.destroyIfHidden(); };
    h.voiceListRow = [](int program) { return QString::fromStdString(piano::VoiceListRow(program)); };
    h.setChannelRow = [&dialog](int channel, const QString &text, int check) {
        if (piano::FunctionDialog *d = dialog.dialog()) d->channelPage()->setRow(channel, text, check);
    };
    h.moveChannelKnob = [&dialog](int channel, int value) {
        if (piano::FunctionDialog *d = dialog.dialog()) d->moveChannelKnob(channel, value);
    };

    // What the transport and the timer read and change of live playing.
    h.clearKeyboard = [&perf] { piano::ClearKeyboard(perf); };
    h.silenceKeyboard = [&perf] { piano::SilenceKeyboard(perf); };
    h.resendControllers = [&perf] {
        piano::ForgetControllersSent(perf);
        piano::SendChangedControllers(perf);
    };
    h.buttonController = [&perf](int button) { return int(perf.state.buttonController(button)); };
    h.channelController = [&perf](int channel) {
        return int(perf.state.bytes[KeyboardState::kChannelController + channel]);
    };
    h.channelControlValue = [&perf](int channel) {
        return int(perf.state.bytes[KeyboardState::kChannelControlValue + channel]);
    };
    h.setChannelControlValue = [&perf](int channel, int value) {
        perf.state.bytes[KeyboardState::kChannelControlValue + channel] = uint8_t(value);
    };
    // A program change met in the song: the channel's voice as the engine now reports it.
    h.setChannelVoice = [&perf](int channel, int program) {
        perf.state.bytes[KeyboardState::kChannelVoice + channel] = uint8_t(program);
    };
    h.setControllerTarget = [&perf](int target) { perf.state.controllerTarget() = uint8_t(target); };

    // What live playing needs of the program.
    piano::PerformanceHooks &ph = perf.hooks;
    ph.setDisplayView = [&p](int view) { DisplayView::setView(p, view); };
    ph.openFunctionDialog = [&p](int page, bool modal) { p.hooks.openFunctionDialog(page, modal); };
    ph.showMessage = [&p](const std::string &text) {
        p.dialogs.messageBox(QString::fromStdString(text), QString(), NW_MB_OK);
    };
    ph.postToWindow = [window](uint32_t message, uint32_t wparam, uint32_t lparam) {
        QCoreApplication::postEvent(window, new EngineMessageEvent(message, wparam, lparam));
    };
    ph.fileExists = [](const std::string &path) {
        return QFileInfo(QFile::decodeName(path.c_str())).isFile();  // a folder is no pattern
    };
    ph.startVolumeControl = [&p] { ContextMenu::openVolumeControl(p); };
    ph.refreshChannelsSoon = [&p](int ticks) { p.state.refreshChannelsSoon(ticks); };
    ph.functionDialogExists = [&dialog] { return dialog.exists(); };
    ph.refillChannelPage = [&dialog] {
        if (piano::FunctionDialog *d = dialog.dialog()) d->fillChannelRows();
    };
}
