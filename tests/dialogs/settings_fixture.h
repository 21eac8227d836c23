#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QWidget>
#include <deque>
#include <memory>
#include <vector>

#include "dialog_service.h"
#include "program.h"

// Dialogs answered from a script; every message box is recorded.
class ScriptedDialogs : public DialogService {
  public:
    struct Shown {
        QString text, caption;
    };
    std::vector<Shown> shown;
    std::deque<QStringList> fileAnswers;  // one per file dialog; cancelled when none is left
    std::vector<QString> fileFilters;     // the filter of every file dialog shown
    QColor colourAnswer;                  // invalid: the colour dialog is cancelled

    std::deque<int32_t> answers;  // message-box answers in order; NW_IDOK when none is left

    int32_t messageBox(const QString &text, const QString &caption, uint32_t) override {
        shown.push_back({text, caption});
        if (answers.empty()) return NW_IDOK;
        const int32_t answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList openFiles(const QString &, const QString &filter) override {
        fileFilters.push_back(filter);
        if (fileAnswers.empty()) return {};
        QStringList answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    QString saveFile(const QString &, const QString &) override { return {}; }
    QColor pickColour(const QColor &) override { return colourAnswer; }
};

// A program in a temporary installation folder: the main window's controls on a plain widget, the
// shipped skin and default libraries, and the real engine library (its devices are capture sinks).
class SettingsFixture : public ::testing::Test {
  protected:
    void SetUp() override;

    QString path(const QString &name) const { return dir_.filePath(name); }
    void writeFile(const QString &name, const QByteArray &bytes) const;
    void writeSettings(const QByteArray &text) const { writeFile("Piano", text); }
    QString settingsText() const;
    QString readSetting(const char *section, const char *key) const;

    QTemporaryDir dir_;
    ScriptedDialogs dialogs_;
    QWidget window_;
    std::unique_ptr<Program> program_;
    EngineLibrary engineLibrary_;
};
