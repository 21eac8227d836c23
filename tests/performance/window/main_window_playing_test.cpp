// Live playing in the real main window, offscreen: keys through the application's event path, the
// mouse on the keyboard, the control panel and the sliders, and one press through the real engine.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTest>
#include <memory>

#include "composition_root.h"
#include "control_panel.h"
#include "keyboard_view.h"
#include "layout.h"
#include "main_window.h"
#include "performance_wiring.h"
#include "recording_engine.h"
#include "scripted_dialogs.h"
#include "test_installation.h"

namespace piano::test {
namespace {

using ::testing::ElementsAre;

class PlayingWindowTest : public ::testing::Test {
  protected:
    TestInstallation install;
    QString installDir;
    QString capturePath;
    ScriptedDialogs dialogs;
    std::unique_ptr<FakeEngine> engine;  // once the test records the window's engine calls
    std::unique_ptr<CompositionRoot> composition;
    MainWindow *window = nullptr;
    PerformanceWiring *wiring = nullptr;

    // Settings file lines written before start-up.
    virtual QByteArray savedSettings() const { return {}; }

    void SetUp() override {
        ASSERT_TRUE(install.isComplete()) << install.problem().toStdString();
        installDir = install.dir();
        capturePath = install.capturePath();
        dialogs.answerWhenNoneLeft = NW_IDNO;
        if (!savedSettings().isEmpty()) {
            ASSERT_TRUE(install.writeFile("Piano", savedSettings()));
        }

        composition = std::make_unique<CompositionRoot>(dialogs);
        window = &composition->window();
        wiring = &composition->livePlaying();
        ASSERT_TRUE(window->start());
        window->show();
        ASSERT_TRUE(dialogs.boxes.empty()) << dialogs.boxTexts().join('\n').toStdString();
    }
    void TearDown() override {
        composition.reset();
        engine.reset();
    }

