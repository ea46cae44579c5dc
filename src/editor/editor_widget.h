// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text widget behind EditorControl, and the scope that marks format-only
// work. Private to the editor room: the rest of the program reaches the text
// through editor_control.h alone.

#include "editor/editor_control.h"
#include "editor/line_number_gutter.h"

#include <QPlainTextEdit>
#include <QPoint>
#include <optional>

namespace wrenpad {

// Marks a stretch of work that changes formats only: no modified flag, no
// text-changed event, no undo step.
class FormattingScope {
 public:
  explicit FormattingScope(EditorControl& editor) : editor_(editor) {
    ++editor_.formattingDepth_;
  }
  ~FormattingScope() { --editor_.formattingDepth_; }
  FormattingScope(const FormattingScope&) = delete;
  FormattingScope& operator=(const FormattingScope&) = delete;

 private:
  EditorControl& editor_;
};

// The text edit itself: hands key and mouse events to the owner first, keeps
// every line break a plain paragraph break, and accepts plain text only. Its
// line-number gutter stands in the margin left of the text.
class EditorControl::Widget : public QPlainTextEdit, private GutterSource {
 public:
  Widget(EditorControl& owner, QWidget* parent);
  ~Widget() override;

  // The middle button's and the paste keys' text (see plain_paste.h), one
  // step of the control's undo like any other insertion.
  void insertPasted(const QString& text, std::optional<QPoint> at);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  QMimeData* createMimeDataFromSelection() const override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void steadyCaretOnLongLine();
  // GutterSource
  QTextBlock firstBlockOnScreen() const override { return firstVisibleBlock(); }
  QRectF blockPlace(const QTextBlock& block) const override;
  void setLeftMargin(int width) override { setViewportMargins(width, 0, 0, 0); }

  EditorControl& owner_;
  const int usualFlashTime_;
  LineNumberGutter* gutter_ = nullptr;
};

}  // namespace wrenpad
