#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>

#include "app_fixture.h"
#include "hide_counter.h"
#include "layout.h"
#include "skin.h"
#include "skin_fixture.h"
#include "sliders.h"
#include "window_placement.h"

using SkinFixture::colourAt;
using SkinFixture::colourOf;

TEST(Skin, FlatTransportButtonsFollowTheSkinsFligBitmap) {
    struct Case {
        bool skinHasFlig;
        const char *storedBefore;
        bool flat;
        const char *storedAfter;
    } cases[] = {{true, "ButtonFlat=0", true, "ButtonFlat=1"},
                 {false, "ButtonFlat=1", false, "ButtonFlat=0"}};
    for (const Case &c : cases) {
        Installation installation;
        if (c.skinHasFlig) {
            ASSERT_TRUE(installation.writeSkin("resource.skn", {"Flig"}));
        }
        installation.writeSettings(QString("[Set]\n%1\n").arg(c.storedBefore));
        RunningWindow run(installation);
        ASSERT_TRUE(run.start());
        for (SpeedButton *button : run.controls().transportButtons())
            EXPECT_EQ(button->isFlat(), c.flat);
        EXPECT_TRUE(installation.settingsText().contains(QString(c.storedAfter) + "\n")) << c.storedAfter;
        run.window().shutdown();
    }
}

TEST(Skin, ALooseBitmapOverridesTheSkinInTheNormalLayoutOnly) {
    Installation installation;
    ASSERT_TRUE(SkinFixture::writeBitmap(installation.path("23.bmp"), QSize(84, 22), Qt::red));
    RunningWindow run(installation);
    ASSERT_TRUE(run.start());
    run.show();
    SpeedButton *play = run.controls().playButton;
    EXPECT_EQ(colourAt(play->glyph()), QColor(Qt::red));
    EXPECT_EQ(colourAt(run.controls().pauseButton->glyph()), colourOf("B10"));

    Layout::enlarge(run.program());
    EXPECT_EQ(colourAt(play->glyph()), colourOf("BEIFENB18"));
    Layout::shrink(run.program());
    EXPECT_EQ(colourAt(play->glyph()), QColor(Qt::red));
    run.window().shutdown();
}

TEST(Skin, PlainPicturesOptionRemovesOrRestoresTheAboutAndPanelPictures) {
    Installation installation;
    RunningWindow run(installation);
    ASSERT_TRUE(run.start());
    MainWindowControls &c = run.controls();
    EXPECT_FALSE(c.aboutPicture->hasPicture());  // default: plain
    EXPECT_FALSE(c.controlPanel->hasPicture());

    Skin::applyPlainPictures(run.program(), 0);
    EXPECT_EQ(colourAt(c.aboutPicture->picture()), colourOf("B37"));
    EXPECT_EQ(colourAt(c.controlPanel->picture()), colourOf("B27"));
    EXPECT_TRUE(c.aboutPicture->toolTip().isEmpty());
    EXPECT_TRUE(installation.settingsText().contains("PicFlat=0\n"));

    Skin::applyPlainPictures(run.program(), 7);  // not an option: nothing changes
    EXPECT_TRUE(c.aboutPicture->hasPicture());
    EXPECT_TRUE(installation.settingsText().contains("PicFlat=0\n"));
    run.window().shutdown();
}

TEST(Skin, ColourReachesWindowPanelsAndProgressGauge) {
    Installation installation;
    installation.writeSettings("[Set]\nColor=255\n");  // red, stored as 0x00BBGGRR
    RunningWindow run(installation);
    ASSERT_TRUE(run.start());
    MainWindowControls &c = run.controls();
    EXPECT_EQ(run.window().palette().color(QPalette::Window), QColor(255, 0, 0));
    for (QFrame *panel : c.numberedPanels())
        EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(c.songProgress->backColour(), QColor(255, 0, 0));
    EXPECT_EQ(c.songProgress->barColour(), Skin::colourFromValue(255 + 100));
    EXPECT_EQ(c.captionButton(kSpeedUpButton)->textColour(), QColor(255, 0, 0));
    run.window().shutdown();
}

