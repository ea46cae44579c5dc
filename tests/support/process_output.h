// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Following a program started by an end-to-end test through what it prints.

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QThread>

namespace wrenpad::test {

// Collects the program's standard error and output into `output` until it
// holds `text`; false when `timeoutMs` passes first.
inline bool waitForOutput(QProcess& process, QString& output, const QString& text, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < timeoutMs) {
    process.waitForReadyRead(100);
    output += QString::fromUtf8(process.readAllStandardError());
    output += QString::fromUtf8(process.readAllStandardOutput());
    if (output.contains(text)) return true;
  }
  return false;
}

// Asks `done` every 50 ms until it holds; false when `timeoutMs` passes first.
template <class Condition>
bool waitUntil(Condition done, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QThread::msleep(50);
  }
  return true;
}

}  // namespace wrenpad::test
