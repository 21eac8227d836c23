#pragma once
// The real main window, offscreen, over a fresh installation directory with the real engine writing
// every device call into a capture file.
#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <vector>

#include "composition_root.h"
#include "dialog_service.h"
#include "main_window.h"

// Readable failures for texts.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &texts, std::ostream *out) {
    *out << '[' << texts.join(" | ").toStdString() << ']';
}

// Answers dialogs from queues and remembers what was asked.
class ScriptedDialogs : public DialogService {
  public:
    struct Box {
        QString text, caption;
        uint32_t style;
    };
    std::deque<int32_t> answers;          // message box answers; OK when empty
    std::deque<QStringList> fileChoices;  // open dialog results; cancelled when empty
    std::vector<Box> boxes;
    std::vector<QString> openFolders;

    int32_t messageBox(const QString &text, const QString &caption, uint32_t style) override;
    QStringList openFiles(const QString &folder, const QString &filter) override;
    QString saveFile(const QString &, const QString &) override { return {}; }
    QColor pickColour(const QColor &initial) override { return initial; }
};

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
    // Lets the engine's own clock run for `ms` while the event loop turns.
    void runFor(int ms);
    // The "msg" lines of the capture as packed messages, with their times.
    struct Sent {
        int ms;
        uint32_t packed;
    };
    std::vector<Sent> capturedMessages() const;
    QStringList captureLines() const;
    // A small song: `notes` quarter notes of 480 ticks at 120 beats a minute on channel 0.
    QString writeSong(const QString &name, int notes);

    QTemporaryDir root;
    QString installDir;
    QString capturePath;
    ScriptedDialogs dialogs;
    std::unique_ptr<CompositionRoot> composition;
    MainWindow *window = nullptr;
};
