// The function dialog on the offscreen platform with a scripted dialog service and a stand-in engine
// whose channel roles and programs each test sets.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "function_dialog.h"
#include "function_dialog_opener.h"

namespace piano::test {

class ScriptedDialogs : public DialogService {
  public:
    struct Box {
        QString text, caption;
        uint32_t style;
    };
    std::vector<Box> boxes;
    std::deque<int32_t> answers;      // message-box answers in order; NW_IDOK when none is left
    std::deque<QString> fileAnswers;  // open and save dialogs in order; an empty string cancels
    std::vector<QString> folders, filters;

    int32_t messageBox(const QString &text, const QString &caption, uint32_t style) override {
        boxes.push_back({text, caption, style});
        if (answers.empty()) return NW_IDOK;
        const int32_t a = answers.front();
        answers.pop_front();
        return a;
    }
    QStringList openFiles(const QString &folder, const QString &filter) override {
        const QString answer = next(folder, filter);
        return answer.isEmpty() ? QStringList{} : QStringList{answer};
    }
    QString saveFile(const QString &folder, const QString &filter) override { return next(folder, filter); }
    QColor pickColour(const QColor &initial) override { return initial; }

  private:
    QString next(const QString &folder, const QString &filter) {
        folders.push_back(folder);
        filters.push_back(filter);
        if (fileAnswers.empty()) return {};
        const QString a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
};

struct EngineCallRecord {
    int command, arg;
    std::string data;
    bool operator==(const EngineCallRecord &) const = default;
};

// Answers the getters the pages use and records every command.
struct FakeEngine {
    std::vector<EngineCallRecord> calls;
    std::array<int, 16> roles{};
    std::array<int, 16> programs{};
    int channel0Program = 0;
    int accompProgram = 0;
    int bufferCount = 3;  // events in the recording buffer

    static FakeEngine *&current() {
        static FakeEngine *engine = nullptr;
        return engine;
    }
    static int32_t control(int32_t command, int32_t arg, const NwHost *, const char *data) {
        FakeEngine &e = *current();
        e.calls.push_back({command, arg, data ? data : ""});
        switch (command) {
            case MDRV_GET_CHANNEL_ROLE:
                return e.roles[arg & 15];
            case MDRV_GET_CHANNEL_PROGRAM:
                return e.programs[arg & 15];
            case MDRV_GET_CHANNEL0_PROGRAM:
                return e.channel0Program;
            case MDRV_GET_ACCOMP_PROGRAM:
                return e.accompProgram;
            case MDRV_GET_BUFFER_COUNT:
                return e.bufferCount;
            default:
                return 1;
        }
    }
    // Commands other than the getters, which change something.
    std::vector<EngineCallRecord> actions() const {
        std::vector<EngineCallRecord> out;
        for (const auto &c : calls)
            if (c.command != MDRV_GET_CHANNEL_ROLE && c.command != MDRV_GET_CHANNEL_PROGRAM &&
                c.command != MDRV_GET_CHANNEL0_PROGRAM && c.command != MDRV_GET_ACCOMP_PROGRAM &&
                c.command != MDRV_GET_BUFFER_COUNT)
                out.push_back(c);
        return out;
    }
};

class DialogTest : public ::testing::Test {
  protected:
    DialogTest() {
        FakeEngine::current() = &engine;
        program.state.paths = ProgramPaths::under(dir.path());
        program.settings = SettingsFile(program.state.paths.settingsFile);
        program.engine.controlMidiDrv = &FakeEngine::control;
        performance.state.installDefaultMap();
        // The keyboard state is written as the composition root has it written: from this fixture's model.
        program.hooks.saveKeyboardState = [this](const QString &path) {
            return SaveKeyboardState(performance.state, QFile::encodeName(path).toStdString());
        };
        opener = std::make_unique<FunctionDialogOpener>(program, performance);
    }
    ~DialogTest() override {
        opener.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        FakeEngine::current() = nullptr;
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
