// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The compiler message pane under the editor: plain text the tools printed.
// A double click on a line asks the window to jump to the source place the
// line names; the pane's own word selection on a double click stays.

#include <QPlainTextEdit>

namespace wrenpad {

class MessagePane : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit MessagePane(QWidget* parent = nullptr);

  // Messages show in `face`, the face of program documents, at the pane's own size.
  void showCodeIn(const QString& face);

  // The line holding the pane's caret: its index from 0 and its text.
  int caretLineIndex() const;
  QString caretLineText() const;

 signals:
  void lineDoubleClicked();
  void clicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // A drop without mime data inserts nothing.
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace wrenpad
