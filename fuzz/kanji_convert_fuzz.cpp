// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the kanji detector and every converter on arbitrary bytes (the input
// buffer is exactly the text, so AddressSanitizer sees any read past its end)
// and checks:
// - the detector against a plain byte-by-byte version of the same rules;
// - output size bounds of the converters;
// - round trips on a valid Shift-JIS text built from the input:
//   EUC-JP and back, and (without half-width kana) JIS and back;
// - the UTF-8 checks against a plain decoder.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "kanji/kanji.h"

namespace {

using namespace kanji;

void Check(bool ok) {
  if (!ok) std::abort();
}

bool In(unsigned c, unsigned low, unsigned high) { return c >= low && c <= high; }

// The detection rules with 1-based positions; a byte past the end reads as 0.
KanjiCode PlainDetect(std::string_view text) {
  const std::size_t length = text.size();
  auto byte = [&](std::size_t i) -> unsigned { return i >= 1 && i <= length ? static_cast<unsigned char>(text[i - 1]) : 0; };
  for (std::size_t i = 1; i <= 512 && i < length; ++i) {
    if (byte(i) < 0x08 || byte(i) == 0xFF) return kcBinary;
  }
  int code = 0;
  std::size_t i = 1;
  while ((code == 0 || code == 6) && i < length) {
    const unsigned c = byte(i);
    if (c == 0x1B) {
      ++i;
      if (byte(i) == '$') {
        ++i;
        if (byte(i) == 'B') code = 2;
        else if (byte(i) == '@') code = 3;
      }
    } else if (c < 0x08 || c == 0xFF) {
      code = 1;
    } else if (c <= 0x7F) {
    } else if (In(c, 0x81, 0x8D) || In(c, 0x8F, 0x9F)) {
      code = 5;
    } else if (c == 0x8E) {
      const unsigned d = byte(++i);
      if (In(d, 0x40, 0x7E) || In(d, 0x80, 0xA0) || In(d, 0xE0, 0xFC)) code = 5;
      else if (In(d, 0xA1, 0xDF)) code = 6;
    } else if (In(c, 0xA1, 0xDF)) {
      unsigned d = byte(++i);
      if (In(d, 0xF0, 0xFE)) {
        code = 4;
      } else if (In(d, 0xA1, 0xDF)) {
        code = 6;
      } else if (In(d, 0xE0, 0xEF)) {
        code = 6;
        while (d >= 0x40 && i <= length && code == 6) {
          if (d >= 0x81) {
            if (d <= 0x8D || In(d, 0x8F, 0x9C)) code = 5;
            else if (In(d, 0xFD, 0xFE)) code = 4;
          }
          d = byte(++i);
        }
      } else if (d <= 0x9F) {
        code = 5;
      }
    } else if (In(c, 0xF0, 0xFE)) {
      code = 4;
    } else if (In(c, 0xE0, 0xEF)) {
      const unsigned d = byte(++i);
      if (In(d, 0x40, 0x7E) || In(d, 0x80, 0xA0)) code = 5;
      else if (In(d, 0xFD, 0xFE)) code = 4;
      else if (In(d, 0xA1, 0xFC)) code = 6;
    }
    ++i;
  }
  return static_cast<KanjiCode>(code);
}

bool PlainValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = c < 0x80 ? 1 : c >= 0xF8 ? 0 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 0;
    if (length == 0 || i + length > text.size()) return false;
    std::uint32_t cp = length == 1 ? c : c & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto b = static_cast<unsigned char>(text[i + k]);
      if ((b & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (b & 0x3F);
    }
    const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < least[length] || cp > 0x10FFFF || In(cp, 0xD800, 0xDFFF)) return false;
    i += length;
  }
  return true;
}

// A valid Shift-JIS text steered by the input: printable ASCII, CR LF, JIS X
// 0208 characters and, when allowed, half-width katakana.
std::string ValidSjis(const std::uint8_t* data, std::size_t size, bool halfWidthKana) {
  std::string s;
  for (std::size_t i = 0; i + 2 < size; i += 3) {
    const unsigned kind = data[i] % 8;
    if (kind == 0) {
      s += static_cast<char>(0x20 + data[i + 1] % 0x5F);
    } else if (kind == 1) {
      s += "\r\n";
    } else if (kind == 2 && halfWidthKana) {
      s += static_cast<char>(0xA1 + data[i + 1] % 0x3F);
    } else {
      const BytePair p = JisToSjisPair(static_cast<unsigned char>(0x21 + data[i + 1] % 94),
                                       static_cast<unsigned char>(0x21 + data[i + 2] % 94));
      s += static_cast<char>(p.first);
      s += static_cast<char>(p.second);
    }
  }
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  Check(DetectKanjiCode(text) == PlainDetect(text));
  for (int target = 0; target <= 6; ++target) ConvertKanji(text, static_cast<KanjiCode>(target));

  Check(SjisToEuc(text).size() <= 2 * size);
  Check(EucToSjis(text).size() <= size);
  Check(JisToSjis(text).size() <= size);
  Check(JisToEuc(text).size() <= size);
  SjisToJis(text);
  EucToJis(text);

  DetectLineEnd(text);
  for (int target = 0; target <= 3; ++target) {
    const std::string converted = ConvertLineEnds(text, static_cast<LineEndKind>(target));
    Check(converted.size() <= 2 * size);
  }

  Check(IsValidUtf8(text) == PlainValidUtf8(text));
  Check(HasNonAscii(text) == std::any_of(text.begin(), text.end(), [](char c) { return c & 0x80; }));
  Check(LooksLikeUtf8Text(text) == (IsValidUtf8(text) && HasNonAscii(text)));

  const std::string sjis = ValidSjis(data, size, true);
  Check(EucToSjis(SjisToEuc(sjis)) == sjis);
  const std::string plain = ValidSjis(data, size, false);
  Check(JisToSjis(SjisToJis(plain)) == plain);
  Check(EucToSjis(JisToEuc(SjisToJis(plain))) == plain);
  Check(EucToJis(SjisToEuc(plain)) == SjisToJis(plain));
  return 0;
}