    MainWindowControls &controls() { return window->controls(); }
    // From here on the engine's entry points are the recorders.
    void recordEngine() {
        engine = std::make_unique<FakeEngine>();
        engine->bind(window->program().engine);
        wiring->performance().harmonyEffect = 0;  // the saved default is a layer effect
    }
    std::vector<int> notes() const {  // + pitch for a note-on, - pitch for a release
        std::vector<int> out;
        for (const Call &c : calls())
            if (c.via == '1' && c.a == 0x90) out.push_back(c.c ? c.b : -c.b);
        return out;
    }
    void mouse(QWidget *w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        QMouseEvent e(type, at, w->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button, held,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    void pressKey(Qt::Key key) { QTest::keyPress(window->windowHandle(), key); }
    void releaseKey(Qt::Key key) { QTest::keyRelease(window->windowHandle(), key); }
    // True where the overlay over the keyboard shows the slot's lit picture rather than its unlit one.
    bool litAt(int slot) {
        const QImage overlay = wiring->overlay().pixmap().toImage();
        const int shape = KeyShape(slot);
        const QImage lit = controls().overlayImages[shape]->picture().toImage();
        const QImage unlit = controls().overlayImages[shape + 4]->picture().toImage();
        // A point low on a white key, halfway down a black one.
        const QPoint inKey(lit.width() / 2, shape == 4 ? lit.height() / 2 : lit.height() - 4);
        EXPECT_NE(lit.pixel(inKey), unlit.pixel(inKey));
        const int left = wiring->performance().layout.keyDrawPosition[slot - 1];
        return !overlay.isNull() && overlay.pixel(inKey + QPoint(left, 0)) == lit.pixel(inKey);
    }
};

TEST_F(PlayingWindowTest, KeyPressAndReleaseReachTheRealEngine) {
    pressKey(Qt::Key_F1);
    releaseKey(Qt::Key_F1);
    QFile capture(capturePath);
    ASSERT_TRUE(capture.open(QIODevice::ReadOnly));
    const QString lines = QString::fromLatin1(capture.readAll());
    // F1 plays slot 1 (pitch 36 = 0x24) in the shipped map: program 0, note-on; program 1, note-off.
    const QRegularExpression sequence(
        "msg 000000c([0-9a-f])\\n.*msg 00[0-7][0-9a-f]249\\1\\n.*msg 000001c\\1\\n.*msg 0000249\\1\\n",
        QRegularExpression::DotMatchesEverythingOption);
    EXPECT_TRUE(sequence.match(lines).hasMatch()) << lines.toStdString();
}

TEST_F(PlayingWindowTest, KeysPlayWhateverControlHasTheFocus) {
    recordEngine();
    controls().songList->setFocusPolicy(Qt::StrongFocus);
    controls().songList->setFocus();
    pressKey(Qt::Key_F1);
    pressKey(Qt::Key_F1);  // held: no second note
    releaseKey(Qt::Key_F1);
    pressKey(Qt::Key_F35);  // no virtual-key code of its own: plays nothing
    // Started without a Key file, the keyboard is the shipped instrument: A has no function, Z is C4.
    pressKey(Qt::Key_A);
    pressKey(Qt::Key_Z);
    EXPECT_THAT(notes(), ElementsAre(36, -36, 48));
}

TEST_F(PlayingWindowTest, MouseSlidesAlongTheKeyboard) {
    recordEngine();
    QWidget *keyboard = controls().keyboardPicture;
    mouse(keyboard, QEvent::MouseButtonPress, {85, 60});  // slot 13
    EXPECT_TRUE(litAt(13));
    for (int x = 86; x <= 100; ++x)
        mouse(keyboard, QEvent::MouseMove, {x, 60});
    EXPECT_FALSE(litAt(13));
    EXPECT_TRUE(litAt(15));
    mouse(keyboard, QEvent::MouseButtonRelease, {100, 60});
    EXPECT_FALSE(litAt(15));
    EXPECT_THAT(notes(), ElementsAre(48, -48, 50, -50));
}

TEST_F(PlayingWindowTest, PanelClickChoosesTheChordEffectAndMovesTheMarkers) {
    recordEngine();
    QTest::mouseClick(controls().modeButtons[1], Qt::LeftButton);
    EXPECT_EQ(controls().overlayImages[14]->pos(), QPoint(113, 96));
    mouse(controls().controlPanel, QEvent::MouseButtonPress, {4 * 18 + 2, 5});
    mouse(controls().controlPanel, QEvent::MouseButtonRelease, {4 * 18 + 2, 5});
    EXPECT_EQ(controls().overlayImages[13]->pos(), QPoint(215, 101));
    EXPECT_EQ(window->program().hooks.liveSettings().buttons.panelCells[1], 4);
    // The click silenced every slot through the silent sender.
    EXPECT_EQ(std::count_if(calls().begin(), calls().end(), [](const Call &c) { return c.via == '5'; }), 120);
    calls().clear();
    pressKey(Qt::Key_F1);
    EXPECT_THAT(notes(), ElementsAre(40, 43, 36));
    EXPECT_TRUE(litAt(1) && litAt(5) && litAt(8));
    EXPECT_FALSE(litAt(3));
}

TEST_F(PlayingWindowTest, SliderPlacementIsSentOnTheNextTick) {
    recordEngine();
    QWidget *volume = controls().verticalPanels[0];
    mouse(volume, QEvent::MouseButtonPress, {5, 20});
    mouse(volume, QEvent::MouseMove, {5, 22});
    mouse(volume, QEvent::MouseButtonRelease, {5, 22});
    EXPECT_EQ(controls().verticalThumbs[0]->y(), 14);
    QWidget *pitch = controls().horizontalPanels[1];
    mouse(pitch, QEvent::MouseButtonPress, {20, 5}, Qt::RightButton);
    mouse(pitch, QEvent::MouseButtonRelease, {20, 5}, Qt::RightButton);
    EXPECT_EQ(controls().horizontalThumbs[1]->x(), 12);
    EXPECT_TRUE(calls().empty());

    window->program().hooks.timer1Tick();
    EXPECT_THAT(calls(), ::testing::IsSupersetOf(
                             {command(MDRV_SET_VOLUME, 30000), command(MDRV_SET_ACCOMP_BEND, 48)}));
}

TEST_F(PlayingWindowTest, ChordIsLitInBothLayouts) {
    recordEngine();
    SetPanelMode(wiring->performance(), kPanelModeEffects);
    mouse(controls().controlPanel, QEvent::MouseButtonPress, {4 * 18 + 2, 5});
    const QByteArray shots = qgetenv("PIANO_SCREENSHOT_DIR");
    for (bool enlarged : {false, true}) {
        if (enlarged) Layout::toggle(window->program());
        window->show();
        ASSERT_EQ(wiring->performance().layout.enlarged, enlarged);
        pressKey(Qt::Key_F1);  // slot 1 with its chord: slots 1, 5 and 8
        for (int slot = 1; slot <= 12; ++slot)
            EXPECT_EQ(litAt(slot), slot == 1 || slot == 5 || slot == 8)
                << "slot " << slot << " enlarged " << enlarged;
        if (!shots.isEmpty())
            window->grab().save(QString::fromLocal8Bit(shots) +
                                (enlarged ? "/chord_enlarged.png" : "/chord_normal.png"));
        releaseKey(Qt::Key_F1);
        for (int slot = 1; slot <= 12; ++slot)
            EXPECT_FALSE(litAt(slot));
    }
}

class SavedStateTest : public PlayingWindowTest {
  protected:
    QByteArray savedSettings() const override {
        return "[Piano]\nButton1=1\nButton2=2\nButton3=3\nButton4=9\nButton5=0\nButton6=4\nButton7=11\n"
               "inx1=2\nCortrorButton=5\n[Set]\nButtonFlat=1\n";
    }
};

TEST_F(SavedStateTest, StartUpRestoresAndShutdownSavesThePlayingState) {
    const Performance &p = wiring->performance();
    EXPECT_EQ(p.harmonyEffect, 4);
    EXPECT_EQ(p.buttons.selected, 5);
    EXPECT_EQ(controls().controllerGauges[3]->progress(), 9);
    EXPECT_EQ(controls().controllerGauges[3]->barColour(), QColor(0, 0, 128));
    EXPECT_EQ(controls().controllerGauges[0]->barColour(), QColor(128, 128, 128));
    EXPECT_EQ(controls().valueBar->progress(), 54);
    EXPECT_EQ(controls().overlayImages[13]->pos(), QPoint(215, 101));
    EXPECT_EQ(controls().overlayImages[14]->pos(), QPoint(113, 96));

    // A controller button key and a click on the first button change what shutdown writes.
    wiring->performance().state.keyFunction('Q') = 76;  // select button 1
    wiring->performance().state.keyFunction('W') = 70;  // CON11
    pressKey(Qt::Key_Q);
    pressKey(Qt::Key_W);
    EXPECT_EQ(controls().controllerGauges[0]->progress(), 11);
    EXPECT_EQ(controls().controllerGauges[0]->barColour(), QColor(0, 0, 128));
    mouse(controls().controlPanel, QEvent::MouseButtonPress, {2 * 18 + 2, 15});  // effect 8
    window->shutdown();

    QFile settings(installDir + "/Piano");
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QByteArray text = settings.readAll();
    for (const char *line : {"Button1=11", "Button4=9", "Button6=8", "inx1=2", "CortrorButton=1"})
        EXPECT_TRUE(text.contains(line)) << line << "\n" << text.toStdString();
    EXPECT_EQ(QFileInfo(installDir + "/Key").size(), 419);
}

}  // namespace
}  // namespace piano::test

int main(int argc, char **argv) {
    // Offscreen unless told otherwise (screenshots may be taken under a real X server).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
