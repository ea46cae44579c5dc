// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's text widget as a document view (document_view.h): every
// file not too large for it. Positions are EditorControl's (a CR LF text,
// a line break counting two). Undo goes through the undo steps of the
// session (undo_commands.h) once they exist, else through the widget's own
// single level.

#include "documents/document_view.h"

#include <functional>

namespace wrenpad {

class EditorControl;
class LineNumberGutter;
class UndoCommands;

struct EditorViewContext {
  EditorControl& editor;
  LineNumberGutter* gutter = nullptr;
  // Paste as a command: the pasted text may name a fresh document or choose
  // its font (document_commands.h).
  std::function<void()> paste = {};
};

class EditorView final : public DocumentView {
 public:
  explicit EditorView(EditorViewContext context) : c_(std::move(context)) {}
  // The session's undo steps, from when they are made on.
  void useUndoSteps(UndoCommands& undo) { undo_ = &undo; }

  QWidget* widget() const override;
  QString whyNot(ViewAbility) const override { return {}; }

  qint64 lineCount() override;
  QString lineText(qint64 line) override;
  QString textBetween(qint64 from, qint64 to) override;

  qint64 caret() const override;
  qint64 selectionStart() const override;
  qint64 selectionEnd() const override;
  void select(qint64 from, qint64 to) override;
  void selectAll() override;
  qint64 caretLine() override;
  void goToLine(qint64 line, int column = 0) override;

  bool replaceSelection(const QString& text) override;
  void cut() override;
  void copy() override;
  void paste() override;
  void undo() override;
  void redo() override;

  bool findNext(const QString& what, bool matchCase) override;
  ReplacedCounts replaceAll(const QString& what, const QString& with, bool matchCase,
                            const std::function<bool(qint64 count)>& goOn) override;
  std::optional<TextCount> countSelection() override;

  bool isModified() const override;
  bool isReadOnly() const override;
  void setReadOnly(bool readOnly) override;
  void showLineNumbers(bool shown) override;
  // The editor's tab key indents by the width; its widget keeps its own stops.
  void setTabColumns(int) override {}
  QFont face() const override;
  void setFace(const QFont& face) override;
  QString statusNote() const override { return {}; }
  void endEdits(bool keepForRecovery) override;

 private:
  EditorViewContext c_;
  UndoCommands* undo_ = nullptr;
};

}  // namespace wrenpad
