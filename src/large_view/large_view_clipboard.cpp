// SPDX-License-Identifier: GPL-3.0-or-later
// The large view's clipboard: copied text in the line break asked for,
// pasted text in the document's code.

#include "large_view/large_text_view.h"

#include <QApplication>
#include <QClipboard>

namespace wrenpad::large {

namespace {
// The JIS state after `bytes`, read from `state`.
JisState jisStateAfter(std::string_view bytes, JisState state) {
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  for (qint64 at = 0, n = qint64(bytes.size()); at < n;) at += jisCharacterLength(&state, s + at, n - at);
  return state;
}
}  // namespace

std::string LargeTextView::bytesForPaste(const QString& text, bool* ok) {
  *ok = true;
  if (!copiedText_.isEmpty() && text == copiedText_) return copiedBytes_;
  std::string bytes;
  const std::string_view lineBreak = document_->lineBreak(newLineEnd_);
  for (qsizetype start = 0; start <= text.size();) {
    qsizetype end = start;
    while (end < text.size() && text.at(end) != u'\r' && text.at(end) != u'\n') ++end;
    qsizetype unencodable = -1;
    const std::optional<std::string> part =
        encodeText(QStringView(text).mid(start, end - start), document_->encoding(), &unencodable);
    if (!part) {
      const qsizetype at = start + unencodable;  // the whole character: two units beyond U+FFFF
      const bool pair = text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate();
      emit cannotWrite(text.mid(at, pair ? 2 : 1));
      *ok = false;
      return {};
    }
    bytes += *part;
    if (end == text.size()) break;
    bytes += lineBreak;
    start = end + (text.at(end) == u'\r' && end + 1 < text.size() && text.at(end + 1) == u'\n' ? 2 : 1);
  }
  return bytes;
}

QString LargeTextView::selectedText(bool* tooLarge) {
  *tooLarge = selectionEnd() - selectionStart() > kLargestCopy;
  if (*tooLarge || !hasSelection()) return {};
  const std::string bytes = document_->bytes(selectionStart(), selectionEnd());
  // 7-bit JIS goes on in the state the escapes before leave, line after line.
  const bool jis = document_->form().jis;
  JisState state = jis ? document_->jisState(selectionStart()) : JisState::Single;
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
    text += copiedLineBreak_;
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
  replaceSelection({}, EditKind::Other);
}

void LargeTextView::paste() {
  if (!document_) return;
  insertText(QApplication::clipboard()->text());
}

}  // namespace wrenpad::large
