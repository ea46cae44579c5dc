// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "kanji/kanji.h"

namespace {

using namespace kanji;

std::string B(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s.push_back(static_cast<char>(b));
  return s;
}

constexpr BytePair P(int a, int b) { return {static_cast<unsigned char>(a), static_cast<unsigned char>(b)}; }

// Every JIS X 0208 row and cell as Shift-JIS, EUC-JP and JIS text, each pair
// of the Shift-JIS arithmetic read back; a few pairs at the edges of its
// rows, of the trail byte 7F and of the lead-byte gap pinned.
TEST(Converters, RoundTripsOverAllCharacters) {
  const struct {
    BytePair jis, sjis;
  } edges[] = {
      {P(0x21, 0x21), P(0x81, 0x40)},  // first cell
      {P(0x21, 0x60), P(0x81, 0x80)},  // ÷, first trail byte after 7F
      {P(0x22, 0x21), P(0x81, 0x9F)},  // first cell of an even row
      {P(0x5F, 0x21), P(0xE0, 0x40)},  // first row above the lead-byte gap
      {P(0x7E, 0x7E), P(0xEF, 0xFC)},
  };
  for (const auto& c : edges) {
    EXPECT_EQ(JisToSjisPair(c.jis.first, c.jis.second), c.sjis) << int(c.jis.first);
  }
  std::string sjis, euc, jis = "\x1B$B";
  for (int row = 0x21; row <= 0x7E; ++row) {
    for (int cell = 0x21; cell <= 0x7E; ++cell) {
      const BytePair jisPair = P(row, cell);
      const BytePair s = JisToSjisPair(jisPair.first, jisPair.second);
      EXPECT_EQ(SjisToJisPair(s.first, s.second), jisPair);
      sjis += B({s.first, s.second});
      euc += B({row | 0x80, cell | 0x80});
      jis += B({row, cell});
    }
  }
  EXPECT_EQ(SjisToEuc(sjis), euc);
  EXPECT_EQ(EucToSjis(euc), sjis);
  EXPECT_EQ(JisToSjis(jis), sjis);
  EXPECT_EQ(JisToEuc(jis), euc);
  EXPECT_EQ(SjisToJis(sjis), jis);
  EXPECT_EQ(EucToJis(euc), jis);
}

TEST(Converters, HalfWidthKanaBetweenShiftJisAndEuc) {
  const std::string sjis = B({0xB6, 0xDE, 'a', 0xA1, 0xDF});  // ｶﾞa｡ﾟ
  const std::string euc = B({0x8E, 0xB6, 0x8E, 0xDE, 'a', 0x8E, 0xA1, 0x8E, 0xDF});
  EXPECT_EQ(SjisToEuc(sjis), euc);
  EXPECT_EQ(EucToSjis(euc), sjis);
  // Bytes that are neither kana nor lead bytes in EUC-JP pass through.
  EXPECT_EQ(EucToSjis(B({0x80, 0xFF, 'z'})), B({0x80, 0xFF, 'z'}));
}

TEST(Converters, LoneLeadByteAtTheEndIsCopiedAndNothingPastTheEndIsRead) {
  // Each text is a view that stops before a byte that would make a valid
  // partner; a converter that looked past the end would pair them.
  const std::string buffer = B({'a', 0x88, 0x9F});
  const std::string_view text(buffer.data(), 2);
  EXPECT_EQ(SjisToEuc(text), B({'a', 0x88}));
  EXPECT_EQ(SjisToJis(text), B({'a', 0x1B, '$', 'B', 0x88}));
  const std::string eucBuffer = B({'a', 0xB0, 0xA1});
  EXPECT_EQ(EucToSjis(std::string_view(eucBuffer.data(), 2)), B({'a', 0xB0}));
  EXPECT_EQ(EucToJis(std::string_view(eucBuffer.data(), 2)), B({'a', 0x1B, '$', 'B', 0xB0}));
  const std::string ssBuffer = B({'a', 0x8E, 0xB1});
  EXPECT_EQ(EucToSjis(std::string_view(ssBuffer.data(), 2)), B({'a', 0x8E}));
  const std::string jisBuffer = B({0x1B, '$', 'B', 0x30, 0x21, 0x30, 0x21});
  EXPECT_EQ(JisToSjis(std::string_view(jisBuffer.data(), 6)), B({0x88, 0x9F, 0x30}));
  // A half-width kana at the end takes no mark from beyond it.
  const std::string kanaBuffer = B({0xB6, 0xDE});
  EXPECT_EQ(SjisToJis(std::string_view(kanaBuffer.data(), 1)), B({0x1B, '$', 'B', 0x25, 0x2B}));
}

TEST(Converters, ToJisEscapesAndLineEnds) {
  // ESC ( J before every single byte after double bytes, CR and LF included;
  // no closing escape at the end.
  EXPECT_EQ(SjisToJis("\x88\x9f\r\nA\x88\x9f"), "\x1b$B0!\x1b(J\r\nA\x1b$B0!");
  EXPECT_EQ(EucToJis("A\xb0\xa1\xb0\xa1" "B"), "A\x1b$B0!0!\x1b(JB");
  // JIS as another program writes it (back to ASCII with ESC ( B, closed at
  // the end) comes back in this program's form.
  const std::string jis = "A\x1b$BF|K\\\x1b(B\r\n\x1b$B0!\x1b(B";
  EXPECT_EQ(SjisToJis(JisToSjis(jis)), "A\x1b$BF|K\\\x1b(J\r\n\x1b$B0!");
  // Read back, an escape with any other second byte keeps the mode, and one
  // cut off at the end leaves nothing behind.
  const std::string kept =
      B({0x1B, '$', '@', 0x30, 0x21, 0x1B, 'x', 'y', 0x30, 0x21, 0x1B, '(', 'J', 'A'});
  EXPECT_EQ(JisToSjis(kept), B({0x88, 0x9F, 0x88, 0x9F, 'A'}));
  EXPECT_EQ(JisToSjis(B({'A', 0x1B, '('})), "A");
}

TEST(HalfToFullKana, VoicedAndSemiVoicedMarks) {
  struct Case {
    int kana, mark;
    BytePair jis;
    bool markUsed;
  };
  const Case cases[] = {
      {0xA1, 0, P(0x21, 0x23), false},     // ｡ → 。
      {0xB0, 0, P(0x21, 0x3C), false},     // ｰ → ー
      {0xA6, 0xDE, P(0x25, 0x72), false},  // ｦﾞ: no voiced ヲ in JIS X 0208
      {0xB1, 0xDE, P(0x25, 0x22), false},  // ｱﾞ stays ア, the mark follows
      {0xB3, 0xDE, P(0x25, 0x74), true},   // ｳﾞ → ヴ
      {0xB6, 0xDE, P(0x25, 0x2C), true},   // ｶﾞ → ガ
      {0xC4, 0xDE, P(0x25, 0x49), true},   // ﾄﾞ → ド, last of カ..ト
      {0xC4, 0xDF, P(0x25, 0x48), false},  // ﾄﾟ has no semi-voiced form
      {0xC5, 0xDE, P(0x25, 0x4A), false},  // ﾅﾞ neither voiced
      {0xCA, 0xDE, P(0x25, 0x50), true},   // ﾊﾞ → バ
      {0xCA, 0xDF, P(0x25, 0x51), true},   // ﾊﾟ → パ
      {0xCE, 0xDF, P(0x25, 0x5D), true},   // ﾎﾟ → ポ
      {0xCF, 0xDF, P(0x25, 0x5E), false},  // ﾏﾟ stays マ
      {0xDD, 0, P(0x25, 0x73), false},     // ﾝ → ン
      {0xDE, 0xDE, P(0x21, 0x2B), false},  // ﾞ alone → ゛
      {0xDF, 0, P(0x21, 0x2C), false},     // ﾟ alone → ゜
  };
  for (const Case& c : cases) {
    const auto kana = static_cast<unsigned char>(c.kana);
    const auto mark = static_cast<unsigned char>(c.mark);
    SCOPED_TRACE(testing::Message() << std::hex << c.kana << ' ' << c.mark);
    // As Shift-JIS holds the mark, and as EUC-JP does (after an 8E).
    const FullWidthKana sjis = HalfToFullKana(kana, mark);
    for (const FullWidthKana full : {sjis, HalfToFullKana(kana, c.mark ? 0x8E : 0, mark)}) {
      EXPECT_EQ(full.jis, c.jis);
      EXPECT_EQ(full.markUsed, c.markUsed);
    }
  }
  // In EUC-JP a mark counts only as an 8E pair.
  EXPECT_FALSE(HalfToFullKana(0xB6, 0xDE, 0xDE).markUsed);
  // A byte after 8E that is no katakana becomes the geta mark.
  EXPECT_EQ(HalfToFullKana(0xE0, 0, 0).jis, P(0x22, 0x2E));

  // Through the converters: ｶﾞｷﾟ → ガキ゜, the mark consumed once.
  EXPECT_EQ(SjisToJis(B({0xB6, 0xDE, 0xB7, 0xDF})), B({0x1B, '$', 'B', 0x25, 0x2C, 0x25, 0x2D, 0x21, 0x2C}));
  EXPECT_EQ(EucToJis(B({0x8E, 0xB6, 0x8E, 0xDE, 0x8E, 0xB7, 0x8E, 0xDF})),
            B({0x1B, '$', 'B', 0x25, 0x2C, 0x25, 0x2D, 0x21, 0x2C}));
}

}  // namespace
