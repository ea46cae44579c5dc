// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 checks. Runs of ASCII are skipped eight bytes at a time; multi-byte
// sequences are checked against the well-formed ranges of the Unicode
// standard (no overlong forms, no surrogates, nothing above U+10FFFF).
#include "kanji/bytes.h"
#include "kanji/kanji.h"

namespace kanji {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the well-formed sequence at s (n > 0 bytes left), 0 when there
// is none: the lead byte gives the length and the allowed range of the second
// byte, the others are continuation bytes.
int SequenceLength(const unsigned char* s, std::size_t n) {
  const unsigned c = s[0];
  if (c < 0x80) return 1;
  std::size_t length = 0;
  unsigned low = 0x80;
  unsigned high = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
    if (c == 0xE0) low = 0xA0;
    if (c == 0xED) high = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
    if (c == 0xF0) low = 0x90;
    if (c == 0xF4) high = 0x8F;
  }
  if (length == 0 || n < length || s[1] < low || s[1] > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (!IsContinuation(s[k])) return 0;
  }
  return int(length);
}

struct Utf8Scan {
  bool valid = true;
  bool multiByte = false;
};

Utf8Scan ScanUtf8(std::string_view text) {
  const unsigned char* s = detail::Bytes(text);
  const std::size_t n = text.size();
  Utf8Scan scan;
  std::size_t i = 0;
  while (i < n) {
    if (i + 8 <= n && detail::AllAscii(detail::LoadWord(s + i))) {
      i += 8;
      continue;
    }
    const unsigned c = s[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = std::size_t(SequenceLength(s + i, n - i));
    if (length == 0) return {false, scan.multiByte};
    scan.multiByte = true;
    i += length;
  }
  return scan;
}

}  // namespace

bool IsValidUtf8(std::string_view text) { return ScanUtf8(text).valid; }

int Utf8SequenceLength(std::string_view text) {
  return text.empty() ? 0 : SequenceLength(detail::Bytes(text), text.size());
}

bool HasNonAscii(std::string_view text) {
  const unsigned char* s = detail::Bytes(text);
  const std::size_t n = text.size();
  std::size_t i = 0;
  for (; i + 32 <= n; i += 32) {
    const std::uint64_t any = detail::LoadWord(s + i) | detail::LoadWord(s + i + 8) |
                              detail::LoadWord(s + i + 16) | detail::LoadWord(s + i + 24);
    if (!detail::AllAscii(any)) return true;
  }
  for (; i < n; ++i) {
    if (s[i] >= 0x80) return true;
  }
  return false;
}

bool LooksLikeUtf8Text(std::string_view text) {
  const Utf8Scan scan = ScanUtf8(text);
  return scan.valid && scan.multiByte;
}

}  // namespace kanji
