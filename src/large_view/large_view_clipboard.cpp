// SPDX-License-Identifier: GPL-3.0-or-later
// The large view's clipboard: copied text in the line break asked for,
// pasted text in the document's code.

#include "large_view/large_text_view.h"

#include <QApplication>
#include <QClipboard>

namespace wrenpad::large {

std::optional<Replacement> LargeTextView::bytesForPaste(const QString& text) {
  const qint64 from = selectionStart();
  const qint64 length = selectionEnd() - from;
  // The view's own copy goes back as its bytes; not in 7-bit JIS, whose
  // bytes are read in the state of the place they were copied from.
  if (!copiedText_.isEmpty() && text == copiedText_ && !document_->form().jis)
    return Replacement{from, length, copiedBytes_};
  QString refused;
  std::optional<Replacement> made = document_->replacementFor(text, from, length, newLineEnd_, &refused);
  if (!made) emit cannotWrite(refused);
  return made;
}

QString LargeTextView::selectedText(bool* tooLarge) {
  *tooLarge = selectionEnd() - selectionStart() > kLargestCopy;
  if (*tooLarge || !hasSelection()) return {};
  return textBetween(selectionStart(), selectionEnd(), copiedLineBreak_);
}

QString LargeTextView::textBetween(qint64 from, qint64 to, const QString& lineBreak) const {
  if (!document_ || to <= from || to - from > kLargestCopy) return {};
  const std::string bytes = document_->bytes(from, to);
  // 7-bit JIS goes on in the state the escapes before leave, line after line.
  const bool jis = document_->form().jis;
  JisState state = jis ? document_->jisState(from) : JisState::Single;
  QString text;
  for (std::size_t start = 0; start <= bytes.size();) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string::npos) end = bytes.size();
    const std::string_view line = std::string_view(bytes).substr(start, end - start);
    if (jis) {
      text += decodeJis(line, state).text;
      state = jisStateAfter(line, state);
    } else {
      text += decodeText(document_->encoding(), line).text;
    }
    if (end == bytes.size()) break;
    text += lineBreak;
    start = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
  }
  return text;
}

void LargeTextView::copy() {
  if (!document_ || !hasSelection()) return;
  bool tooLarge = false;
  const QString text = selectedText(&tooLarge);
  if (tooLarge) {
    emit selectionTooLarge();
    return;
  }
  copiedText_ = text;
  copiedBytes_ = document_->bytes(selectionStart(), selectionEnd());
  QApplication::clipboard()->setText(text);
}

void LargeTextView::cut() {
  if (!document_ || !hasSelection() || isReadOnly()) return;
  if (selectionEnd() - selectionStart() > kLargestCopy) {
    emit selectionTooLarge();
    return;
  }
  copy();
  insertText({});
}

void LargeTextView::paste() {
  if (!document_) return;
  insertText(QApplication::clipboard()->text());
}

}  // namespace wrenpad::large
