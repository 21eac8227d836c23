#include "performance_wiring.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "control_panel.h"
#include "dialog_buttons.h"
#include "display_view.h"
#include "engine_host.h"
#include "key_event.h"
#include "key_map.h"
#include "keyboard_view.h"
#include "midi_keyboard.h"
#include "program.h"
#include "sliders.h"
#include "song_buttons.h"

namespace piano {
namespace {

constexpr int kCellMarkerImage = 13;
constexpr int kModeMarkerImage = 14;
constexpr int kFirstBeatLamp = 9;
const QColor kSelectedGauge(0, 0, 128);
const QColor kOtherGauge(128, 128, 128);

MouseButton mouseButton(const QMouseEvent *e) {
    if (e->button() == Qt::RightButton) return MouseButton::Right;
    if (e->button() == Qt::MiddleButton) return MouseButton::Middle;
    return MouseButton::Left;
}

std::string localPath(const QString &path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

void KeyOverlay::fitToPaintBox() {
    const QSize size = program_.controls.litKeys->size();
    if (overlay_.size() == size) return;
    overlay_ = QPixmap(size);
    overlay_.fill(Qt::transparent);
}

void KeyOverlay::drawKeyPicture(int picture, int x) {
    ImageControl *image = program_.controls.overlayImages[picture];
    if (!image) return;
    fitToPaintBox();
    QPainter painter(&overlay_);
    painter.drawPixmap(x, 0, image->picture());
    program_.controls.litKeys->update();
}

void KeyOverlay::clearKeyboard() {
    // The unlit keyboard picture lies beneath: an empty overlay shows it.
    fitToPaintBox();
    overlay_.fill(Qt::transparent);
    program_.controls.litKeys->update();
}

PerformanceWiring::PerformanceWiring(Program &program) : program_(program), overlay_(program_) {
    perf_.engine = &program_.engine;
    perf_.canvas = &overlay_;
    connectControls();
}

PerformanceWiring::~PerformanceWiring() = default;

void PerformanceWiring::loadKeyboardState(const QString &path) {
    LoadKeyboardState(perf_.state, localPath(path));
}

bool PerformanceWiring::saveKeyboardState(const QString &path) const {
    return SaveKeyboardState(perf_.state, localPath(path));
}

void PerformanceWiring::restoreButtons(const ButtonSettings &stored) {
    RestoreButtonSettings(perf_, stored);
    showControllers();
    showPanel();
}

void PerformanceWiring::restoreSliders(const SliderThumbs &stored) {
    perf_.sliders.thumb = stored;
    showSliders();
}

void PerformanceWiring::showBeat(int beat) {
    ShowBeat(perf_, beat);
    showBeatLamps();
}

void PerformanceWiring::scaleKeyboardTables(bool enlarged) {
    const bool changes = perf_.layout.enlarged != enlarged;
    ScaleKeyboardTables(perf_.layout, enlarged);
    if (changes) {
        ScaleSliderThumbs(perf_.sliders, enlarged);
        showSliders();
    }
    // Scaling the markers' bounds down would lose the odd pixels of their places: take them anew.
    if (PlacePanelMarkers(perf_)) showPanel();
}

void PerformanceWiring::engineMessage(uint32_t message, uint32_t wparam, uint32_t lparam) {
    if (message == WM_MDRV_KEYS) HandleKeysMessage(perf_, wparam, lparam);
    if (message == WM_MDRV_ACCOMP_NOTE) showBeat(static_cast<int>(wparam));
    if (message == WM_MDRV_INPUT) HandleMidiInput(perf_, lparam);
}

bool PerformanceWiring::keyEvent(QKeyEvent *event) {
    const bool consumed = HandleKeyEvent(perf_, *event);
    showControllers();
    return consumed;
}

void PerformanceWiring::silence() {
    ClearKeyboard(perf_);
    SilenceKeyboard(perf_);
}

void PerformanceWiring::connectControls() {
    MainWindowControls &c = program_.controls;
    c.litKeys->onPaint = [this](QPainter &painter) { painter.drawPixmap(0, 0, overlay_.pixmap()); };
    for (QObject *o : {static_cast<QObject *>(c.keyboardPicture), static_cast<QObject *>(c.controlPanel),
                       static_cast<QObject *>(c.valueBar)})
        o->installEventFilter(this);
    for (int i = 0; i < 4; ++i) {
        c.verticalPanels[i]->installEventFilter(this);
        c.verticalThumbs[i]->installEventFilter(this);
        connect(c.controllerButtons[i], &QAbstractButton::clicked, this, [this, i] {
            SelectControllerButton(perf_, i + 1);
            showControllers();
        });
    }
    for (int i = 0; i < 3; ++i) {
        c.horizontalPanels[i]->installEventFilter(this);
        c.horizontalThumbs[i]->installEventFilter(this);
        connect(c.modeButtons[i], &QAbstractButton::clicked, this, [this, i] {
            SetPanelMode(perf_, i + 1);
            showPanel();
        });
    }
    const std::pair<CaptionButton, SongButton> songButtons[] = {
        {kBendDownButton, SongButton::BendDown},
        {kBendUpButton, SongButton::BendUp},
        {kResetBendButton, SongButton::ResetBend},
        {kResetSpeedButton, SongButton::ResetSpeed},
        {kProgramUpButton, SongButton::ProgramUp},
        {kProgramDownButton, SongButton::ProgramDown},
        {kRestoreProgramsButton, SongButton::RestorePrograms}};
    for (const auto &[form, button] : songButtons)
        connect(c.captionButton(form), &QAbstractButton::clicked, this,
                [this, b = button] { ClickSongButton(perf_, b); });
    for (CaptionButton form :
         {kBandVoiceButton, kChannelVoicesButton, kControllersButton, kAccompVoicesButton})
        c.captionButton(form)->installEventFilter(this);
    connect(c.captionButton(kEchoButton), &QAbstractButton::clicked, this,
            [this] { EngineCall(*perf_.engine, MDRV_TOGGLE_ECHO); });
}

void PerformanceWiring::showControllers() {
    MainWindowControls &c = program_.controls;
    for (int i = 0; i < 4; ++i) {
        c.controllerGauges[i]->setProgress(std::clamp(perf_.buttons.value[i + 1], 0, 16));
        c.controllerGauges[i]->setBarColour(perf_.buttons.navyGauge == i + 1 ? kSelectedGauge : kOtherGauge);
    }
    c.valueBar->setProgress(perf_.buttons.valueBarPosition);
}

void PerformanceWiring::showSliders() {
    MainWindowControls &c = program_.controls;
    for (int i = 0; i < 4; ++i)
        c.verticalThumbs[i]->move(c.verticalThumbs[i]->x(), perf_.sliders.thumb[i]);
    for (int i = 0; i < 3; ++i)
        c.horizontalThumbs[i]->move(perf_.sliders.thumb[4 + i], c.horizontalThumbs[i]->y());
}

void PerformanceWiring::showPanel() {
    MainWindowControls &c = program_.controls;
    if (ImageControl *marker = c.overlayImages[kCellMarkerImage])
        marker->move(perf_.panel.cellMarker.left, perf_.panel.cellMarker.top);
    if (ImageControl *marker = c.overlayImages[kModeMarkerImage])
        marker->move(perf_.panel.modeMarker.left, perf_.panel.modeMarker.top);
}

void PerformanceWiring::showBeatLamps() {
    const ResourceLibrary &library = perf_.layout.enlarged ? program_.defaultLibrary : program_.skinLibrary;
    for (int i = 0; i < 4; ++i) {
        ImageControl *lamp = program_.controls.overlayImages[kFirstBeatLamp + i];
        if (!lamp || perf_.panel.beatLamp[i].empty()) continue;
        try {
            lamp->setPicture(library.bitmap(QString::fromStdString(perf_.panel.beatLamp[i])));
        } catch (const MissingBitmap &) {
            // A skin without lamp pictures keeps the lamps as they are.
        }
    }
}

void PerformanceWiring::clickPanel(int x, int y) {
    QListWidget *list = program_.controls.accompList;
    perf_.panel.accompFolder = localPath(program_.state.paths.accompFolder);
    if (!perf_.panel.accompFolder.empty() && perf_.panel.accompFolder.back() != '/')
        perf_.panel.accompFolder += '/';
    for (int i = 0; i < 11; ++i)
        perf_.panel.accompFiles[i] = i < list->count() ? localPath(list->item(i)->text()) : std::string();
    ClickPanel(perf_, x, y);
    for (int i = 0; i < 11 && i < list->count(); ++i)
        list->item(i)->setText(QFile::decodeName(perf_.panel.accompFiles[i].c_str()));
    showPanel();
    showBeatLamps();
}

void PerformanceWiring::sendSliderValues() {
    SendSliders(perf_);
}

bool PerformanceWiring::sliderEvent(int slider, QObject *watched, QEvent *event) {
    MainWindowControls &c = program_.controls;
    const bool vertical = slider < 4;
    QWidget *panel = vertical ? c.verticalPanels[slider] : c.horizontalPanels[slider - 4];
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint at = static_cast<QWidget *>(watched)->mapTo(panel, mouse->position().toPoint());
    const int position = vertical ? at.y() : at.x();
    const auto id = static_cast<SliderId>(slider);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            SliderPress(perf_, id, mouseButton(mouse), position);
            break;
        case QEvent::MouseMove:
            SliderMove(perf_, id, position);
            break;
        case QEvent::MouseButtonRelease:
            SliderRelease(perf_, id);
            break;
        default:
            return false;
    }
    showSliders();
    return true;
}

bool PerformanceWiring::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                       type == QEvent::MouseMove || type == QEvent::MouseButtonDblClick;
    if (!mouse) return false;
    MainWindowControls &c = program_.controls;
    auto *m = static_cast<QMouseEvent *>(event);
    const QPoint pos = m->position().toPoint();
    // The keyboard and the control panel take the left button only; the right one opens the menu.
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (press && m->button() != Qt::LeftButton && (watched == c.keyboardPicture || watched == c.controlPanel))
        return false;

