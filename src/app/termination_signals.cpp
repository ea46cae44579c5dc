// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/termination_signals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace wrenpad {

namespace {

int signalSockets[2] = {-1, -1};

// Only async-signal-safe work: one byte into a socket that never blocks (a
// full socket already holds a request), and errno as the interrupted code
// left it.
void onTerminationSignal(int) {
  const int savedErrno = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
  errno = savedErrno;
}

}  // namespace

TerminationSignals& TerminationSignals::install() {
  static TerminationSignals* instance = new TerminationSignals;
  return *instance;
}

TerminationSignals::TerminationSignals() {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSockets) != 0) return;
  notifier_ = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] {
    // Several signals in a row ask for one ending.
    char bytes[64];
    while (::read(signalSockets[1], bytes, sizeof bytes) > 0) {
    }
    emit requested();
  });
  struct sigaction action {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGTERM, &action, nullptr);
  ::sigaction(SIGHUP, &action, nullptr);
}

}  // namespace wrenpad
