#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a session ending, a service manager, Ctrl+C) into a signal on the
// GUI thread, so the program can close its window and shut down in order instead of dying mid-way.
class TerminationSignals : public QObject {
    Q_OBJECT
  public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

  signals:
    void terminationRequested();

  private:
    QSocketNotifier *notifier_ = nullptr;
};
