#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "program.h"
#include "scripted_dialogs.h"

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
