#pragma once
// Watching the test server's error log while a CGI script is tried: what the
// log gained since the test began is what the script (or the server) said
// about it, Perl's compile errors among it. The window calls tick() from its
// own timer; nothing here waits or runs by itself.
//
// Beside the log "<dir>/error.log" the watch keeps two copies: "error.lg1",
// the log as it was when the test began, and "error.lg2", the log as it was
// at the last look. The gained text is the new copy with the first
// occurrence of the old one taken out (all of it when the log is new).
//
// Neither copy is read whole when it is larger than kReadLimit: the server
// only appends to its log, so then what lies past the old copy's size is
// taken as the gained text, at most kReadLimit bytes of it.

#include <QString>
#include <QtGlobal>
#include <optional>

namespace wrenpad {

// The copy of `logFile` with the extension ".lg<number>" in place of its
// own: "/srv/web/logs/error.log", 1 giving "/srv/web/logs/error.lg1".
QString CgiLogSnapshotFile(const QString& logFile, int number);

class CgiLogWatch {
 public:
  static constexpr qint64 kReadLimit = 4 * 1024 * 1024;

  // A CGI test starts: the log as it is now is the starting point.
  void begin(const QString& logFile);

  // The text the log gained since begin(), once; nothing while the log is
  // missing or unchanged, after the gained text was given, or without a
  // begin().
  std::optional<QString> tick();

  // Waiting for the log to change.
  bool active() const { return active_; }

  // Why the watch ended without a report (a copy that could not be made or
  // read), for the caller to show once; empty otherwise.
  const QString& problem() const { return problem_; }

 private:
  std::optional<QByteArray> gainedBytes(const QString& current);
  void fail(const QString& why);

  QString logFile_;
  bool active_ = false;
  bool startedEmpty_ = false;  // no log at begin(): no first copy either
  qint64 startSize_ = 0;
  QString problem_;
};

}  // namespace wrenpad
