// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGTERM and SIGHUP (logout, shutdown, `kill`) arrive as the Qt signal
// `requested` in the event loop, where the program can keep the user's
// unsaved work before it ends. The handler itself only writes one byte to a
// socket pair, the one thing a signal handler may safely do.

#include <QObject>

class QSocketNotifier;

namespace wrenpad {

class TerminationSignals : public QObject {
  Q_OBJECT
 public:
  // Installs the handlers once; later calls give the same object.
  static TerminationSignals& install();

 signals:
  void requested();

 private:
  TerminationSignals();
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace wrenpad
