#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

#include "engine_host.h"
#include "program.h"

// The borderless main window: builds its controls, runs the start-up, and turns window events into
// calls of the program's operations.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(DialogService &dialogs, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Start-up; false when the program must end (the window is then not to be shown).
    bool start();
    // Shutdown; runs once, at the latest when the window is destroyed.
    void shutdown();
    // The end of the session or a kill (SIGTERM, SIGHUP, SIGINT): no question is asked, an unsaved take
    // is kept in the installation folder, and every event loop is left so that shutdown runs.
    void endOnSignal();

    Program &program() { return program_; }
    MainWindowControls &controls() { return program_.controls; }
    QTimer &timer1() { return timer1_; }
    // True once start-up or first show ended the program.
    bool ended() const { return ended_; }

  signals:
    // The program has to end (first show found it not installed).
    void programEnded();

  protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void customEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void connectControls();
    void closeButtonClicked();
    // Runs a user action; a picture missing from a library stops it with a message instead of ending
    // the program.
    void guarded(const std::function<void()> &action);
    void toggleLayout();
    bool startDragIfInStrip(QObject *watched, QMouseEvent *event);
    // A move by hand, where the window system refused to move the window itself.
    bool continueManualDrag(QObject *watched, QEvent *event);

    Program program_;
    EngineHostContext hostContext_;
    QTimer timer1_;
    bool started_ = false;
    bool shownOnce_ = false;
    bool closeApproved_ = false;
    bool destroyed_ = false;
    bool ended_ = false;
    bool manualDrag_ = false;
    QPoint dragOffset_;
};
