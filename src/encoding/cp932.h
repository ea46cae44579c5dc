// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Code page 932 (Shift-JIS as Windows writes it) to Unicode and back, by
// tables built once from ICU's "windows-31j" converter. The six characters
// that JIS X 0208 and code page 932 read differently from the same codes
// (〜 and ～, ‖ and ∥, − and －, ¢ £ ¬ and their full-width forms) are all
// written; reading gives code page 932's.
//
// Bytes that are not Shift-JIS (a lone lead byte, 0x80, 0xA0, 0xFD..0xFF, a
// pair that code page 932 leaves unassigned) are kept as the private-use
// characters U+F780..U+F7FF, one per byte, so they come back unchanged when
// the text is written again, whatever else was edited.
//
// Some characters have two codes: NEC row 13 against JIS X 0208 (≒ is 87 90
// and 81 E0), the NEC-selected IBM extension against IBM's own rows (ⅰ is
// EE EF and FA 40). Reading notes the code a file used first, and writing
// uses it again, so an edit on one line does not change the bytes of another.
// Reading also notes the characters a file wrote with more than one code,
// whose lines the document codec keeps whole (document_codec.h).

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>
#include <bitset>
#include <cstdint>

namespace wrenpad::cp932 {

// Byte classes of code page 932: the first and second bytes of a pair, and
// the one-byte half-width katakana.
inline bool isLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
inline bool isTrailByte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }
inline bool isHalfWidthKana(unsigned char b) { return b >= 0xA1 && b <= 0xDF; }

// The private-use character that stands for an undecodable byte.
inline constexpr char16_t kByteEscapeBase = 0xF700;
inline bool isByteEscape(QChar c) { return c.unicode() >= 0xF780 && c.unicode() <= 0xF7FF; }
inline QChar byteEscape(unsigned char b) { return QChar(char16_t(kByteEscapeBase + b)); }
inline char escapedByte(QChar c) { return char(c.unicode() - kByteEscapeBase); }

// Character to the double-byte code (lead << 8 | trail) a file used for it.
using CodeChoices = QHash<char16_t, std::uint16_t>;

// What reading a file noted about how it wrote its characters, so that
// writing the text again gives the bytes it had.
struct FileCodes {
  // For every character with more than one code, the first code the file
  // used for it.
  CodeChoices first;
  // Characters that the file did not always write as `first` says: with
  // another of their codes too, or (EUC-JP) with a JIS X 0212 code although
  // code page 932 has them.
  QSet<char16_t> varied;
  // The bytes 80..FF the file held that decode to no character. Only their
  // stand-ins are written back as bytes: a stand-in the file did not produce
  // (pasted or typed) is a character like any other, which no Japanese code
  // holds.
  std::bitset<128> strayBytes;
  // EUC-JP: the file held JIS X 0212 kanji, so writing it may use them too;
  // a file without them never gains one.
  bool supplementaryKanji = false;
  // EUC-JP: the file held pairs of the rows JIS X 0208 leaves empty (NEC's
  // row 13, the IBM kanji, the user-defined rows), which other programs
  // reject, so writing it may use them too; a file without them never gains
  // one.
  bool eucExtensionRows = false;
  bool producedStandIn(QChar c) const {
    return isByteEscape(c) && strayBytes.test(std::size_t(c.unicode() - 0xF780));
  }
  void noteStrayByte(unsigned char b) {
    if (b >= 0x80) strayBytes.set(b - 0x80u);
  }
};

// The character of a double-byte code; 0 when code page 932 leaves it
// unassigned.
char16_t pairChar(std::uint16_t code);
// The double-byte code of a character: the one `used` remembers, else the one
// this encoder prefers; 0 when code page 932 has none.
std::uint16_t pairCode(char16_t u, const CodeChoices& used = {});

// With `file`, the codes read and the stray bytes are noted there.
QString decode(const QByteArray& bytes, FileCodes* file = nullptr);
// A character read from `code`, noted in `file` when it has more than one.
void noteCode(char16_t u, std::uint16_t code, FileCodes* file);

// The bytes of each character `decode` gives for `bytes`, in order.
QList<QByteArrayView> characterBytes(QByteArrayView bytes);

struct Encoded {
  QByteArray bytes;
  qsizetype firstUnencodable = -1;  // index in the text, -1 when all fit
};
// Characters that code page 932 cannot hold become "?" and the first one is
// reported, so the caller can ask before anything is written. Characters of
// the IBM extension are written with their NEC-selected codes (leads ED, EE),
// never with leads FA..FC, which would make the file look like EUC-JP, unless
// `file` says the file had them so.
Encoded encode(QStringView text, const FileCodes& file = {});
// Whether `encode` can write the character (a half of a surrogate pair never).
bool canEncode(QChar c, const FileCodes& file = {});

}  // namespace wrenpad::cp932
