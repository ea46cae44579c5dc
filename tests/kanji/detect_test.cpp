// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "kanji/kanji.h"

namespace {

using namespace kanji;

std::string B(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s.push_back(static_cast<char>(b));
  return s;
}

TEST(DetectKanjiCode, AsciiAndBinary) {
  EXPECT_EQ(DetectKanjiCode(""), kcNone);
  EXPECT_EQ(DetectKanjiCode("plain text\r\n"), kcNone);
  EXPECT_EQ(DetectKanjiCode(B({'a', 0x01, 'b'})), kcBinary);
  // The last byte is never looked at, by the binary test or by the scan.
  EXPECT_EQ(DetectKanjiCode(B({'a', 'b', 0x01})), kcNone);
  // Past the first 512 bytes the scan still stops at a control byte...
  EXPECT_EQ(DetectKanjiCode(std::string(600, 'x') + B({0x02, 'y'})), kcBinary);
  // ...unless a decisive byte came first.
  EXPECT_EQ(DetectKanjiCode(std::string(600, 'x') + B({0x88, 0x9F, 0x02, 'y'})), kcSjis);
}

TEST(DetectKanjiCode, ShiftJisAndEuc) {
  EXPECT_EQ(DetectKanjiCode(B({0x93, 0xFA, 0x96, 0x7B})), kcSjis);  // 日本
  EXPECT_EQ(DetectKanjiCode(B({'a', 'b', 0x93})), kcNone);           // lead byte last
  EXPECT_EQ(DetectKanjiCode(B({0x8E, 0x40, 'x'})), kcSjis);
  EXPECT_EQ(DetectKanjiCode(B({0xE0, 0x40, 'x'})), kcSjis);
  EXPECT_EQ(DetectKanjiCode(B({0xA4, 0x9F, 'x'})), kcSjis);  // kana, then a lead byte
  EXPECT_EQ(DetectKanjiCode(B({0xF2, 0xA1, 'x'})), kcEuc);
  EXPECT_EQ(DetectKanjiCode(B({0xB0, 0xF0, 'x'})), kcEuc);  // second byte F0..FE
  EXPECT_EQ(DetectKanjiCode(B({0xE0, 0xFD, 'x'})), kcEuc);
  // 80 and A0 decide nothing; A0 after a kana byte neither.
  EXPECT_EQ(DetectKanjiCode(B({0x80, 0xA0, 0xB1, 0xA0, 'x'})), kcNone);
}

TEST(DetectKanjiCode, JisX0212TriplesOfEuc) {
  // 8F and two bytes A1..FE: a JIS X 0212 kanji in EUC-JP, or a Shift-JIS
  // kanji and a kana. The scan reads on, and EUC-JP kanji later decide it.
  const std::string first = B({0x8F, 0xB0, 0xA1, 0x8F, 0xB0, 0xA3, '\n'});
  EXPECT_EQ(DetectKanjiCode(first + B({0xC6, 0xFC, 0xCB, 0xDC, '\n'})), kcEuc);
  EXPECT_EQ(DetectKanjiCode(first), kcEucOrSjis);
  // A byte FD or FE in the triple fits no Shift-JIS text.
  EXPECT_EQ(DetectKanjiCode(B({0x8F, 0xB0, 0xFE, 'x'})), kcEuc);
  // 8F before any other byte is still a Shift-JIS lead byte.
  EXPECT_EQ(DetectKanjiCode(B({0x8F, 0x40, 0xA1, 'x'})), kcSjis);
  EXPECT_EQ(DetectKanjiCode(B({0x8F, 0xB0, 0x41, 'x'})), kcSjis);
  EXPECT_EQ(DetectKanjiCode(first + B({0x93, 0xFA, 'x'})), kcSjis);
}

TEST(ConvertKanji, ConvertsOnlyWhatItRecognises) {
  const std::string ascii = "no kanji here\n";
  EXPECT_EQ(ConvertKanji(ascii, kcSjis), ascii);
  const std::string eucKana = B({0xA4, 0xA2, 0xA4, 0xA4, '\n'});
  EXPECT_EQ(ConvertKanji(eucKana, kcSjis), eucKana);  // kept as Shift-JIS
  const std::string sjis = B({0x93, 0xFA, 0x96, 0x7B});
  EXPECT_EQ(ConvertKanji(sjis, kcSjis), sjis);

  // 漢字 in EUC-JP, the first pair with a second byte F0..FE deciding it.
  const std::string euc = B({0xB0, 0xF0, 0xB4, 0xC1, 0xBB, 0xFA, '\n'});
  EXPECT_EQ(ConvertKanji(euc, kcSjis), EucToSjis(euc));
  EXPECT_EQ(ConvertKanji(euc, kcNewJis), EucToJis(euc));
  EXPECT_EQ(ConvertKanji(sjis, kcEuc), B({0xC6, 0xFC, 0xCB, 0xDC}));
  EXPECT_EQ(ConvertKanji(sjis, kcNewJis), B({0x1B, '$', 'B', 0x46, 0x7C, 0x4B, 0x5C}));

  const std::string jis = B({'a', 0x1B, '$', 'B', 0x46, 0x7C, 0x4B, 0x5C, 0x1B, '(', 'B', 'b'});
  EXPECT_EQ(ConvertKanji(jis, kcSjis), B({'a', 0x93, 0xFA, 0x96, 0x7B, 'b'}));
  EXPECT_EQ(ConvertKanji(jis, kcEuc), B({'a', 0xC6, 0xFC, 0xCB, 0xDC, 'b'}));
  const std::string oldJis = B({0x1B, '$', '@', 0x46, 0x7C, 0x1B, '(', 'J', '\n'});
  EXPECT_EQ(ConvertKanji(oldJis, kcSjis), B({0x93, 0xFA, '\n'}));
  EXPECT_EQ(ConvertKanji(oldJis, kcNewJis), oldJis);
  EXPECT_EQ(ConvertKanji(sjis, kcBinary), sjis);  // not a target
}

}  // namespace
