// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Watching the test server's error log while a CGI script is tried: what the
// log gained since the test began is what the script (or the server) said
// about it, Perl's compile errors among it. The window calls tick() from its
// own timer; nothing here waits or runs by itself.
//
// The watch remembers where the log ended when the test began and which file
// it was. A tick only looks at the log's size and identity; once the log has
// grown, the bytes past the remembered end are read, at most kReadLimit of
// them. A log that shrank or was replaced by another file (rotated, removed
// and written afresh) is new whole. No copy of the log is made.

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace wrenpad {

class CgiLogWatch {
  Q_DECLARE_TR_FUNCTIONS(CgiLogWatch)

 public:
  static constexpr qint64 kReadLimit = 4 * 1024 * 1024;

  // A CGI test starts: the log as it is now is the starting point. Copies of
  // the log that earlier versions kept beside it ("error.lg1", "error.lg2")
  // are removed.
  void begin(const QString& logFile);

  // The text the log gained since begin(), once; nothing while the log is
  // missing or unchanged, after the gained text was given, or without a
  // begin().
  std::optional<QString> tick();

  // Waiting for the log to change.
  bool active() const { return active_; }

  // Why the watch ended without a report (a log that could not be read),
  // for the caller to show once; empty otherwise.
  const QString& problem() const { return problem_; }

 private:
  void fail();

  QString logFile_;
  bool active_ = false;
  qint64 offset_ = 0;     // where the gained text begins
  quint64 device_ = 0;    // the file the offset belongs to
  quint64 inode_ = 0;
  QString problem_;
};

}  // namespace wrenpad
