// Shift-JIS <-> EUC-JP. Both directions are table-driven: the pair arithmetic
// is folded into 256-entry tables indexed by the lead and trail bytes, so a
// double-byte character costs a few loads and no unpredictable branches.
#include <array>

#include "kanji/bytes.h"
#include "kanji/kanji.h"

namespace kanji {
namespace {

using detail::ByteSink;
using detail::kBlock;

constexpr unsigned char kSingleShift2 = 0x8E;  // EUC-JP prefix of half-width kana

bool IsHalfWidthKana(unsigned c) { return c - 0xA1 <= 0xDF - 0xA1; }

// Shift-JIS -> EUC-JP: SjisToJisPair with bit 7 set on both bytes. The row
// depends on both bytes (it drops by one for trail bytes below 9F), so the
// trail table carries that drop in its high byte.
struct SjisToEucTables {
  std::array<unsigned char, 256> row{};          // doubled row for the lead byte
  std::array<std::uint16_t, 256> cellAndDrop{};  // EUC cell | (row drop << 8)
};

constexpr SjisToEucTables MakeSjisToEucTables() {
  SjisToEucTables t;
  for (unsigned b = 0; b < 256; ++b) {
    // Lead byte alone: the row before any drop (trail 9F or more drops none).
    t.row[b] = SjisToJisPair(static_cast<unsigned char>(b), 0x9F).first;
    const BytePair p = SjisToJisPair(0x81, static_cast<unsigned char>(b));
    const unsigned drop = b < 0x9F ? 1 : 0;
    t.cellAndDrop[b] = static_cast<std::uint16_t>((p.second | 0x80) | (drop << 8));
  }
  return t;
}

constexpr SjisToEucTables kSjisToEuc = MakeSjisToEucTables();

// EUC-JP -> Shift-JIS: JisToSjisPair of the bytes with bit 7 cleared. The
// trail byte depends on whether the row is odd, hence two trail tables.
struct EucToSjisTables {
  std::array<unsigned char, 256> lead{};
  std::array<std::array<unsigned char, 256>, 2> trail{};  // [row is odd][byte]
};

constexpr EucToSjisTables MakeEucToSjisTables() {
  EucToSjisTables t;
  for (unsigned b = 0; b < 256; ++b) {
    const auto low = static_cast<unsigned char>(b & 0x7F);
    t.lead[b] = JisToSjisPair(low, 0x21).first;
    t.trail[0][b] = JisToSjisPair(0x22, low).second;
    t.trail[1][b] = JisToSjisPair(0x21, low).second;
  }
  return t;
}

constexpr EucToSjisTables kEucToSjis = MakeEucToSjisTables();

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
      if (i + 8 <= n) {
        const std::uint64_t word = detail::LoadWord(s + i);
        if (detail::AllAscii(word)) {
          std::memcpy(o, &word, 8);
          o += 8;
          i += 8;
          continue;
        }
      }
      const unsigned c = s[i];
      if (c < 0x80) {
        *o++ = static_cast<unsigned char>(c);
        i += 1;
      } else if (IsHalfWidthKana(c)) {
        o[0] = kSingleShift2;
        o[1] = static_cast<unsigned char>(c);
        o += 2;
        i += 1;
      } else if (i + 1 < n) {
        const unsigned cell = kSjisToEuc.cellAndDrop[s[i + 1]];
        o[0] = static_cast<unsigned char>((kSjisToEuc.row[c] - (cell >> 8)) | 0x80);
        o[1] = static_cast<unsigned char>(cell);
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
  unsigned char* o = sink.Room(n);
  std::size_t i = 0;
  while (i < n) {
    if (i + 8 <= n) {
      const std::uint64_t word = detail::LoadWord(s + i);
      if (detail::AllAscii(word)) {
        std::memcpy(o, &word, 8);
        o += 8;
        i += 8;
        continue;
      }
    }
    const unsigned c = s[i];
    if (c <= 0x80 || c == 0xFF || i + 1 == n) {
      *o++ = static_cast<unsigned char>(c);  // single byte, or a lone lead at the end
      i += 1;
    } else if (c == kSingleShift2) {
      *o++ = s[i + 1];
      i += 2;
    } else {
      o[0] = kEucToSjis.lead[c];
      o[1] = kEucToSjis.trail[c & 1][s[i + 1]];
      o += 2;
      i += 2;
    }
  }
  sink.Commit(o);
  return sink.Take();
}

}  // namespace kanji
