#pragma once
// The real main window, offscreen, over a fresh installation with the real engine writing every device
// call into a capture file. The engine's clock moves only when a test advances it.
#include <gtest/gtest.h>

#include <QStringList>
#include <memory>
#include <vector>

#include "composition_root.h"
#include "main_window.h"
#include "performance.h"
#include "scripted_dialogs.h"
#include "test_installation.h"

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    Program &program() { return window->program(); }
    ProgramState &state() { return window->program().state; }
    MainWindowControls &controls() { return window->controls(); }
    int32_t engine(int32_t command, int32_t arg = 0, const char *data = "") {
        return program().engine.call(command, arg, data);
    }
    // Messages the engine posted so far, handled as the event loop would.
    void deliverPosts();
    // One timer tick, the window counted active or not; posts are delivered first.
    void tick(bool active = true);
    // Runs `ms` milliseconds of the engine's clock; a test fails when the engine has no hand-driven clock.
    void advanceClock(int ms);
    // The "msg" lines of the capture as packed messages, with their times.
    struct Sent {
        int ms;
        uint32_t packed;
    };
    std::vector<Sent> capturedMessages() const;
    QStringList captureLines() const;
    // A small song: `notes` quarter notes of 480 ticks at 120 beats a minute on channel 0.
    QString writeSong(const QString &name, int notes);

    TestInstallation install;
    QString installDir;
    ScriptedDialogs dialogs;
    std::unique_ptr<CompositionRoot> composition;
    MainWindow *window = nullptr;
};
