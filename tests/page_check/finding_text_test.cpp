// SPDX-License-Identifier: GPL-3.0-or-later
// The findings in words: our texts in both languages with the names filled
// in, tidy's own text for the rest, and tidy's columns turned into the
// line's characters.
#include "page_check/finding_text.h"

#include "text/translation.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

QSet<QString> placeholders(const QString& text) {
  QSet<QString> found;
  for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
    found << match.captured();
  return found;
}

TEST(FindingText, EveryCodeSpeaksJapaneseWithItsNamesFilledIn) {
  const InterfaceLanguageScope japanese(InterfaceLanguage::Japanese);
  const QStringList names = {QStringLiteral("<img>"), QStringLiteral("alt"), QStringLiteral("HTML5")};
  QSet<QString> codes;
  for (const FindingTextRow& row : FindingTexts()) {
    SCOPED_TRACE(row.code);
    EXPECT_FALSE(codes.contains(row.code));
    codes << row.code;
    const QString english = QString::fromUtf8(row.text);
    const QString shown = FindingText({1, 1, FindingLevel::Warning, row.code, names, QString()});
    EXPECT_NE(QCoreApplication::translate("PageCheck", row.text), english);
    EXPECT_EQ(placeholders(QCoreApplication::translate("PageCheck", row.text)), placeholders(english));
    EXPECT_TRUE(placeholders(shown).isEmpty()) << shown.toStdString();
    for (const QString& number : placeholders(english))
      EXPECT_TRUE(shown.contains(names[number.mid(1).toInt() - 1])) << shown.toStdString();
  }
  EXPECT_GE(codes.size(), 30);
  const PageFinding error{12, 5, FindingLevel::Error, "UNKNOWN_ELEMENT", {"<zz>"}, "<zz> is not recognized!"};
  EXPECT_EQ(FindingLine(error).toStdString(), "12:5: エラー: <zz> はHTMLの要素ではありません。");
}

TEST(FindingText, OtherCodesKeepTidysTextAndNameTheCode) {
  const PageFinding other{3, 1, FindingLevel::Warning, "NOFRAMES_CONTENT", {"<p>"}, "<p> not inside 'noframes' element"};
  EXPECT_EQ(FindingLine(other).toStdString(), "3:1: warning: <p> not inside 'noframes' element (NOFRAMES_CONTENT)");
  EXPECT_EQ(FillArguments(QStringLiteral("%2 %1 %3 100%"), {QStringLiteral("%2"), QStringLiteral("b")}),
            QStringLiteral("b %2 %3 100%"));
}

TEST(FindingText, TidysColumnsBecomeTheLinesCharacters) {
  const struct {
    const char16_t* line;
    int tidyColumn;
    int column;
  } rows[] = {
      {u"ab</i>", 3, 3},
      {u"日本語\t</i>", 9, 5},     // the tab reaches column 9
      {u"abcdefgh\t</i>", 17, 10},  // a tab at a stop takes a whole stop
      {u"\t\tx", 12, 2},           // a column inside a tab is the tab's
      {u"𠀋x</i>", 3, 3},          // a character beyond 16 bits counts one
      {u"ab", 9, 3},               // past the end: the line's end
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(QString::fromUtf16(row.line).toStdString());
    EXPECT_EQ(CharacterColumn(QString::fromUtf16(row.line), row.tidyColumn, 8), row.column);
  }
}

}  // namespace
}  // namespace wrenpad
