// SPDX-License-Identifier: GPL-3.0-or-later
// Kanji codes as byte strings: detection of Shift-JIS, EUC-JP and 7-bit JIS,
// conversion between the three, the JIS X 0208 <-> Shift-JIS pair arithmetic,
// half-width katakana widening, and line-end detection and conversion.
//
// Everything works on raw bytes: texts come in as std::string_view and go out
// as std::string. No routine ever reads outside the text it is given.
#pragma once

#include <string>
#include <string_view>

namespace kanji {

// The result of detection and the target of conversion.
enum KanjiCode : int {
  kcNone = 0,       // no byte above 127 and no kanji escape seen
  kcBinary = 1,     // a control byte below 8 or a byte 255 seen: not text
  kcNewJis = 2,     // JIS with the escape ESC $ B
  kcOldJis = 3,     // JIS with the escape ESC $ @
  kcEuc = 4,        // EUC-JP
  kcSjis = 5,       // Shift-JIS
  kcEucOrSjis = 6,  // the bytes seen fit both EUC-JP and Shift-JIS
};

enum LineEndKind : int {
  leNone = 0,  // no CR or LF in the text
  leCrLf = 1,
  leCr = 2,
  leLf = 3,
};

// Two bytes: a JIS X 0208 row and cell, or a Shift-JIS lead and trail byte.
struct BytePair {
  unsigned char first = 0;
  unsigned char second = 0;
  friend constexpr bool operator==(const BytePair&, const BytePair&) = default;
};

// JIS X 0208 row/cell bytes (21..7E each) to the Shift-JIS double byte.
// Bytes outside that range go through the same arithmetic, modulo 256.
constexpr BytePair JisToSjisPair(unsigned char c1, unsigned char c2) {
  int lead = c1;
  int trail = c2;
  if (lead & 1)
    trail += trail < 0x60 ? 0x1F : 0x20;
  else
    trail += 0x7E;
  lead = ((lead + 1) >> 1) + (lead < 0x5F ? 0x70 : 0xB0);
  return {static_cast<unsigned char>(lead & 0xFF), static_cast<unsigned char>(trail & 0xFF)};
}

// Shift-JIS double byte to JIS X 0208 row/cell bytes; the inverse of the above
// for lead bytes 81..9F, E0..EF and trail bytes 40..7E, 80..FC.
constexpr BytePair SjisToJisPair(unsigned char c1, unsigned char c2) {
  int row = (c1 - (c1 < 0xA0 ? 0x70 : 0xB0)) * 2;
  int cell = c2;
  if (cell < 0x9F) {
    cell -= cell < 0x80 ? 0x1F : 0x20;
    row -= 1;
  } else {
    cell -= 0x7E;
  }
  return {static_cast<unsigned char>(row & 0xFF), static_cast<unsigned char>(cell & 0xFF)};
}

// A half-width katakana turned into its full-width JIS X 0208 character.
struct FullWidthKana {
  BytePair jis;           // row and cell
  bool markUsed = false;  // the voiced or semi-voiced mark after it was merged in
};

// Shift-JIS form: `kana` is a byte A1..DF, `next` the byte after it (0 at the
// end of the text). A following voiced mark DE or semi-voiced mark DF is merged
// where the pair has a full-width form (ガ, パ, ヴ, ...).
FullWidthKana HalfToFullKana(unsigned char kana, unsigned char next);
// EUC-JP form: `kana` is the byte after an 8E; `nextLead` and `nextKana` are
// the two bytes of the following character (0 at the end of the text), which
// is a mark only when `nextLead` is 8E. Bytes whose low seven bits are not a
// JIS X 0201 katakana (21..5F) give the geta mark 〓 (row 2, cell 0E).
FullWidthKana HalfToFullKana(unsigned char kana, unsigned char nextLead, unsigned char nextKana);

// Guesses the kanji code of a text. The first decisive byte settles it, so the
// cost is usually a few bytes; a text that stays ambiguous is read to the end.
KanjiCode DetectKanjiCode(std::string_view text);

// Detects the code of `text` and converts it to `target` (kcNewJis, kcEuc or
// kcSjis). Texts detected as kcNone, kcBinary, kcEucOrSjis or already in the
// target code come back unchanged.
std::string ConvertKanji(std::string_view text, KanjiCode target);

// The six converters. A lead byte whose partner would lie beyond the end of
// the text is copied as it is.
std::string SjisToEuc(std::string_view text);
std::string EucToSjis(std::string_view text);
// JIS input: ESC $ .. switches to two-byte mode, ESC ( .. back to single bytes;
// every escape is taken as three bytes long and is not copied.
std::string JisToSjis(std::string_view text);
std::string JisToEuc(std::string_view text);
// JIS output: ESC $ B before double-byte text, ESC ( J before single bytes; no
// closing escape at the end of the text. Half-width katakana become full width.
std::string SjisToJis(std::string_view text);
std::string EucToJis(std::string_view text);

// The kind of the first line end in the text.
LineEndKind DetectLineEnd(std::string_view text);
// Replaces every line end of the kind the first line end has by the line end
// of `target`, scanning forward. A text with no line end, or whose first line
// end is already of the target kind, comes back unchanged, whatever later
// lines use.
std::string ConvertLineEnds(std::string_view text, LineEndKind target);

// UTF-8 checks for the loader, which reads a UTF-8 file as UTF-8 rather than
// taking it for Shift-JIS. IsValidUtf8 rejects overlong forms, surrogates and
// code points above U+10FFFF.
bool IsValidUtf8(std::string_view text);
// The length of the well-formed UTF-8 sequence that `text` begins with (1 for
// an ASCII byte), or 0 when it begins with none (or is empty).
int Utf8SequenceLength(std::string_view text);
bool HasNonAscii(std::string_view text);
// Valid UTF-8 holding at least one multi-byte sequence.
bool LooksLikeUtf8Text(std::string_view text);

}  // namespace kanji