TEST(Layout, EnlargeClampsAtTheScreenCornerAndShrinkMovesBack) {
    Installation installation;
    RunningWindow run(installation);
    ASSERT_TRUE(run.start());
    run.show();
    MainWindowControls &c = run.controls();
    run.window().move(50, 20);
    const QRect thirdLamp = c.overlayImages[11]->geometry();

    Layout::enlarge(run.program());
    EXPECT_TRUE(run.program().state.enlarged);
    EXPECT_EQ(run.window().pos(), QPoint(0, 0));
    EXPECT_EQ(run.window().size(), QSize(675, 315));
    EXPECT_TRUE(run.window().isVisible());
    EXPECT_EQ(c.windowButtons->geometry(), QRect(615, 15, 42, 14));
    EXPECT_EQ(c.keyboardPicture->geometry(), QRect(15, 195, 631, 111));
    EXPECT_EQ(c.verticalPanels[0]->geometry(), QRect(21, 120, 15, 60));
    EXPECT_EQ(c.verticalThumbs[0]->geometry(), QRect(0, 12, 21, 15));
    EXPECT_EQ(c.horizontalThumbs[0]->geometry(), QRect(12, 0, 15, 21));
    EXPECT_EQ(c.controllerButtons[1]->geometry(), QRect(56, 60, 39, 21));
    EXPECT_EQ(c.overlayImages[11]->geometry(), QRect(403, 171, 13, 10));
    EXPECT_EQ(c.valueBar->maximum(), 150);
    EXPECT_EQ(c.displayLine1->font().pointSize(), 12);
    EXPECT_EQ(c.displayLine3->geometry(), QRect(198, 114, 146, 23));
    EXPECT_EQ(colourAt(c.background->picture()), colourOf("BEIFENB15"));
    EXPECT_EQ(colourAt(c.keyboardPicture->picture()), colourOf("BEIFENB14"));
    EXPECT_EQ(colourAt(c.overlayImages[1]->picture()), colourOf("BEIFENB5"));
    EXPECT_FALSE(c.controlPanel->hasPicture());

    Layout::shrink(run.program());
    EXPECT_FALSE(run.program().state.enlarged);
    EXPECT_EQ(run.window().pos(), QPoint(112, 52));
    EXPECT_EQ(run.window().size(), QSize(450, 210));
    EXPECT_EQ(c.windowButtons->geometry(), QRect(395, 9, 42, 14));
    EXPECT_EQ(c.keyboardPicture->geometry(), QRect(11, 130, 421, 75));
    EXPECT_EQ(c.verticalPanels[0]->geometry(), QRect(15, 80, 11, 41));
    EXPECT_EQ(c.verticalThumbs[0]->geometry(), QRect(0, 8, 11, 14));
    EXPECT_EQ(c.controllerButtons[1]->geometry(), QRect(38, 41, 27, 15));
    EXPECT_EQ(c.modeButtons[0]->geometry(), QRect(92, 78, 27, 15));
    EXPECT_EQ(c.overlayImages[11]->geometry(), thirdLamp);
    const int gaugeLefts[] = {1, 28, 55, 81};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(c.controllerGauges[i]->x(), gaugeLefts[i]);
    EXPECT_EQ(c.valueBar->maximum(), 100);
    EXPECT_EQ(c.displayLine3->geometry(), QRect(133, 76, 97, 15));
    EXPECT_EQ(colourAt(c.background->picture()), colourOf("B0"));
    EXPECT_EQ(colourAt(c.keyboardPicture->picture()), colourOf("BEIFENB13"));
    // The skin load after a shrink brings the about and panel pictures back whatever the option says.
    EXPECT_TRUE(c.controlPanel->hasPicture());
    run.window().shutdown();
}

