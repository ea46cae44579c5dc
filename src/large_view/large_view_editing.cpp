// SPDX-License-Identifier: GPL-3.0-or-later
// The large view's edits: typing, deleting, undo and redo, and what the
// view redraws after each.

#include "large_view/large_text_view.h"


namespace wrenpad::large {

// After an edit: the edited line is repainted, and every line below it when
// the edit added or took away a line break (`sameLines` false).
void LargeTextView::changed(const Change& change, bool modifiedBefore, bool sameLines) {
  screen_->follow(change);
  goalColumn_ = -1;
  restartBlink();
  if (!ensureCaretVisible()) {
    const qint64 line = document_->lines().lineOf(change.offset);
    updateLines(line, sameLines ? std::max(line, caretLine()) : top_ + visibleLineCount());
  }
  emit textChanged();
  if (document_->isModified() != modifiedBefore) emit modificationChanged(document_->isModified());
  emit caretMoved();
  emit selectionChanged(hasSelection());
}

namespace {
bool holdsBreak(std::string_view bytes) { return bytes.find_first_of("\r\n") != std::string_view::npos; }
}  // namespace

// Whether replacing [from, to) with `bytes` leaves the lines as they are
// (no line break put in or taken out).
bool LargeTextView::keepsLines(qint64 from, qint64 to, std::string_view bytes) const {
  return !holdsBreak(bytes) && to - from <= 4096 && !holdsBreak(document_->bytes(from, to));
}

void LargeTextView::replaceSelection(std::string_view bytes, EditKind kind) {
  if (isReadOnly()) return;
  const bool modified = document_->isModified();
  const qint64 from = selectionStart();
  const bool sameLines = keepsLines(from, selectionEnd(), bytes);
  const Change change = document_->replace(from, selectionEnd() - from, bytes, kind);
  caret_ = anchor_ = from + qint64(bytes.size());
  changed(change, modified, sameLines);
}

bool LargeTextView::insertText(const QString& text, EditKind kind) {
  if (isReadOnly()) return false;
  if (text.isEmpty()) {
    if (hasSelection()) replaceSelection({}, EditKind::Other);
    return true;
  }
  bool ok = false;
  const std::string bytes = bytesForPaste(text, &ok);
  if (!ok) return false;
  replaceSelection(bytes, hasSelection() ? EditKind::Other : kind);
  return true;
}

void LargeTextView::deleteBackward() {
  if (isReadOnly()) return;
  if (hasSelection()) return replaceSelection({}, EditKind::Other);
  if (caret_ == 0) return;
  const bool modified = document_->isModified();
  const qint64 from = document_->previousCharacter(caret_);
  const bool sameLines = keepsLines(from, caret_, {});
  const Change change = document_->replace(from, caret_ - from, {}, EditKind::DeletingBackward);
  caret_ = anchor_ = from;
  changed(change, modified, sameLines);
}

void LargeTextView::deleteForward() {
  if (isReadOnly()) return;
  if (hasSelection()) return replaceSelection({}, EditKind::Other);
  if (caret_ >= document_->size()) return;
  const bool modified = document_->isModified();
  const qint64 to = document_->nextCharacter(caret_);
  const bool sameLines = keepsLines(caret_, to, {});
  const Change change = document_->replace(caret_, to - caret_, {}, EditKind::DeletingForward);
  changed(change, modified, sameLines);
}

void LargeTextView::afterUndoStep(const std::optional<Change>& change, bool modifiedBefore) {
  if (!change) return;
  caret_ = anchor_ = change->offset + change->inserted;
  changed(*change, modifiedBefore, false);
}

void LargeTextView::documentEdited(qint64 caret) {
  if (!document_) return;
  screen_ = std::make_unique<ScreenText>(*document_, tabColumns_);
  caret_ = anchor_ = document_->characterStart(std::clamp<qint64>(caret, 0, document_->size()));
  goalColumn_ = -1;
  ensureCaretVisible();
  viewport()->update();
  emit textChanged();
  emit modificationChanged(document_->isModified());
  emit caretMoved();
  emit selectionChanged(false);
}

void LargeTextView::undo() {
  if (!document_ || isReadOnly()) return;
  const bool modified = document_->isModified();
  afterUndoStep(document_->undo(), modified);
}

void LargeTextView::redo() {
  if (!document_ || isReadOnly()) return;
  const bool modified = document_->isModified();
  afterUndoStep(document_->redo(), modified);
}

}  // namespace wrenpad::large
