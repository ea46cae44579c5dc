// SPDX-License-Identifier: GPL-3.0-or-later
// Text into a large document's bytes: what typing, pasting, deleting and
// replacing put in, and what Find looks for, in the file's code. 7-bit JIS
// needs the state around the edit: its text is written from the state where
// it goes in, and the bytes after it must be read in the state they had.

#include "large/large_document.h"

namespace wrenpad::large {

namespace {
// `text` with every line break (CR LF, LF or CR) made `lineBreak`.
QString withLineBreaks(QStringView text, std::string_view lineBreak) {
  const QString wanted = QString::fromLatin1(lineBreak.data(), qsizetype(lineBreak.size()));
  QString out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c != u'\r' && c != u'\n') {
      out += c;
      continue;
    }
    out += wanted;
    if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ++i;
  }
  return out;
}

// The whole character at `at`: two units beyond U+FFFF.
QString characterAt(QStringView text, qsizetype at) {
  const bool pair = text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate();
  return text.mid(at, pair ? 2 : 1).toString();
}

std::optional<std::string> encoded(const DetectedForm& form, QStringView text, JisState from,
                                   std::optional<JisState> to, QString* refused) {
  qsizetype unencodable = -1;
  std::optional<std::string> bytes =
      form.jis ? encodeJis(text, from, to, &unencodable) : encodeText(text, form.encoding, &unencodable);
  if (!bytes && refused) *refused = characterAt(text, unencodable);
  return bytes;
}

JisState stateOfEscapeAt(const LargeDocument& document, qint64 at) {
  const std::string escape = document.bytes(at, at + 3);
  JisState state = JisState::Single;
  jisEscapeLength(reinterpret_cast<const unsigned char*>(escape.data()), qint64(escape.size()), &state);
  return state;
}

// `made` (the stretch to replace) with the JIS bytes of `text` for it.
std::optional<Replacement> jisReplacement(const LargeDocument& document, QStringView text, Replacement made,
                                          QString* refused) {
  for (;;) {
    const qint64 end = made.offset + made.length;
    const bool escapeAfter = document.jisEscapeAt(end);
    // Bytes that begin with an escape are read in their own state.
    const std::optional<JisState> after = escapeAfter ? std::nullopt : std::optional(document.jisState(end));
    std::optional<std::string> bytes = encoded(document.form(), text, document.jisState(made.offset), after, refused);
    if (!bytes) return std::nullopt;
    made.bytes = std::move(*bytes);
    // An escape just before the stretch that another would follow at once
    // goes with it, and the text is written from the state before it.
    const bool escapeNext = made.bytes.empty() ? escapeAfter : made.bytes.front() == '\x1b';
    if (!escapeNext || made.offset < 3 || !document.jisEscapeAt(made.offset - 3)) break;
    made.offset -= 3;
    made.length += 3;
  }
  // An escape after the stretch to the state the new bytes leave says
  // nothing: it goes too (typing a line break and taking it out again gives
  // the bytes back as they were).
  const qint64 end = made.offset + made.length;
  if (document.jisEscapeAt(end) &&
      jisStateAfter(made.bytes, document.jisState(made.offset)) == stateOfEscapeAt(document, end))
    made.length += 3;
  return made;
}
}  // namespace

std::optional<Replacement> LargeDocument::replacementFor(QStringView text, qint64 offset, qint64 length,
                                                         LineEnd fallback, QString* refused) const {
  const QString lines = withLineBreaks(text, lineBreak(fallback));
  Replacement made{offset, length, {}};
  if (form_.jis) return jisReplacement(*this, lines, std::move(made), refused);
  std::optional<std::string> bytes = encoded(form_, lines, JisState::Single, JisState::Single, refused);
  if (!bytes) return std::nullopt;
  made.bytes = std::move(*bytes);
  return made;
}

std::optional<std::string> LargeDocument::bytesOf(QStringView text, JisState state, QString* refused) const {
  return encoded(form_, text, state, state, refused);
}

std::optional<Needle> LargeDocument::needleFor(QStringView text) const {
  if (text.isEmpty()) return std::nullopt;
  const JisState state = form_.jis && text.at(0).unicode() >= 0x80 ? JisState::Pairs : JisState::Single;
  std::optional<std::string> bytes = bytesOf(text, state);
  // Single bytes and pairs both: the needle holds an escape.
  if (!bytes || (form_.jis && bytes->find('\x1b') != std::string::npos)) return std::nullopt;
  return Needle{std::move(*bytes), state};
}

}  // namespace wrenpad::large
