#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <vector>

#include "composition_root.h"
#include "dialog_service.h"
#include "engine_binding.h"
#include "main_window.h"

// Message boxes answered from a script, every question recorded.
class ScriptedDialogs : public DialogService {
  public:
    struct Shown {
        QString text, caption;
        uint32_t style;
    };
    std::vector<Shown> shown;
    std::deque<int32_t> answers;  // taken in order; NW_IDOK when none is left

    int32_t messageBox(const QString &text, const QString &caption, uint32_t style) override;
    QStringList openFiles(const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &) override { return {}; }
    QColor pickColour(const QColor &initial) override { return initial; }
};

// The engine commands the program sent, recorded on their way to the real engine.
struct EngineCall {
    int32_t command, arg;
    bool operator==(const EngineCall &) const = default;
};
std::vector<EngineCall> &recordedEngineCalls();

// A temporary installation: directory D with the two libraries and the engine, a "registry" naming it
// and a capture file for the engine's device. The environment points at it while the fixture lives.
class Installation {
  public:
    Installation();
    QString dir() const { return root_.filePath("D"); }
    QString path(const QString &name) const { return dir() + "/" + name; }
    QString captureFile() const { return root_.filePath("capture.txt"); }
    QStringList captureLines() const;
    QStringList filesInDir() const;

    // Writes the settings file "Piano" as given (plain text).
    void writeSettings(const QString &text) const;
    QString settingsText() const;
    void removeRegistryValue() const;
    bool writeSkin(const QString &fileName, const QStringList &extraNames = {}, int salt = 0) const;

  private:
    QTemporaryDir root_;
};

// The real main window started in an installation, with scripted dialogs and recorded engine calls.
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

  private:
    std::unique_ptr<CompositionRoot> root_;
};
