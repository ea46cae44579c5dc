// SPDX-License-Identifier: GPL-3.0-or-later
// 7-bit JIS to Shift-JIS and to EUC-JP.
//
// An ESC switches the mode by the byte after it: "$" to double bytes, "(" to
// single bytes, anything else leaves the mode as it is. Every escape is taken
// as three bytes long and dropped, and the byte right after it is taken as
// text in the new mode even when it is another ESC.
#include "kanji/bytes.h"
#include "kanji/kanji.h"
#include "kanji/pair_tables.h"

namespace kanji {
namespace {

using detail::kEsc;

// Walks a JIS text. `convert(s, i, n, o)` handles the double-byte-mode text
// at s[i], writes its output at o and returns the index after what it used,
// never writing more bytes than it used.
template <typename Convert>
std::string FromJis(std::string_view text, Convert convert) {
  const unsigned char* s = detail::Bytes(text);
  const std::size_t n = text.size();
  detail::ByteSink sink(n);
  bool doubleBytes = false;
  std::size_t i = 0;
  while (i < n) {
    const std::size_t blockEnd = std::min(n, i + detail::kBlock);
    // Output never outgrows the input; a step may end a few bytes past the block.
    unsigned char* o = sink.Room(blockEnd - i + 8);
    while (i < blockEnd) {
      if (s[i] == kEsc) {
        const unsigned char kind = i + 1 < n ? s[i + 1] : 0;
        if (kind == '$') doubleBytes = true;
        else if (kind == '(') doubleBytes = false;
        i += 3;
        if (i >= n) break;
        if (doubleBytes) i = convert(s, i, n, o);
        else *o++ = s[i++];
      }
      if (doubleBytes) {
        while (i < blockEnd && s[i] != kEsc) i = convert(s, i, n, o);
      } else {
        const void* esc = std::memchr(s + i, kEsc, blockEnd - i);
        const std::size_t end = esc ? static_cast<std::size_t>(static_cast<const unsigned char*>(esc) - s) : blockEnd;
        std::memcpy(o, s + i, end - i);
        o += end - i;
        i = end;
      }
    }
    sink.Commit(o);
  }
  return sink.Take();
}

}  // namespace

std::string JisToSjis(std::string_view text) {
  return FromJis(text, [](const unsigned char* s, std::size_t i, std::size_t n, unsigned char*& o) {
    if (i + 1 == n) {
      *o++ = s[i];  // lone byte at the end
      return i + 1;
    }
    const BytePair p = detail::kJisToSjis.Convert(s[i], s[i + 1]);
    o[0] = p.first;
    o[1] = p.second;
    o += 2;
    return i + 2;
  });
}

std::string JisToEuc(std::string_view text) {
  return FromJis(text, [](const unsigned char* s, std::size_t i, std::size_t, unsigned char*& o) {
    const unsigned c = s[i];
    *o++ = static_cast<unsigned char>(c - 0x21 <= 0x7E - 0x21 ? c | 0x80 : c);
    return i + 1;
  });
}

}  // namespace kanji
