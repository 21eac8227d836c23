// The function dialog on the offscreen platform with a scripted dialog service and a stand-in engine
// whose channel roles and programs each test sets.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

#include "fake_engine.h"
#include "function_dialog.h"
#include "function_dialog_opener.h"
#include "live_settings.h"
#include "scripted_dialogs.h"

namespace piano::test {

class DialogTest : public ::testing::Test {
  protected:
    DialogTest() {
        program.state.paths = ProgramPaths::under(dir.path());
        program.settings = SettingsFile(program.state.paths.settingsFile);
        engine.bind(program.engine);
        performance.state.installDefaultMap();
        // The keyboard state is written as the composition root has it written: from this fixture's model.
        program.hooks.saveKeyboardState = [this](const QString &path) {
            return SaveKeyboardState(performance.state, QFile::encodeName(path).toStdString());
        };
        program.hooks.liveSettings = [this] { return CurrentLiveSettings(performance); };
        opener = std::make_unique<FunctionDialogOpener>(program, performance);
    }
    ~DialogTest() override {
        opener.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Opens a non-modal page and returns the dialog.
    FunctionDialog &open(int page) {
        opener->open(page);
        return *opener->dialog();
    }
    // Opens a modal page; `whileOpen` runs inside it, then the dialog is closed if still shown.
    void openModal(int page, const std::function<void(FunctionDialog &)> &whileOpen) {
        QTimer::singleShot(0, [&] {
            FunctionDialog *d = opener->dialog();
            ASSERT_NE(d, nullptr);
            whileOpen(*d);
            if (d->isVisible()) d->close();
        });
        opener->open(page);
    }
    bool closed() const { return opener->dialog() == nullptr || !opener->dialog()->isVisible(); }
    QString file(const QString &name) const { return dir.filePath(name); }
    KeyboardState &keys() { return performance.state; }
    FunctionDialogMemory &memory() { return opener->memory; }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Program program{dialogs};
    Performance performance;
    FakeEngine engine;
    std::unique_ptr<FunctionDialogOpener> opener;
};

}  // namespace piano::test
