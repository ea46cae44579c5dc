// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a tool (a compiler, an interpreter) without a window and captures what
// it prints, for the message pane. The program and its arguments travel as a
// list, never as a shell line, so file names with blanks, quotes, semicolons
// or any other characters reach the tool as they are. Both output channels
// are read as they fill, so a tool that writes much to standard error before
// it closes standard output cannot block; the pane text is all of standard
// output followed by all of standard error, and grows while the tool runs.

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace wrenpad {

struct RunRequest {
  QString program;        // a name looked up on PATH, or a full path
  QStringList arguments;
  QString workingFolder;  // empty: the program's current folder
  QString input;          // written to standard input, which is then closed
};

struct RunResult {
  bool started = false;
  QString failure;         // why the tool did not start, naming it
  QString startError;      // the system's own words for it
  int exitCode = -1;
  bool crashed = false;
  QString standardOutput;
  QString standardError;
  QString paneText() const { return standardOutput + standardError; }
};

class CapturedRun : public QObject {
  Q_OBJECT
 public:
  explicit CapturedRun(QObject* parent = nullptr);
  ~CapturedRun() override;

  // Starts the tool; false (with finished() already emitted) when it cannot
  // start or a run is still going on.
  bool start(const RunRequest& request);
  bool isRunning() const { return process_.state() != QProcess::NotRunning; }
  const RunResult& result() const { return result_; }

 signals:
  // The pane text so far.
  void outputChanged(const QString& paneText);
  void finished(const RunResult& result);

 private:
  void readOutput();
  void readError();
  void onFinished(int exitCode, QProcess::ExitStatus status);
  void onError(QProcess::ProcessError error);

  QProcess process_;
  RunRequest request_;
  RunResult result_;
  bool reported_ = false;
};

}  // namespace wrenpad
