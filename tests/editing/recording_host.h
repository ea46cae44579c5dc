// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the key handling and the editing tools see it: what
// they asked of it, recorded.

#include "editing/editing_host.h"

#include <QList>
#include <QSet>
#include <vector>

namespace wrenpad::test {

class RecordingHost : public EditingHost {
 public:
  int statesShown = 0;
  int heading = 0;
  QString lineNumber = QStringLiteral("1");
  QSet<int> running;
  std::vector<QPoint> popups;

  void showCommandStates() override { ++statesShown; }
  int headingIndex() const override { return heading; }
  void showHeadingIndex(int index) override { heading = index; }
  QString lineNumberText() const override { return lineNumber; }
  void showLineNumber(const QString& text) override { lineNumber = text; }
  // The timers by the window's numbers: 2 snapshot, 4 heading, 5 caret context.
  void startSnapshotTimer() override { start(2); }
  bool isSnapshotTimerRunning() const override { return running.contains(2); }
  void startHeadingTimer() override { start(4); }
  void stopHeadingTimer() override { running.remove(4); }
  void startCaretContextTimer() override { start(5); }
  void stopCaretContextTimer() override { running.remove(5); }
  void start(int number) { running.insert(number), started << number; }
  QList<int> started;  // every start, in order
  void resetProgressBar() override {}
  void SetWebPageMode(bool) override {}
  void showPopupMenu(const QPoint& at) override { popups.push_back(at); }
  void lookUpInHelp(const QString&) override {}
};

}  // namespace wrenpad::test
