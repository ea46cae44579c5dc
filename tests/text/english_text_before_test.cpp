// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a text is English, and whether the text before a position is,
// kept across moves and edits, against IsEnglishText measured afresh: in
// texts and pages whose "<br>", "<body" and "</body>" come and go with the
// edits, CR LF pairs split and joined.
#include "text/english_text.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <random>

namespace wrenpad {
namespace {

TEST(EnglishText, NinetyPercentOfSingleByteCharactersMakesEnglish) {
  EXPECT_TRUE(IsEnglishText("Hello world"));
  EXPECT_FALSE(IsEnglishText(QString::fromUtf8("日本語の文章です")));
  EXPECT_FALSE(IsEnglishText(QString()));
  EXPECT_FALSE(IsEnglishText("\r\n"));
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
}

TEST(EnglishTextBefore, AgreesWithMeasuringTheTextBeforeThePositionAfresh) {
  const QStringList insertions = {"a", "word ", "\r", "\n", "\r\n", "日本", "ｱｲ", QString(QChar(0x130)),
                                  "<br>", "<BR>", "<body>", "<Body bgcolor=x>", "</body>", "</BODY>",
                                  "<", "br>", "ody>", "</", QString::fromUtf8("\xF0\x9F\x98\x80")};
  std::mt19937 random(20260607);
  const auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  QString model = "<html><head><title>t</title></head>\r\n";
  PieceText text(model);
  EnglishTextBefore english;
  int caret = int(model.size());
  for (int step = 0; step < 6000; ++step) {
    // Mostly typing and deleting at the caret; now and then a jump, an edit
    // elsewhere, or a text the judgement starts over on.
    if (below(20) == 0) caret = below(int(model.size()) + 1);
    const int start = below(10) == 0 ? below(int(model.size()) + 1) : caret;
    const int removed = std::min(below(4) == 0 ? below(6) : 0, int(model.size()) - start);
    const QString added = below(3) == 0 ? QString() : insertions[below(int(insertions.size()))];
    const PieceText before = text;
    text.replace(start, removed, added);
    model.replace(start, removed, added);
    english.follow(before, start);
    if (below(500) == 0) english.forget();
    if (caret >= start) caret = std::max(start, caret - removed) + int(added.size());
    caret = std::min(caret, int(model.size()));
    ASSERT_EQ(english.at(text, caret), IsEnglishText(model.left(caret))) << "step " << step << " at " << caret;
    const int elsewhere = below(int(model.size()) + 1);
    ASSERT_EQ(english.at(text, elsewhere), IsEnglishText(model.left(elsewhere)))
        << "step " << step << " at " << elsewhere;
  }
}

}  // namespace
}  // namespace wrenpad
