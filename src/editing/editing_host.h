// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the key handling and the mark-up commands need from the main window:
// showing the command states they keep as values, the heading box, the
// line-number box, its timers, the progress bar and the pop-up menu.

#include <QPoint>
#include <QString>

namespace wrenpad {

class EditingHost {
 public:
  virtual ~EditingHost() = default;

  // The command marks or the settings changed: menu items and tool buttons
  // show them again.
  virtual void showCommandStates() = 0;

  // The heading box: 0 "Normal", 1 to 5 "Heading 1" to "Heading 5". Showing
  // an index is not the user's choice and must not start the heading timer.
  virtual int headingIndex() const = 0;
  virtual void showHeadingIndex(int index) = 0;

  // The line-number box on the tool bar.
  virtual QString lineNumberText() const = 0;
  virtual void showLineNumber(const QString& text) = 0;

  // The window's timers: the undo snapshot after a pause in typing (Timer2),
  // the heading box's look at the caret (Timer4) and the caret context's
  // (Timer5). Starting a running timer starts its wait again.
  virtual void startSnapshotTimer() = 0;
  virtual bool isSnapshotTimerRunning() const = 0;
  virtual void startHeadingTimer() = 0;
  virtual void stopHeadingTimer() = 0;
  virtual void startCaretContextTimer() = 0;
  virtual void stopCaretContextTimer() = 0;

  // Switches the window into or out of HTML mode (menus, tool bar, editor).
  virtual void SetWebPageMode(bool on) = 0;

  virtual void resetProgressBar() = 0;
  // Opens the editor's pop-up menu at a point on the screen.
  virtual void showPopupMenu(const QPoint& globalPosition) = 0;
  // F2: looks a word up in the program's help.
  virtual void lookUpInHelp(const QString& word) = 0;
};

}  // namespace wrenpad
