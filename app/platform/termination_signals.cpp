#include "termination_signals.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <csignal>

namespace {

int signalPipe[2] = {-1, -1};

// Time the program has to end in order once asked; past it the process ends all the same, so a logout
// or a shutdown never waits on it.
constexpr unsigned kSecondsToEnd = 5;

void onSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here: the GUI thread reads the byte, and the alarm's default action
    // ends the process should that take too long.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
    if (::alarm(kSecondsToEnd) != 0) ::alarm(1);  // asked twice: end sooner
}

}  // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    notifier_ = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const ssize_t got = ::read(signalPipe[1], &byte, 1);
        emit terminationRequested();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        sigaction(sig, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        std::signal(sig, SIG_DFL);
    delete notifier_;
    for (int &fd : signalPipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}
