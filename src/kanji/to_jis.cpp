// SPDX-License-Identifier: GPL-3.0-or-later
// Shift-JIS and EUC-JP to 7-bit JIS, and the widening of half-width katakana
// that it needs (JIS output has no half-width kana).
#include <array>

#include "kanji/bytes.h"
#include "kanji/kanji.h"
#include "kanji/pair_tables.h"

namespace kanji {
namespace {

using detail::kEsc;

constexpr unsigned char kVoicedMark = 0xDE;
constexpr unsigned char kSemiVoicedMark = 0xDF;

// JIS X 0208 cells of the full-width forms of JIS X 0201 katakana 21..5F:
// 。「」、・ヲ ァィゥェォャュョッ ー アイウエオ カキクケコ サシスセソ タチツテト
// ナニヌネノ ハヒフヘホ マミムメモ ヤユヨ ラリルレロ ワン ゛゜
constexpr std::array<unsigned char, 0x5F - 0x21 + 1> kKanaCells = {
    0x23, 0x56, 0x57, 0x22, 0x26, 0x72,                    // 21..26
    0x21, 0x23, 0x25, 0x27, 0x29, 0x63, 0x65, 0x67, 0x43,  // 27..2F
    0x3C,                                                  // 30
    0x22, 0x24, 0x26, 0x28, 0x2A,                          // 31..35 ア..オ
    0x2B, 0x2D, 0x2F, 0x31, 0x33,                          // 36..3A カ..コ
    0x35, 0x37, 0x39, 0x3B, 0x3D,                          // 3B..3F サ..ソ
    0x3F, 0x41, 0x44, 0x46, 0x48,                          // 40..44 タ..ト
    0x4A, 0x4B, 0x4C, 0x4D, 0x4E,                          // 45..49 ナ..ノ
    0x4F, 0x52, 0x55, 0x58, 0x5B,                          // 4A..4E ハ..ホ
    0x5E, 0x5F, 0x60, 0x61, 0x62,                          // 4F..53 マ..モ
    0x64, 0x66, 0x68,                                      // 54..56 ヤ..ヨ
    0x69, 0x6A, 0x6B, 0x6C, 0x6D,                          // 57..5B ラ..ロ
    0x6F, 0x73,                                            // 5C..5D ワ ン
    0x2B, 0x2C,                                            // 5E..5F ゛ ゜
};

static_assert(kKanaCells.back() == 0x2C, "one cell for each of the 63 katakana");

constexpr BytePair kGeta = {0x22, 0x2E};  // 〓, for bytes that are no katakana

// `k` is the kana byte with bit 7 cleared; `mark` is the byte of the next
// character when it may be a (semi-)voiced mark, else 0.
FullWidthKana Widen(unsigned k, unsigned mark) {
  if (k < 0x21 || k > 0x5F) return {kGeta, false};
  const bool rowOne = k <= 0x25 || k == 0x30 || k >= 0x5E;
  FullWidthKana result{{static_cast<unsigned char>(rowOne ? 0x21 : 0x25), kKanaCells[k - 0x21]}, false};
  int add = 0;
  if (mark == kVoicedMark && ((k >= 0x36 && k <= 0x44) || (k >= 0x4A && k <= 0x4E))) add = 1;
  else if (mark == kSemiVoicedMark && k >= 0x4A && k <= 0x4E) add = 2;
  if (add != 0) {
    result.jis.second = static_cast<unsigned char>(result.jis.second + add);
    result.markUsed = true;
  } else if (k == 0x33 && mark == kVoicedMark) {
    result.jis.second = 0x74;  // ヴ
    result.markUsed = true;
  }
  return result;
}

unsigned char ByteAt(const unsigned char* s, std::size_t n, std::size_t i) { return i < n ? s[i] : 0; }

// Writes a JIS text. `convert(s, i, n, o)` handles the byte above 7F at s[i]
// (with what follows it), writes at most two bytes at o and returns the index
// after what it used.
template <typename Convert>
std::string ToJis(std::string_view text, Convert convert) {
  static constexpr unsigned char kToDouble[3] = {kEsc, '$', 'B'};
  static constexpr unsigned char kToSingle[3] = {kEsc, '(', 'J'};
  const unsigned char* s = detail::Bytes(text);
  const std::size_t n = text.size();
  detail::ByteSink sink(n + n / 4 + 16);
  bool doubleBytes = false;
  std::size_t i = 0;
  while (i < n) {
    const std::size_t blockEnd = std::min(n, i + detail::kBlock);
    // At worst a step writes an escape and two bytes for one byte used, and a
    // character may run up to three bytes past the block.
    unsigned char* o = sink.Room(5 * (blockEnd - i + 3));
    while (i < blockEnd) {
      const unsigned c = s[i];
      if (c <= 0x7F) {
        if (doubleBytes) {
          std::memcpy(o, kToSingle, 3);
          o += 3;
          doubleBytes = false;
        }
        *o++ = static_cast<unsigned char>(c);
        ++i;
        detail::CopyAscii(s, i, blockEnd, o);
      } else {
        if (!doubleBytes) {
          std::memcpy(o, kToDouble, 3);
          o += 3;
          doubleBytes = true;
        }
        i = convert(s, i, n, o);
      }
    }
    sink.Commit(o);
  }
  return sink.Take();
}

void Put(unsigned char*& o, BytePair pair) {
  o[0] = pair.first;
  o[1] = pair.second;
  o += 2;
}

}  // namespace

FullWidthKana HalfToFullKana(unsigned char kana, unsigned char next) { return Widen(kana & 0x7Fu, next); }

FullWidthKana HalfToFullKana(unsigned char kana, unsigned char nextLead, unsigned char nextKana) {
  return Widen(kana & 0x7Fu, nextLead == 0x8E ? nextKana : 0);
}

std::string SjisToJis(std::string_view text) {
  return ToJis(text, [](const unsigned char* s, std::size_t i, std::size_t n, unsigned char*& o) {
    const unsigned char c = s[i];
    if (c >= 0xA1 && c <= 0xDF) {
      const FullWidthKana kana = HalfToFullKana(c, ByteAt(s, n, i + 1));
      Put(o, kana.jis);
      return i + (kana.markUsed ? 2 : 1);
    }
    if (i + 1 == n) {
      *o++ = c;  // lone lead byte at the end
      return i + 1;
    }
    Put(o, detail::kSjisToJis.Convert(c, s[i + 1]));
    return i + 2;
  });
}

std::string EucToJis(std::string_view text) {
  return ToJis(text, [](const unsigned char* s, std::size_t i, std::size_t n, unsigned char*& o) {
    const unsigned char c = s[i];
    if (i + 1 == n) {
      *o++ = c;  // lone lead byte at the end
      return i + 1;
    }
    if (c == 0x8E) {
      const FullWidthKana kana = HalfToFullKana(s[i + 1], ByteAt(s, n, i + 2), ByteAt(s, n, i + 3));
      Put(o, kana.jis);
      return i + (kana.markUsed ? 4 : 2);
    }
    Put(o, BytePair{static_cast<unsigned char>(c & 0x7F), static_cast<unsigned char>(s[i + 1] & 0x7F)});
    return i + 2;
  });
}

}  // namespace kanji