TEST(Layout, SavedEnlargedLayoutIsRestoredAtTheSavedPosition) {
    Installation installation;
    installation.writeSettings("[Piano]\nLeft=300\nTop=200\nMaxMin=1\n");
    {
        RunningWindow run(installation);
        ASSERT_TRUE(run.start());
        run.show();
        EXPECT_TRUE(run.program().state.enlarged);
        EXPECT_EQ(run.window().pos(), QPoint(300, 200));
        EXPECT_EQ(run.window().size(), QSize(675, 315));
        run.window().shutdown();
    }
    EXPECT_TRUE(installation.settingsText().contains("MaxMin=1\n"));
    EXPECT_TRUE(installation.settingsText().contains("Left=300\n"));
}

TEST(Layout, ModePicturesInTheEnlargedLayoutComeFromTheDefaults) {
    Installation installation;
    RunningWindow run(installation);
    ASSERT_TRUE(run.start());
    run.show();
    Layout::enlarge(run.program());
    Skin::showModePictures(run.program(), true);
    EXPECT_EQ(colourAt(run.controls().stopRecordButton->glyph()), colourOf("BEIFENB22"));
    Skin::showModePictures(run.program(), false);
    EXPECT_EQ(colourAt(run.controls().stopRecordButton->glyph()), colourOf("BEIFENB20"));
    EXPECT_EQ(colourAt(run.controls().modeSwitchButton->glyph()), colourOf("BEIFENB21"));
    run.window().shutdown();
}

