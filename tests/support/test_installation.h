// A fresh installation of the program in a temporary folder, as the installer leaves one: the shipped
// skin and default bitmaps, a copy of the engine library (a copy per installation, so every program
// started here loads an engine of its own), and the per-user registry value naming the folder. The
// engine's device writes a capture file instead of sound. While the object lives, the environment points
// the program at it.
//
// By default the engine's clock is hand-driven: nothing in the engine moves until the test advances the
// clock, so a test waits for nothing and sees the same thing on a loaded machine as on an idle one.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

class TestInstallation {
  public:
    enum class EngineClock { HandDriven, Real };

    explicit TestInstallation(EngineClock clock = EngineClock::HandDriven);
    ~TestInstallation();
    TestInstallation(const TestInstallation &) = delete;
    TestInstallation &operator=(const TestInstallation &) = delete;

    // True when every file was put in place; `problem()` says what failed otherwise.
    bool isComplete() const { return problem_.isEmpty(); }
    const QString &problem() const { return problem_; }

    QString dir() const { return root_.filePath("install"); }
    QString path(const QString &name) const { return dir() + "/" + name; }
    // Beside the installation, for a test's own files (songs, takes, pictures to choose).
    QString scratchPath(const QString &name) const { return root_.filePath(name); }
    QString scratchDir() const { return root_.path(); }
    QString capturePath() const { return root_.filePath("capture.txt"); }
    QString enginePath() const { return path("libnotewire.so"); }

    // The capture file's lines as written ("<ms> msg 00643c90"), and the same without their times.
    QStringList captureLines() const;
    QStringList captureEvents() const;
    QStringList filesInDir() const;

    // The settings file "Piano" of the installation, as plain text.
    void writeSettings(const QString &text) const;
    QString settingsText() const;
    bool writeFile(const QString &name, const QByteArray &bytes) const;
    void removeRegistryValue() const;

    // Runs `ms` milliseconds of the engine clock of the program started here, on this thread. False when
    // no engine of this installation is open or its clock is the real one.
    bool advanceEngineClock(int ms) const;

  private:
    bool put(const QString &source, const QString &name);

    QTemporaryDir root_;
    QString problem_;
};
