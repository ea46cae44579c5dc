// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoding/iso2022jp.h"

#include "kanji/kanji.h"

namespace wrenpad::iso2022jp {

namespace {
const QByteArray kToAscii("\x1b(B");
const QByteArray kToKanji("\x1b$B");

// The JIS X 0208 row and cell of a character (row << 8 | cell, each 21..7E);
// 0 when it has none, or the code is not ASCII.
std::uint16_t jisPairOf(char16_t u) {
  const std::uint16_t sjis = cp932::pairCode(u);
  const unsigned lead = sjis >> 8;
  // Rows 1..8 and 16..84: leads 81..84 and 88..9F, E0..EA.
  if (sjis == 0 || lead == 0x85 || lead == 0x86 || lead == 0x87 || lead > 0xEA) return 0;
  const kanji::BytePair jis = kanji::SjisToJisPair(lead, sjis & 0xFF);
  if (jis.first > 0x74) return 0;
  return std::uint16_t(jis.first << 8 | jis.second);
}
}  // namespace

cp932::Encoded encode(QStringView text) {
  cp932::Encoded result;
  result.bytes.reserve(text.size() * 2 + 8);
  bool kanjiMode = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t u = text.at(i).unicode();
    // ESC, SO and SI would be read as shifts of their own.
    const bool ascii = u < 0x80 && u != 0x1B && u != 0x0E && u != 0x0F;
    const std::uint16_t pair = ascii ? 0 : jisPairOf(u);
    if (pair != 0) {
      if (!kanjiMode) result.bytes += kToKanji;
      kanjiMode = true;
      result.bytes += char(pair >> 8);
      result.bytes += char(pair & 0xFF);
      continue;
    }
    if (kanjiMode) result.bytes += kToAscii;
    kanjiMode = false;
    if (!ascii && result.firstUnencodable < 0) result.firstUnencodable = i;
    result.bytes += ascii ? char(u) : '?';
  }
  if (kanjiMode) result.bytes += kToAscii;
  return result;
}

bool canEncode(QChar c) {
  const char16_t u = c.unicode();
  return (u < 0x80 && u != 0x1B && u != 0x0E && u != 0x0F) || jisPairOf(u) != 0;
}

}  // namespace wrenpad::iso2022jp
