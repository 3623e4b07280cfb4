// SPDX-License-Identifier: GPL-3.0-or-later
#include "quitsignals.h"

#include <QApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The handler writes to one end; the event loop reads the other.
int sockets[2] = {-1, -1};

void onQuitSignal(int)
{
    // A write is all a signal handler may safely do here.
    const int savedErrno = errno;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(sockets[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

namespace QuitSignals {

void closeWindowsOnQuitSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sockets) != 0)
        return;
    auto *notifier = new QSocketNotifier(sockets[1], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        char bytes[8];
        while (::read(sockets[1], bytes, sizeof bytes) > 0) {
        }
        QApplication::closeAllWindows();
    });

    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
        struct sigaction previous = {};
        if (::sigaction(number, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN)
            ::sigaction(number, &action, nullptr);
    }
}

} // namespace QuitSignals
