// SPDX-License-Identifier: GPL-3.0-or-later
// The large view's input: keys, the input method, the mouse, focus and the
// caret's blink.

#include "large_view/large_text_view.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace wrenpad::large {

bool LargeTextView::moveByKey(QKeyEvent* event) {
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  const bool control = event->modifiers() & Qt::ControlModifier;
  const int page = std::max(1, viewport()->height() / lineHeight() - 1);
  switch (event->key()) {
    case Qt::Key_Left:
      if (hasSelection() && !shift) return moveCaretTo(selectionStart(), false), true;
      return moveCaretTo(document_->previousCharacter(caret_), shift), true;
    case Qt::Key_Right:
      if (hasSelection() && !shift) return moveCaretTo(selectionEnd(), false), true;
      return moveCaretTo(document_->nextCharacter(caret_), shift), true;
    case Qt::Key_Up: return moveCaretTo(lineAbove(1), shift, true), true;
    case Qt::Key_Down: return moveCaretTo(lineAbove(-1), shift, true), true;
    case Qt::Key_PageUp: return pageBy(-page, shift), true;
    case Qt::Key_PageDown: return pageBy(page, shift), true;
    case Qt::Key_Home:
      return moveCaretTo(control ? 0 : spanOf(caretLine()).start, shift), true;
    case Qt::Key_End:
      return moveCaretTo(control ? document_->size() : spanOf(caretLine()).end, shift), true;
    default: return false;
  }
}
bool LargeTextView::commandByKey(QKeyEvent* event) {
  if (event == QKeySequence::Copy) return copy(), true;
  if (event == QKeySequence::Cut) return cut(), true;
  if (event == QKeySequence::Paste) return paste(), true;
  if (event == QKeySequence::SelectAll) return selectAll(), true;
  if (event == QKeySequence::Undo) return undo(), true;
  if (event == QKeySequence::Redo) return redo(), true;
  return false;
}

bool LargeTextView::editByKey(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Backspace: return deleteBackward(), true;
    case Qt::Key_Delete: return deleteForward(), true;
    case Qt::Key_Return:
    case Qt::Key_Enter: return insertText(QStringLiteral("\n")), true;
    case Qt::Key_Tab: return insertText(QStringLiteral("\t"), EditKind::Typing), true;
    default: return false;
  }
}

void LargeTextView::keyPressEvent(QKeyEvent* event) {
  if (!document_) return QAbstractScrollArea::keyPressEvent(event);
  if (commandByKey(event) || moveByKey(event) || editByKey(event)) return event->accept();
  const QString text = event->text();
  const bool printable = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint() || c.isSurrogate(); });
  if (printable && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
    insertText(text, EditKind::Typing);
    return event->accept();
  }
  QAbstractScrollArea::keyPressEvent(event);
}

void LargeTextView::inputMethodEvent(QInputMethodEvent* event) {
  if (!document_ || isReadOnly()) return event->ignore();
  if (!event->commitString().isEmpty()) insertText(event->commitString(), EditKind::Typing);
  preedit_ = event->preeditString();
  viewport()->update();
  event->accept();
}

QVariant LargeTextView::inputMethodQuery(Qt::InputMethodQuery query) const {
  auto* self = const_cast<LargeTextView*>(this);
  switch (query) {
    case Qt::ImEnabled: return bool(document_) && !isReadOnly();
    case Qt::ImCursorRectangle: return self->caretRect();
    case Qt::ImFont: return font();
    case Qt::ImHints: return int(Qt::ImhMultiLine);
    default: return QAbstractScrollArea::inputMethodQuery(query);
  }
}

void LargeTextView::mousePressEvent(QMouseEvent* event) {
  if (!document_ || event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  moveCaretTo(offsetAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void LargeTextView::mouseMoveEvent(QMouseEvent* event) {
  if (!document_ || !(event->buttons() & Qt::LeftButton)) return;
  moveCaretTo(offsetAt(event->position().toPoint()), true);
}

void LargeTextView::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void LargeTextView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!document_ || event->button() != Qt::LeftButton) return;
  const qint64 offset = offsetAt(event->position().toPoint());
  const ShownLine shown = screen_->line(spanOf(document_->lines().lineOf(offset)), left_, columnsInSight());
  const QString& text = shown.text.text;
  qsizetype first = shown.text.unitAt(offset - shown.from);
  qsizetype last = first;
  const auto inWord = [&text](qsizetype i) { return text.at(i).isLetterOrNumber() || text.at(i) == u'_'; };
  while (first > 0 && inWord(first - 1)) --first;
  while (last < text.size() && inWord(last)) ++last;
  anchor_ = shown.from + shown.text.byteOf[std::size_t(first)];
  moveCaretTo(shown.from + shown.text.byteOf[std::size_t(last)], true);
}

void LargeTextView::restartBlink() {
  caretShown_ = true;
  if (hasFocus()) blink_.start();
}

void LargeTextView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  restartBlink();
  viewport()->update();
}

void LargeTextView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  blink_.stop();
  viewport()->update();
}

}  // namespace wrenpad::large
