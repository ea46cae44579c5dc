// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/english_text.h"

#include <gtest/gtest.h>

using namespace wrenpad;

TEST(EnglishText, NinetyPercentOfSingleByteCharactersMakesEnglish) {
  EXPECT_TRUE(IsEnglishText("Hello world"));
  EXPECT_FALSE(IsEnglishText(QString::fromUtf8("日本語の文章です")));
  EXPECT_FALSE(IsEnglishText(QString()));
  EXPECT_FALSE(IsEnglishText("\r\n"));
  // 18 ASCII + 1 kanji: 19 characters in 20 bytes, 0.95: English.
  EXPECT_TRUE(IsEnglishText(QString::fromUtf8("abcdefghijklmnopqr日")));
  // 9 ASCII + 1 kanji: 10 characters in 11 bytes, 0.909: English.
  EXPECT_TRUE(IsEnglishText(QString::fromUtf8("abcdefghi日")));
  // 8 ASCII + 1 kanji: 9 in 10 bytes is exactly 0.9: not above the line.
  EXPECT_FALSE(IsEnglishText(QString::fromUtf8("abcdefgh日")));
  // "\u0130" is one two-byte character however its lower case is written:
  // 9 in 10 bytes again.
  EXPECT_FALSE(IsEnglishText("abcdefgh" + QString(QChar(0x130))));
  // Half-width katakana are single bytes in Shift-JIS.
  EXPECT_TRUE(IsEnglishText(QString::fromUtf8("ｱｲｳｴｵ")));
  // Line ends are not counted.
  EXPECT_TRUE(IsEnglishText(QString::fromUtf8("abcdefghi日\r\n\r\n\r\n")));
}

TEST(EnglishText, PagesAreJudgedByTheTextOfTheirBody) {
  // Long English mark-up around a Japanese body: the body decides.
  const QString page = QString::fromUtf8(
      "<html><head><title>A long English title for the page</title></head>\r\n"
      "<body bgcolor=\"#FFFFFF\"><p align=\"center\">日本語の本文<br>です</p>"
      "<!-- a comment --></body></html>\r\n");
  EXPECT_FALSE(IsEnglishText(page));
  const QString english = QString::fromUtf8(
      "<html><head><title>日本語のタイトル日本語のタイトル</title></head>\r\n"
      "<body><p>An English body<br>with two lines</p></body></html>\r\n");
  EXPECT_TRUE(IsEnglishText(english));
  // Without "<br>" the whole text is measured.
  EXPECT_TRUE(IsEnglishText(QString::fromUtf8(
      "<html><head><title>A long English title for the page</title></head>"
      "<body>日本</body></html>")));
}
