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

namespace {
// Where the caret goes after an edit whose bytes end at `end`: 7-bit JIS
// puts it before the escapes that go with the character there.
qint64 caretAfter(const LargeDocument& document, qint64 end) {
  return document.form().jis ? document.characterStart(end) : end;
}
}  // namespace

void LargeTextView::put(const Replacement& made, EditKind kind) {
  if (isReadOnly()) return;
  const bool modified = document_->isModified();
  const bool sameLines = keepsLines(made.offset, made.offset + made.length, made.bytes);
  const Change change = document_->replace(made.offset, made.length, made.bytes, kind);
  caret_ = anchor_ = caretAfter(*document_, made.offset + qint64(made.bytes.size()));
  changed(change, modified, sameLines);
}

bool LargeTextView::insertText(const QString& text, EditKind kind) {
  if (isReadOnly()) return false;
  if (text.isEmpty() && !hasSelection()) return true;
  const std::optional<Replacement> made = bytesForPaste(text);
  if (!made) return false;
  put(*made, hasSelection() ? EditKind::Other : kind);
  return true;
}

// Deleting goes through the document's text rule too: in 7-bit JIS the
// bytes after the stretch taken out may need an escape to read as before.
void LargeTextView::deleteBackward() {
  if (isReadOnly()) return;
  if (hasSelection()) return void(insertText({}));
  if (caret_ == 0) return;
  const qint64 from = document_->previousCharacter(caret_);
  put(*document_->replacementFor({}, from, caret_ - from, newLineEnd_), EditKind::DeletingBackward);
}

void LargeTextView::deleteForward() {
  if (isReadOnly()) return;
  if (hasSelection()) return void(insertText({}));
  if (caret_ >= document_->size()) return;
  const qint64 to = document_->nextCharacter(caret_);
  put(*document_->replacementFor({}, caret_, to - caret_, newLineEnd_), EditKind::DeletingForward);
}

void LargeTextView::afterUndoStep(const std::optional<Change>& change, bool modifiedBefore) {
  if (!change) return;
  caret_ = anchor_ = caretAfter(*document_, change->offset + change->inserted);
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
