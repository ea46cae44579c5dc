// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "kanji/kanji.h"

namespace {

using namespace kanji;

TEST(Utf8, ValidAndInvalidSequences) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("ascii only"));
  EXPECT_TRUE(IsValidUtf8("\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80"));  // é 日本 😀
  EXPECT_TRUE(IsValidUtf8("\xEF\xBF\xBF\xF4\x8F\xBF\xBF"));                        // U+FFFF, U+10FFFF
  const char* invalid[] = {
      "\x80",              // continuation without a lead
      "\xC0\x80",          // overlong NUL
      "\xC1\xBF",          // overlong
      "\xE0\x9F\xBF",      // overlong three bytes
      "\xED\xA0\x80",      // surrogate
      "\xF0\x8F\xBF\xBF",  // overlong four bytes
      "\xF4\x90\x80\x80",  // above U+10FFFF
      "\xF5\x80\x80\x80",
      "\xE6\x97",          // cut off at the end
      "abc\xE6\x97x",      // cut off by ASCII
      "\x93\xFA\x96\x7B",  // 日本 in Shift-JIS
      "\xA4\xA2\xA4\xA4",  // あい in EUC-JP
  };
  for (const char* s : invalid) EXPECT_FALSE(IsValidUtf8(s)) << s;
}

TEST(Utf8, NonAsciiAtEveryPosition) {
  for (std::size_t length = 1; length < 70; ++length) {
    std::string text(length, 'a');
    EXPECT_FALSE(HasNonAscii(text));
    EXPECT_FALSE(LooksLikeUtf8Text(text));
    for (std::size_t at = 0; at < length; ++at) {
      text[at] = '\xA4';
      EXPECT_TRUE(HasNonAscii(text)) << length << ' ' << at;
      EXPECT_FALSE(IsValidUtf8(text)) << length << ' ' << at;
      text[at] = 'a';
    }
  }
  EXPECT_TRUE(LooksLikeUtf8Text(std::string(100, 'a') + "\xE6\x97\xA5"));
  EXPECT_FALSE(LooksLikeUtf8Text(std::string(100, 'a') + "\xE6\x97"));
}

}  // namespace