    if (watched == c.keyboardPicture) {
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            KeyboardMousePress(perf_, pos.x(), pos.y());
        else if (type == QEvent::MouseMove)
            KeyboardMouseMove(perf_, pos.x(), pos.y());
        else
            KeyboardMouseRelease(perf_);
        return true;
    }
    if (watched == c.controlPanel) {
        if (type == QEvent::MouseButtonPress) clickPanel(pos.x(), pos.y());
        if (type == QEvent::MouseButtonDblClick) DoubleClickPanel(perf_);
        return true;
    }
    if (watched == c.valueBar) {
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            ValueBarPress(perf_, pos.x());
        if (type == QEvent::MouseMove) ValueBarMove(perf_, pos.x());
        if (type == QEvent::MouseButtonRelease) ValueBarRelease(perf_);
        showControllers();
        return true;
    }
    for (int i = 0; i < 4; ++i)
        if (watched == c.verticalPanels[i] || watched == c.verticalThumbs[i])
            return sliderEvent(i, watched, event);
    for (int i = 0; i < 3; ++i)
        if (watched == c.horizontalPanels[i] || watched == c.horizontalThumbs[i])
            return sliderEvent(4 + i, watched, event);

    const std::pair<CaptionButton, DialogButton> dialogButtons[] = {
        {kBandVoiceButton, DialogButton::Voices},
        {kChannelVoicesButton, DialogButton::ChannelVoices},
        {kControllersButton, DialogButton::Controllers},
        {kAccompVoicesButton, DialogButton::AccompVoices}};
    for (const auto &[form, button] : dialogButtons) {
        QWidget *w = c.captionButton(form);
        if (watched != w) continue;
        if (type == QEvent::MouseButtonPress) DialogButtonPress(perf_, button);
        if (type == QEvent::MouseButtonRelease)
            DialogButtonRelease(perf_, button, pos.x(), pos.y(), w->width(), w->height());
        return false;  // the button still shows its press
    }
    return false;
}

}  // namespace piano
