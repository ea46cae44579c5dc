// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starts outside programs (a web browser, xdg-open) without waiting for
// them, and still learns of one that gives up at once: xdg-open ends with
// status 3 when the desktop has no browser, which a detached start never
// sees. A program that runs on is never stopped by us, not even when the
// editor ends.

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <sys/types.h>
#include <vector>

namespace wrenpad {

class ProgramLauncher : public QObject {
 public:
  // Told the exit status of a program that ended with a failure soon after
  // its start (a signal counts as status 128 + its number).
  using Failed = std::function<void(int status)>;

  // How long after its start a failure is still reported: a browser that
  // the user closes later with an error is none of our business.
  static constexpr qint64 kWatchMilliseconds = 20000;

  ProgramLauncher();
  ~ProgramLauncher() override;

  // Starts `program` (a path, or a name found on PATH) with `arguments`;
  // false when it could not be started at all.
  bool start(const QString& program, const QStringList& arguments, Failed failed);

  // Checks the programs started: reports those that failed and lets go of
  // those that ended. The timer calls it while any program runs.
  void poll();

 private:
  struct Child {
    pid_t pid;
    qint64 startedAt;
    Failed failed;
  };
  std::vector<Child> children_;
  QTimer timer_;
};

}  // namespace wrenpad
