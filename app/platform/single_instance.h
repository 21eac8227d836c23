#pragma once

#include <QLocalServer>
#include <QString>
#include <memory>

// One running program per user: the first instance listens on a local socket named after the user; a
// later launch that can connect to it knows it must exit.
class SingleInstance {
  public:
    explicit SingleInstance(QString name = defaultName());
    // True when another instance already runs. Otherwise this instance claims the name.
    bool anotherIsRunning();
    static QString defaultName();

  private:
    QString name_;
    std::unique_ptr<QLocalServer> server_;
};
