#pragma once

#include <memory>

#include "composition_root.h"
#include "fake_engine.h"
#include "main_window.h"
#include "scripted_dialogs.h"
#include "test_installation.h"

// A test installation whose two bitmap libraries are flat colours, one per bitmap, so a test can tell
// which picture a control shows.
class Installation : public TestInstallation {
  public:
    Installation();
    bool writeSkin(const QString &fileName, const QStringList &extraNames = {}, int salt = 0) const;
};

// The real main window started in an installation, with scripted dialogs and every engine call recorded
// on its way to the real engine.
class RunningWindow {
  public:
    explicit RunningWindow(const Installation &installation);
    ~RunningWindow();
    bool start();
    // Shows the window, which runs the first-show steps.
    void show();
    MainWindow &window() { return root_->window(); }
    Program &program() { return root_->program(); }
    MainWindowControls &controls() { return root_->window().controls(); }
    ScriptedDialogs dialogs;
    FakeEngine engine;

  private:
    std::unique_ptr<CompositionRoot> root_;
};
