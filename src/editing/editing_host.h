#pragma once
// What the key handling and the mark-up commands need from the main window:
// the states of its menu items and tool buttons, the heading box, the
// line-number box, its timers, the progress bar and the pop-up menu.

#include <QPoint>
#include <QString>

namespace wrenpad {

class EditingHost {
 public:
  virtual ~EditingHost() = default;

  // Menu items, pop-up items and tool buttons, by object name: "tbBold",
  // "tbItalic", "tbCenter", "tbRight", "tbBR", "mmBR", "mmAlignCenter",
  // "mmAlignRight", "mmAutoRepaint", "mmCut", "mmCopy", "mmCommentize",
  // "pmCut", "pmCopy", "pmPaste", "pmLinkOpen", "pmAddRow", "N20".
  // "Checked" is a menu item's check mark and a tool button's pressed state.
  virtual bool isItemChecked(const QString& name) const = 0;
  virtual void setItemChecked(const QString& name, bool checked) = 0;
  virtual void setItemEnabled(const QString& name, bool enabled) = 0;
  virtual void setItemVisible(const QString& name, bool visible) = 0;

  // The heading box: 0 "Normal", 1 to 5 "Heading 1" to "Heading 5". Showing
  // an index is not the user's choice and must not start the heading timer.
  virtual int headingIndex() const = 0;
  virtual void showHeadingIndex(int index) = 0;

  // The line-number box on the tool bar.
  virtual QString lineNumberText() const = 0;
  virtual void showLineNumber(const QString& text) = 0;

  // The window's timers by number: 2 undo snapshot, 4 heading, 5 caret context.
  virtual void startWindowTimer(int number) = 0;
  virtual void stopWindowTimer(int number) = 0;
  virtual bool isWindowTimerRunning(int number) const = 0;

  // Switches the window into or out of HTML mode (menus, tool bar, editor).
  virtual void SetWebPageMode(bool on) = 0;

  virtual void resetProgressBar() = 0;
  // Opens the editor's pop-up menu at a point on the screen.
  virtual void showPopupMenu(const QPoint& globalPosition) = 0;
};

}  // namespace wrenpad
