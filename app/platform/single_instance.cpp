#include "single_instance.h"

#include <unistd.h>
#include <QLocalSocket>

SingleInstance::SingleInstance(QString name) : name_(std::move(name)) {}

QString SingleInstance::defaultName() {
    return QString("piano-%1").arg(getuid());
}

bool SingleInstance::anotherIsRunning() {
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(200)) return true;
    // Nobody answers: a name left by a crashed instance may still be on disk.
    QLocalServer::removeServer(name_);
    server_ = std::make_unique<QLocalServer>();
    server_->listen(name_);
    return false;
}
