// SPDX-License-Identifier: GPL-3.0-or-later
// Shift-JIS <-> EUC-JP: the pair arithmetic through its tables, with bit 7
// set on both bytes for EUC-JP; half-width kana take or lose the 8E prefix.
#include "kanji/bytes.h"
#include "kanji/kanji.h"
#include "kanji/pair_tables.h"

namespace kanji {
namespace {

using detail::ByteSink;
using detail::kBlock;

constexpr unsigned char kSingleShift2 = 0x8E;  // EUC-JP prefix of half-width kana

bool IsHalfWidthKana(unsigned c) { return c - 0xA1 <= 0xDF - 0xA1; }

}  // namespace

std::string SjisToEuc(std::string_view text) {
  const unsigned char* s = detail::Bytes(text);
  const std::size_t n = text.size();
  ByteSink sink(n + n / 8 + 16);
  std::size_t i = 0;
  while (i < n) {
    const std::size_t blockEnd = std::min(n, i + kBlock);
    // Every input byte yields at most two output bytes; a pair may run one
    // byte past the block.
    unsigned char* o = sink.Room(2 * (blockEnd - i) + 2);
    while (i < blockEnd) {
      const unsigned c = s[i];
      if (c < 0x80) {
        *o++ = static_cast<unsigned char>(c);
        ++i;
        detail::CopyAscii(s, i, blockEnd, o);
      } else if (IsHalfWidthKana(c)) {
        o[0] = kSingleShift2;
        o[1] = static_cast<unsigned char>(c);
        o += 2;
        i += 1;
      } else if (i + 1 < n) {
        const BytePair jis = detail::kSjisToJis.Convert(c, s[i + 1]);
        o[0] = jis.first | 0x80;
        o[1] = jis.second | 0x80;
        o += 2;
        i += 2;
      } else {
        *o++ = static_cast<unsigned char>(c);  // lone lead byte at the end
        i += 1;
      }
    }
    sink.Commit(o);
  }
  return sink.Take();
}

std::string EucToSjis(std::string_view text) {
  const unsigned char* s = detail::Bytes(text);
  const std::size_t n = text.size();
  // Never longer than the input: pairs stay pairs, 8E x becomes x.
  ByteSink sink(n);
  std::size_t i = 0;
  while (i < n) {
    const std::size_t blockEnd = std::min(n, i + kBlock);
    unsigned char* o = sink.Room(blockEnd - i + 1);
    while (i < blockEnd) {
      const unsigned c = s[i];
      if (c < 0x80) {
        *o++ = static_cast<unsigned char>(c);
        ++i;
        detail::CopyAscii(s, i, blockEnd, o);
      } else if (c == 0x80 || c == 0xFF || i + 1 == n) {
        *o++ = static_cast<unsigned char>(c);  // single byte, or a lone lead at the end
        i += 1;
      } else if (c == kSingleShift2) {
        *o++ = s[i + 1];
        i += 2;
      } else {
        const BytePair sjis = detail::kJisToSjis.Convert(c & 0x7F, s[i + 1] & 0x7F);
        o[0] = sjis.first;
        o[1] = sjis.second;
        o += 2;
        i += 2;
      }
    }
    sink.Commit(o);
  }
  return sink.Take();
}

}  // namespace kanji
