#pragma once

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <array>
#include <map>
#include <vector>

#include "gauge.h"
#include "image_control.h"
#include "paint_box.h"
#include "speed_button.h"

// The fifteen caption buttons along the row under the display, by their form numbers.
enum CaptionButton : int {
    kBendDownButton = 7,
    kSpeedUpButton = 8,
    kSpeedDownButton = 9,
    kBendUpButton = 18,
    kBandVoiceButton = 23,
    kResetSpeedButton = 24,
    kProgramDownButton = 25,
    kResetBendButton = 26,
    kProgramUpButton = 27,
    kRestoreProgramsButton = 28,
    kEchoButton = 30,
    kLoopButton = 31,
    kControllersButton = 32,
    kChannelVoicesButton = 33,
    kAccompVoicesButton = 34,
};

// Every control of the main window, named for what it does; each keeps its form name ("SpeedButton11")
// as its object name. Built once by buildMainWindowControls.
struct MainWindowControls {
    QWidget *window = nullptr;

    ImageControl *background = nullptr;
    QLabel *startupHint = nullptr;  // shown only when start-up stops early
    QFrame *windowButtons = nullptr;
    SpeedButton *hideButton = nullptr;
    SpeedButton *resizeButton = nullptr;  // enlarge / shrink
    SpeedButton *closeButton = nullptr;
    ImageControl *aboutPicture = nullptr;
    QLabel *displayLine1 = nullptr, *displayLine2 = nullptr, *displayLine3 = nullptr;
    PaintBox *levelMeter = nullptr;
    QListWidget *songList = nullptr;

    SpeedButton *newBufferButton = nullptr, *saveBufferButton = nullptr, *playButton = nullptr,
                *pauseButton = nullptr, *stopRecordButton = nullptr, *modeSwitchButton = nullptr,
                *openFilesButton = nullptr;
    SpeedButton *skipBackButton = nullptr, *previousSongButton = nullptr, *nextSongButton = nullptr,
                *skipForwardButton = nullptr;
    QFrame *progressPanel = nullptr;
    Gauge *songProgress = nullptr;

    std::map<int, SpeedButton *> captionButtons;  // by CaptionButton

    std::array<SpeedButton *, 4> controllerButtons{};  // SpeedButton2..5
    std::array<SpeedButton *, 3> modeButtons{};        // SpeedButton20..22
    QFrame *gaugePanel = nullptr;
    std::array<Gauge *, 4> controllerGauges{};  // CGauge1, CGauge2, CGauge3, CGauge5
    Gauge *valueBar = nullptr;                  // the selected controller's value

    std::array<QFrame *, 4> verticalPanels{};          // Panel1..4
    std::array<ImageControl *, 4> verticalThumbs{};    // Image6, Image8, Image9, Image10
    std::array<QFrame *, 3> horizontalPanels{};        // Panel7..9
    std::array<ImageControl *, 3> horizontalThumbs{};  // Image11, Image12, Image13

    ImageControl *controlPanel = nullptr;
    ImageControl *keyboardPicture = nullptr;  // the unlit on-screen keyboard
    PaintBox *litKeys = nullptr;              // the lit keys over the keyboard picture
    QListWidget *accompList = nullptr;        // hidden: the eleven accompaniment files

    std::array<ImageControl *, 20> overlayImages{};  // created by start-up

    QMenu *popupMenu = nullptr;
    std::map<QString, QAction *> menuItems;  // by form name: "N2", "N5", ...

    // While the window is enlarged: the bounds each control had in the normal layout and was given in
    // the enlarged one. Scaling back cannot recover the odd pixels that enlarging dropped.
    struct KeptBounds {
        QWidget *control;
        QRect normal, enlarged;
    };
    std::vector<KeptBounds> normalLayout;

    // All nine slider and gauge panels, Panel1..Panel9 in order.
    std::array<QFrame *, 9> numberedPanels() const;
    // The seven transport buttons.
    std::array<SpeedButton *, 7> transportButtons() const;
    SpeedButton *captionButton(CaptionButton button) const { return captionButtons.at(button); }
};

// Creates every control of the normal layout at its design bounds on `window`.
MainWindowControls buildMainWindowControls(QWidget *window);
// Twenty hidden, disabled overlay images; lamps 9..12 and markers 13, 14 set up for the control panel.
void createOverlayImages(MainWindowControls &controls);
