// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Quarv Games

#include "sessionend.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace {

constexpr std::array<int, 3> EndSignals{SIGTERM, SIGHUP, SIGINT};
int writeEnd = -1;

// Only what is safe in a signal handler: one write, errno left as it was.
void Handler(int signal) {
    const int saved = errno;
    const char number = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &number, 1);
    errno = saved;
}

}  // namespace

SessionEndSignals::SessionEndSignals(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets_.data()) != 0) {
        return;
    }
    writeEnd = sockets_[0];
    notifier_ = new QSocketNotifier(sockets_[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEndSignals::Read);
    struct sigaction action {};
    action.sa_handler = Handler;
    sigemptyset(&action.sa_mask);
    // Interrupted reads and writes of the game go on where they were.
    action.sa_flags = SA_RESTART;
    for (int signal : EndSignals) {
        sigaction(signal, &action, nullptr);
    }
}

SessionEndSignals::~SessionEndSignals() {
    if (notifier_ == nullptr) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signal : EndSignals) {
        sigaction(signal, &action, nullptr);
    }
    writeEnd = -1;
    ::close(sockets_[0]);
    ::close(sockets_[1]);
}

void SessionEndSignals::Read() {
    char number = 0;
    if (::read(sockets_[1], &number, 1) == 1) {
        emit received(number);
    }
}
