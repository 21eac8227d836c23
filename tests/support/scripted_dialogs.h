// The dialog service every test uses: message boxes, file dialogs and the colour dialog answer from
// queues a test fills, and every one shown is recorded, so a test can check what the user was asked.
#pragma once

#include <QColor>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <ostream>
#include <vector>

#include "dialog_service.h"
#include "notewire/notewire.h"

class ScriptedDialogs : public DialogService {
  public:
    struct Box {
        QString text, caption;
        uint32_t style;
    };
    struct FileDialog {
        enum Kind { Open, Save } kind;
        QString folder, filter;
    };

    // Message-box answers, taken in order; `answerWhenNoneLeft` once the queue is empty.
    std::deque<int32_t> answers;
    int32_t answerWhenNoneLeft = NW_IDOK;
    // One answer per open or save dialog, in the order they are shown. An empty list, an empty name or an
    // empty queue cancels; a save dialog takes the first name.
    std::deque<QStringList> fileAnswers;
    // One answer per colour dialog; an invalid colour or an empty queue cancels.
    std::deque<QColor> colourAnswers;

    std::vector<Box> boxes;
    std::vector<FileDialog> fileDialogs;
    std::vector<QColor> colourDialogs;  // the colour each colour dialog started from

    // The texts of the boxes shown, for readable failures and plain comparisons.
    QStringList boxTexts() const;

    int32_t messageBox(const QString &text, const QString &caption, uint32_t style) override;
    QStringList openFiles(const QString &folder, const QString &filter) override;
    QString saveFile(const QString &folder, const QString &filter) override;
    QColor pickColour(const QColor &initial) override;

  private:
    QStringList nextFileAnswer(FileDialog::Kind kind, const QString &folder, const QString &filter);
};

// Readable failures for texts.
inline void PrintTo(const QString &text, std::ostream *out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList &texts, std::ostream *out) {
    *out << '[' << texts.join(" | ").toStdString() << ']';
}
