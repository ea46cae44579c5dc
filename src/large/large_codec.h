// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The kanji codes of a large document, a character at a time. The document
// stays in its file's bytes; only the lines on screen are decoded, each
// character with the byte it begins at, so the view can put the caret
// between characters and turn a click into a byte offset.
//
// The code is told from the head of the file only (kDetectionBytes): UTF-8
// when the head's non-ASCII bytes are, all but a few, well-formed UTF-8
// (the few show as stand-ins, below), EUC-JP or Shift-JIS when
// the kanji detector says so, else the code the caller gives (the output
// code the user chose). A character decodes as the document codec decodes
// it (code page 932 for Shift-JIS, EUC-JP through its own tables); bytes
// that make no character show as the same stand-ins (cp932.h), and UTF-8
// that is not valid shows its bytes so too, where the codec would lose them.

#include "encoding/document_codec.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wrenpad::large {

inline constexpr qint64 kDetectionBytes = qint64(64) << 10;

struct DetectedForm {
  TextEncoding encoding = TextEncoding::ShiftJis;
  bool jis = false;        // 7-bit JIS: decoded with decodeJis, encoded with encodeJis
  bool binary = false;     // a control byte below 8, or a byte FF in a head not UTF-8
  LineEnd lineEnd = LineEnd::CrLf;  // the first line end of the head
  bool lineEndFromFile = false;     // the head had a line end
};

// `head`: the first bytes of the file (at most kDetectionBytes are looked at).
DetectedForm detectForm(std::string_view head, TextEncoding fallback);

// Bytes of the character that begins at s[0] when n bytes are left (n > 0):
// 1 to 4, never more than n.
int characterLength(TextEncoding encoding, const unsigned char* s, qint64 n);

// True when a character can begin just after byte `b` whatever came before
// it: for going back to a character's start without reading the whole line.
bool endsCharacter(TextEncoding encoding, unsigned char b);

// Decoded text and, for every UTF-16 unit of it and one past the end, the
// byte (from the start of the bytes decoded) where its character begins.
struct DecodedText {
  QString text;
  std::vector<qint32> byteOf;  // text.size() + 1 entries; the last is the byte count
  // The unit whose character holds byte `offset`, or the one just after.
  qsizetype unitAt(qint64 offset) const;
};
// `bytes` begin on a character's start and hold no line end.
DecodedText decodeText(TextEncoding encoding, std::string_view bytes);

// 7-bit JIS, read as the editor reads it: an escape ESC $ x switches to
// JIS X 0208 pairs, ESC ( x back to single bytes; every escape is three
// bytes. Bytes below 0x21 (spaces, tabs, line ends) stand alone in either
// state, so a line end never falls inside a character.
enum class JisState : unsigned char { Single, Pairs };
// The bytes of the escape at s[0] (n > 0 bytes left): 3, with the state it
// selects in `state`, or 0 when no escape begins there.
int jisEscapeLength(const unsigned char* s, qint64 n, JisState* state);
// The bytes of the character at s[0] in `state`, the escapes before it
// included (escapes before a line end or the end stand alone), updating
// `state`.
int jisCharacterLength(JisState* state, const unsigned char* s, qint64 n);
// As decodeText, for `bytes` that begin in `state`; escapes show as nothing
// and belong to the character after them.
DecodedText decodeJis(std::string_view bytes, JisState state);
// The state after `bytes` read from `state`.
JisState jisStateAfter(std::string_view bytes, JisState state);
// The escape that selects `state`: ESC $ B (JIS X 0208 pairs) or ESC ( B.
std::string_view jisEscape(JisState state);
// `text` as 7-bit JIS read from `from` on: every character below 0x80 (line
// ends included, so a line ends in single bytes, as conforming JIS does) in
// single bytes, every other in pairs, an escape wherever the state changes,
// and the escape to `to` after the last one when it is given and differs.
// Nothing, with the index of the first character it cannot hold in
// `unencodable`, when a character has no pair the editor reads back as it
// (half-width katakana, stand-ins of stray bytes), or is ESC itself.
std::optional<std::string> encodeJis(QStringView text, JisState from, std::optional<JisState> to,
                                     qsizetype* unencodable = nullptr);

// `text` in the document's code; nothing, with the index of the first
// character it cannot hold in `unencodable`, when some character does not fit.
std::optional<std::string> encodeText(QStringView text, TextEncoding encoding,
                                      qsizetype* unencodable = nullptr);

// The bytes of a line end.
std::string_view lineBreakBytes(LineEnd lineEnd);

}  // namespace wrenpad::large