TEST(Layout, DragStripIsTwentyPixelsHighNormallyAndThirtyEnlarged) {
    struct Case {
        QPoint point;
        bool enlarged;
        bool drags;
    } cases[] = {
        {{0, 0}, false, true},    {{449, 19}, false, true}, {{100, 20}, false, false},
        {{100, 29}, true, true},  {{100, 30}, true, false}, {{1199, 5}, true, true},
        {{1200, 5}, true, false}, {{-1, 5}, false, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Layout::inDragStrip(c.point, c.enlarged), c.drags) << c.point.x() << "," << c.point.y();
}

TEST(Layout, APictureMissingFromTheDefaultsStopsTheChangeWithAMessageAndKeepsTheWindowShown) {
    Installation installation;
    QStringList incomplete = SkinFixture::defaultNames();
    incomplete.removeAll("BEIFENB14");
    ASSERT_TRUE(SkinFixture::writeLibrary(installation.dir(), "BeiFen.dat", incomplete));
    RunningWindow run(installation);
    ASSERT_TRUE(run.start());
    run.show();
    run.controls().resizeButton->click();
    ASSERT_EQ(run.dialogs.boxes.size(), 1u);
    EXPECT_TRUE(run.dialogs.boxes[0].text.contains("BEIFENB14"));
    EXPECT_TRUE(run.window().isVisible());
    run.window().shutdown();
}

namespace {

void sendMouse(QWidget *widget, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
}  // namespace

// The window stays mapped through a layout change, so the compositor neither places it again nor takes
// its activation away.
TEST(Layout, ChangesInPlaceWithoutHidingTheWindow) {
    Installation installation;
    RunningWindow run(installation);
    ASSERT_TRUE(run.start());
    run.show();
    HideCounter counter;
    run.window().installEventFilter(&counter);
    run.controls().resizeButton->click();
    EXPECT_EQ(run.window().size(), QSize(675, 315));
    run.controls().resizeButton->click();
    EXPECT_EQ(run.window().size(), QSize(450, 210));
    EXPECT_EQ(counter.hides, 0);
    EXPECT_TRUE(run.window().isVisible());
    EXPECT_TRUE(run.window().updatesEnabled());
    run.window().removeEventFilter(&counter);
    run.window().shutdown();
}

// Where the window system does not move the window (the offscreen platform never does), dragging the
// top strip moves it by hand while the left button is held, and only then.
TEST(Layout, DraggingTheTopStripMovesTheWindowByHandWhereTheSystemRefuses) {
    Installation installation;
    RunningWindow run(installation);
    ASSERT_TRUE(run.start());
    run.show();
    MainWindow &w = run.window();
    w.move(100, 100);
    sendMouse(&w, QEvent::MouseButtonPress, {60, 10}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&w, QEvent::MouseMove, {90, 30}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(w.pos(), QPoint(130, 120));
    sendMouse(&w, QEvent::MouseButtonRelease, {60, 10}, Qt::LeftButton, Qt::NoButton);
    sendMouse(&w, QEvent::MouseMove, {10, 10}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(w.pos(), QPoint(130, 120));
    // Below the strip the window keeps still.
    sendMouse(&w, QEvent::MouseButtonPress, {60, 25}, Qt::LeftButton, Qt::LeftButton);
    sendMouse(&w, QEvent::MouseMove, {90, 55}, Qt::NoButton, Qt::LeftButton);
    sendMouse(&w, QEvent::MouseButtonRelease, {90, 55}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(w.pos(), QPoint(130, 120));
    w.shutdown();
}

TEST(Layout, ASavedPositionOffEveryScreenIsPulledIntoThePrimaryArea) {
    const QList<QRect> screens{QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1024)};
    struct Case {
        QPoint saved;
        QPoint placed;
    } cases[] = {
        {{200, 200}, {200, 200}},    // on the primary screen
        {{2500, 300}, {2500, 300}},  // on the second screen
        {{-300, 100}, {-300, 100}},  // partly on a screen
        {{-5000, -5000}, {0, 0}},    // far off: into the corner nearest it
        {{4000, 500}, {1470, 500}},  // right of every screen: kept on the primary one
        {{600, 1200}, {600, 830}},   // below every screen
    };
    for (const Case &c : cases)
        EXPECT_EQ(placeOnScreen(QRect(c.saved, QSize(450, 210)), screens), c.placed)
            << c.saved.x() << "," << c.saved.y();

    Installation installation;
    installation.writeSettings("[Piano]\nLeft=-5000\nTop=9000\n");
    RunningWindow run(installation);
    ASSERT_TRUE(run.start());
    run.show();
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(available.contains(run.window().geometry())) << run.window().x() << "," << run.window().y();
    run.window().shutdown();
}

namespace {
struct PlacedControl {
    QWidget *control;
    QRect bounds;
    bool operator==(const PlacedControl &) const = default;
};

std::vector<PlacedControl> everyControlsBounds(QWidget &window) {
    std::vector<PlacedControl> placed;
    for (QWidget *w : window.findChildren<QWidget *>())
        if (!w->isWindow()) placed.push_back({w, w->geometry()});
    return placed;
}

// What the sliders send on the next tick.
std::vector<EngineCommand> sliderValuesSent(RunningWindow &run) {
    run.engine.calls.clear();
    run.program().hooks.sendSliders();
    return run.engine.commands();
}
}  // namespace

// Enlarging drops the odd pixel of every odd place; shrinking must not lose it: after a round trip every
// control, thumb and marker is where it was, and the thumbs send in the enlarged layout what they sent
// in the normal one (the accompaniment keeps its tempo and pitch).
TEST(Layout, ARoundTripThroughTheEnlargedLayoutPutsEveryControlBack) {
    struct Case {
        const char *name;
        std::array<int, 7> thumbs;     // four vertical tops, then three horizontal lefts
        int effectCellChosenEnlarged;  // -1: none
    } cases[] = {
        {"first-start places", {8, 8, 8, 8, 8, 16, 24}, -1},
        {"odd places", {9, 13, 25, 7, 29, 17, 3}, -1},
        {"track ends", {1, 26, 1, 26, 1, 30, 1}, -1},
        {"a cell chosen while enlarged", {11, 8, 15, 8, 21, 16, 24}, 4},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.name);
        Installation installation;
        RunningWindow run(installation);
        ASSERT_TRUE(run.start());
        run.show();
        MainWindowControls &c = run.controls();
        ProgramHooks &hooks = run.program().hooks;
        hooks.restoreSliders(test.thumbs);
        piano::ButtonSettings buttons = hooks.liveSettings().buttons;
        buttons.panelMode = 2;
        hooks.restoreButtons(buttons);
        const std::vector<PlacedControl> normal = everyControlsBounds(run.window());
        const std::vector<EngineCommand> sent = sliderValuesSent(run);

        Layout::enlarge(run.program());
        EXPECT_EQ(sliderValuesSent(run), sent);
        if (test.effectCellChosenEnlarged >= 0) {
            const QPoint cell(test.effectCellChosenEnlarged * 27 + 2, 5);
            sendMouse(c.controlPanel, QEvent::MouseButtonPress, cell, Qt::LeftButton, Qt::LeftButton);
            sendMouse(c.controlPanel, QEvent::MouseButtonRelease, cell, Qt::LeftButton, Qt::NoButton);
        }
        Layout::shrink(run.program());

        EXPECT_EQ(sliderValuesSent(run), sent);
        const std::vector<PlacedControl> back = everyControlsBounds(run.window());
        ASSERT_EQ(back.size(), normal.size());
        for (std::size_t i = 0; i < normal.size(); ++i) {
            if (normal[i].control == c.overlayImages[13] && test.effectCellChosenEnlarged >= 0) continue;
            EXPECT_EQ(back[i], normal[i])
                << normal[i].control->metaObject()->className() << " "
                << normal[i].control->objectName().toStdString() << " was at " << normal[i].bounds.x() << ","
                << normal[i].bounds.y() << " " << normal[i].bounds.width() << "x" << normal[i].bounds.height()
                << ", is at " << back[i].bounds.x() << "," << back[i].bounds.y() << " "
                << back[i].bounds.width() << "x" << back[i].bounds.height();
        }
        // The cell chosen while enlarged is marked where the normal layout marks it.
        if (test.effectCellChosenEnlarged >= 0) {
            EXPECT_EQ(c.overlayImages[13]->pos(), QPoint(215, 101));
        }
        run.window().shutdown();
    }
}

// A thumb placed by the mouse in the enlarged layout is written as placed, beside the layout, and the
// next start puts it back there: it sends what it sent before.
TEST(Layout, AThumbPlacedWhileEnlargedComesBackAfterARestart) {
    Installation installation;
    std::vector<EngineCommand> sent;
    int placedTop = 0;
    {
        RunningWindow run(installation);
        ASSERT_TRUE(run.start());
        run.show();
        Layout::enlarge(run.program());
        QWidget *volume = run.controls().verticalPanels[0];
        sendMouse(volume, QEvent::MouseButtonPress, {5, 40}, Qt::LeftButton, Qt::LeftButton);
        sendMouse(volume, QEvent::MouseButtonRelease, {5, 40}, Qt::LeftButton, Qt::NoButton);
        placedTop = run.controls().verticalThumbs[0]->y();
        ASSERT_NE(placedTop, piano::EnlargedThumb(8));
        sent = sliderValuesSent(run);
        run.window().shutdown();
    }
    const QString text = installation.settingsText();
    EXPECT_TRUE(text.contains("MaxMin=1\n"));
    EXPECT_TRUE(text.contains(QString("Volume=%1\n").arg(placedTop))) << text.toStdString();

    RunningWindow again(installation);
    ASSERT_TRUE(again.start());
    again.show();
    EXPECT_EQ(again.controls().verticalThumbs[0]->y(), placedTop);
    EXPECT_EQ(sliderValuesSent(again), sent);
    again.window().shutdown();
}

// Thumbs with no stored place start at their first-run places whichever layout the window starts in: an
// enlarged start sends what a normal one does (the accompaniment stays in tune).
TEST(Layout, AnEnlargedFirstStartSendsTheFirstRunSliderValues) {
    std::vector<EngineCommand> sent[2];
    for (int enlarged : {0, 1}) {
        Installation installation;
        installation.writeSettings(QString("[Piano]\nMaxMin=%1\n").arg(enlarged));
        RunningWindow run(installation);
        ASSERT_TRUE(run.start());
        run.show();
        ASSERT_EQ(run.program().state.enlarged, enlarged == 1);
        sent[enlarged] = sliderValuesSent(run);
        run.window().shutdown();
    }
    EXPECT_EQ(sent[1], sent[0]);
}
