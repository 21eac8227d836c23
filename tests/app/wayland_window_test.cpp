// The real window on a Wayland compositor (wayland_weston.sh starts a headless Weston for it): it is
// shown, enlarged and shrunk in place on the same surface, and a SIGTERM ends it with its settings
// written.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "composition_root.h"
#include "hide_counter.h"
#include "main_window.h"
#include "scripted_dialogs.h"
#include "termination_signals.h"
#include "test_installation.h"

TEST(Wayland, TheWindowChangesLayoutInPlaceAndEndsOnSigtermWithItsSettingsWritten) {
    ASSERT_EQ(QGuiApplication::platformName(), "wayland");
    TestInstallation install;
    ASSERT_TRUE(install.isComplete()) << install.problem().toStdString();
    ScriptedDialogs dialogs;
    CompositionRoot root(dialogs);
    MainWindow &window = root.window();
    ASSERT_TRUE(window.start());
    TerminationSignals terminations;
    QObject::connect(&terminations, &TerminationSignals::terminationRequested, &window,
                     &MainWindow::endOnSignal);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWindow *surface = window.windowHandle();
    HideCounter counter;
    window.installEventFilter(&counter);

    window.controls().resizeButton->click();
    EXPECT_EQ(surface->size(), QSize(675, 315));
    window.controls().resizeButton->click();
    EXPECT_EQ(surface->size(), QSize(450, 210));
    EXPECT_EQ(window.windowHandle(), surface);
    EXPECT_TRUE(surface->isExposed());
    EXPECT_EQ(counter.hides, 0);
    window.controls().resizeButton->click();  // ends enlarged, so the settings show it

    QTimer::singleShot(0, [] { ::kill(::getpid(), SIGTERM); });
    EXPECT_EQ(QApplication::exec(), 0);
    window.removeEventFilter(&counter);
    window.shutdown();
    EXPECT_TRUE(install.settingsText().contains("MaxMin=1\n")) << install.settingsText().toStdString();
    EXPECT_TRUE(dialogs.boxes.empty()) << dialogs.boxTexts().join('|').toStdString();
}

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
