#pragma once

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <array>
#include <map>

#include "widgets/gauge.h"
#include "widgets/image_control.h"
#include "widgets/paint_box.h"
#include "widgets/speed_button.h"

// Every control of the main window, by its form name. Built once by buildMainWindowControls.
struct MainWindowControls {
    QWidget *window = nullptr;

    ImageControl *image1 = nullptr;                                  // background
    QLabel *label5 = nullptr;                                        // shown only when start-up stops early
    QFrame *panel10 = nullptr;                                       // window buttons
    SpeedButton *speedButton17 = nullptr;                            // hide
    SpeedButton *speedButton19 = nullptr;                            // enlarge / shrink
    SpeedButton *speedButton1 = nullptr;                             // close
    ImageControl *image3 = nullptr;                                  // about
    QLabel *label1 = nullptr, *label2 = nullptr, *label3 = nullptr;  // display lines
    PaintBox *paintBox1 = nullptr;                                   // level meter
    QListWidget *listBox1 = nullptr;                                 // song list

    // Transport: new buffer, save, play, pause, stop/record, mode switch, open.
    SpeedButton *speedButton16 = nullptr, *speedButton15 = nullptr, *speedButton11 = nullptr,
                *speedButton12 = nullptr, *speedButton13 = nullptr, *speedButton29 = nullptr,
                *speedButton6 = nullptr;
    // Position back, previous song, next song, position forward.
    SpeedButton *speedButton10 = nullptr, *speedButton35 = nullptr, *speedButton36 = nullptr,
                *speedButton14 = nullptr;
    QFrame *panel5 = nullptr;
    Gauge *cGauge4 = nullptr;  // song progress

    // The fifteen caption buttons, by form number.
    std::map<int, SpeedButton *> captionButtons;

    std::array<SpeedButton *, 4> controllerButtons{};  // SpeedButton2..5
    std::array<SpeedButton *, 3> modeButtons{};        // SpeedButton20..22
    QFrame *panel6 = nullptr;
    std::array<Gauge *, 4> controllerGauges{};  // CGauge1, CGauge2, CGauge3, CGauge5
    Gauge *progressBar2 = nullptr;              // controller value bar

    std::array<QFrame *, 4> verticalPanels{};          // Panel1..4
    std::array<ImageControl *, 4> verticalThumbs{};    // Image6, Image8, Image9, Image10
    std::array<QFrame *, 3> horizontalPanels{};        // Panel7..9
    std::array<ImageControl *, 3> horizontalThumbs{};  // Image11, Image12, Image13

    ImageControl *image7 = nullptr;                       // control panel
    ImageControl *image4 = nullptr;                       // on-screen keyboard picture
    PaintBox *paintBox2 = nullptr, *paintBox3 = nullptr;  // keyboard overlays
    QListWidget *listBox2 = nullptr;                      // accompaniment list

    std::array<ImageControl *, 20> overlayImages{};  // created by start-up

    QMenu *popupMenu1 = nullptr;
    std::map<QString, QAction *> menuItems;  // by form name: "N2", "N5", ...

    // All nine slider and gauge panels, Panel1..Panel9 in order.
    std::array<QFrame *, 9> numberedPanels() const;
    // The seven transport buttons.
    std::array<SpeedButton *, 7> transportButtons() const;
    SpeedButton *captionButton(int formNumber) const { return captionButtons.at(formNumber); }
};

// Creates every control of the normal layout at its design bounds on `window`.
MainWindowControls buildMainWindowControls(QWidget *window);
// Twenty hidden, disabled overlay images; lamps 9..12 and markers 13, 14 set up for the control panel.
void createOverlayImages(MainWindowControls &controls);
