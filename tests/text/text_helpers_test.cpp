// SPDX-License-Identifier: GPL-3.0-or-later
// The shared text helpers: occurrence table, counting and searching, the
// lower-casing that keeps positions and the attribute reader.
#include <gtest/gtest.h>

#include "text/occurrence_table.h"
#include "text/tag_attribute.h"
#include "text/text_helpers.h"

namespace wrenpad {
namespace {

using namespace Qt::StringLiterals;

// Rows 0 to `rows` - 1 of a column: the base, then the positions found.
std::vector<int> Column(const OccurrenceTable& table, int column, int rows) {
  std::vector<int> values;
  for (int row = 0; row < rows; ++row) values.push_back(table.at(row, column));
  return values;
}

TEST(FindAllOccurrences, RowsHoldBaseAndZeroBasedPositionsEndsInclusiveAndClamped) {
  OccurrenceTable table;
  EXPECT_EQ(FindAllOccurrences("a<b<c", "<", 1, 5, table, 1), 2);
  EXPECT_EQ(Column(table, 1, 4), (std::vector{-1, 1, 3, -1}));  // the base: from 1 minus 2

  // A stretch that starts later: row 0 moves, positions stay editor positions.
  // The earlier search's row 2 is overwritten.
  EXPECT_EQ(FindAllOccurrences("a<b<c", "<", 3, 5, table, 1), 1);
  EXPECT_EQ(Column(table, 1, 3), (std::vector{1, 3, -1}));
  EXPECT_EQ(FindAllOccurrences("<ab>", ">", 1, 3, table, 2), 0);  // ">" is position 4
  EXPECT_EQ(FindAllOccurrences("<ab>", ">", 1, 4, table, 2), 1);
  EXPECT_EQ(FindAllOccurrences("<ab>", "<", -5, 99, table, 2), 1);
  EXPECT_EQ(table.at(1, 2), 0);
  EXPECT_EQ(FindAllOccurrences("<ab>", "<", 4, 2, table, 2), 0);
  // Overlaps, either case, and one column left alone by a search in another.
  EXPECT_EQ(FindAllOccurrences("aaaa", "aa", 1, 4, table, 3), 3);
  EXPECT_EQ(FindAllOccurrences("<SCRIPT><Script>", "<script", 1, 16, table, 4), 2);
  EXPECT_EQ(table.at(2, 4), 8);
  EXPECT_EQ(table.count(3), 3);  // column 3 untouched by the search in 4
  // Positions stay exact after a character whose lower case is longer.
  EXPECT_EQ(FindAllOccurrences(QString::fromUtf8("\u0130ab"), "AB", 1, 3, table, 1), 1);
  EXPECT_EQ(table.at(1, 1), 1);
  EXPECT_EQ(FindAllOccurrences("<", "<", 1, 1, table, 5), 0);
  EXPECT_EQ(FindAllOccurrences("<", "", 1, 1, table, 1), 0);
  // The table grows past ten thousand rows.
  const QString text(25000, u'<');
  EXPECT_EQ(FindAllOccurrences(text, "<", 1, text.size(), table, 1), 25000);
  EXPECT_EQ(table.at(25000, 1), 24999);
  EXPECT_EQ(table.at(25001, 1), -1);
}

TEST(CountOccurrencesAndLastPosition, CaseSensitive) {
  EXPECT_EQ(CountOccurrences("aa", "aaa"), 2);
  EXPECT_EQ(CountOccurrences("A", "aAa"), 1);
  EXPECT_EQ(CountOccurrences("", "abc"), 0);
  // LastPosition misses an occurrence ending at the last character.
  EXPECT_EQ(LastPosition("ab", "xxabxab"), 3);
  EXPECT_EQ(LastPosition("ab", "xxabxabx"), 6);
  EXPECT_EQ(LastPosition("<table", "<TABLE x"), 0);  // case-sensitive
  EXPECT_EQ(LastPosition("", "abc"), 0);
  EXPECT_EQ(LastPosition("abc", "ab"), 0);
}

TEST(LowerKeepingPositions, EveryCharacterKeepsItsLength) {
  EXPECT_EQ(LowerKeepingPositions("<P ALIGN=Center>"), "<p align=center>");
  // QString::toLower makes "\u0130" two characters; here it stays one.
  const QString dotted = QString(QChar(0x130)) + "<B>";
  EXPECT_EQ(LowerKeepingPositions(dotted).size(), dotted.size());
  EXPECT_EQ(LowerKeepingPositions(dotted).indexOf("<b>"), 1);
  EXPECT_EQ(LowerKeepingPositions(QString::fromUtf8("ÄΣＡ")), QString::fromUtf8("äσａ"));
  // A pair beyond 16 bits lower-cases as one character; a lone half stays.
  EXPECT_EQ(LowerKeepingPositions(QString::fromUcs4(U"\U00010400")), QString::fromUcs4(U"\U00010428"));
  const QString lone = QString(QChar(0xD801)) + "A";
  EXPECT_EQ(LowerKeepingPositions(lone), QString(QChar(0xD801)) + "a");
}

TEST(WholeCharacters, PositionsNeverFallBetweenTheHalvesOfAPair) {
  const QString text = "a" + QString::fromUcs4(U"\U0001F600") + "b";  // a, pair, b
  EXPECT_EQ((std::vector{WholeCharacterPosition(text, 2), WholeCharacterPosition(text, 3),
                         WholeCharacterPosition(text, -1), WholeCharacterPosition(text, 9)}),
            (std::vector{1, 3, 0, 4}));
  // From inside the pair (2): from its start.
  EXPECT_EQ((std::vector{PositionAfterCharacters(text, 0, 2), PositionAfterCharacters(text, 2, 1),
                         PositionAfterCharacters(text, 0, 9), PositionAfterCharacters(text, 0, 0)}),
            (std::vector{3, 3, 4, 0}));
}

TEST(TagAttributeValue, ValuesAreReadAsABrowserReadsThem) {
  const struct {
    const char16_t* tag;
    const char* name;
    const char16_t* value;
  } cases[] = {
      {u"<p align = \"center\">", "align", u"center"},
      {u"<P ALIGN=\"Right\" class=x>", "align", u"Right"},
      {u"<td align=left\r\nwidth=3>", "align", u"left"},
      {u"<img alt=\"\" width=3>", "alt", u""},
      {u"<font face=\"MS P Gothic\" size=3>", "face", u"MS P Gothic"},
      {u"<font face=MS P Gothic size=3>", "face", u"MS"},  // unquoted: up to the blank
      {u"<font face = 'Times New Roman'>x</font>", "face", u"Times New Roman"},
      {u"<font size=+1 face=x>", "size", u"+1"},
      {u"<a href=\"my notes.html\" title=\"x\">", "href", u"my notes.html"},
      {u"<a title='say \"hi\"' href=a>", "title", u"say \"hi\""},
      {u"<a target = \"main &quot;x&quot; <y>\" href=b>", "target", u"main \"x\" <y>"},
      {u"<a target = \"main &quot;x&quot; <y>\" href=b>", "href", u"b"},  // ">" inside quotes
      {u"<a href=\"a.cgi?x=1&amp;y=&#39;2&#x27;&unknown;\">", "href", u"a.cgi?x=1&y='2'&unknown;"},
      {u"<font bgcolor=red color=blue>", "color", u"blue"},
      {u"<body bgcolor=red>", "color", u""},
      {u"<meta content=\"text/html; charset=Shift_JIS\">", "charset", u""},  // inside another value
      {u"<meta charset=\"euc-jp\">", "charset", u"euc-jp"},
      {u"<p>alignment</p>", "align", u""},
      {u"<img src=a.png/>", "src", u"a.png/"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TagAttributeValue(QString::fromUtf16(c.tag), QString::fromLatin1(c.name)), QString::fromUtf16(c.value))
        << QString::fromUtf16(c.tag).toStdString() << " " << c.name;
  // A long value is read whole.
  EXPECT_EQ(TagAttributeValue("<a name=" + QString(150, u'x') + ">", "name"), QString(150, u'x'));
}

TEST(MarkupEscapes, AttributeValuesAndElementTextAndBack) {
  EXPECT_EQ(EscapeAttributeValue(u"main \"x\" <b> & 'y' はい"_s), u"main &quot;x&quot; <b> &amp; 'y' はい"_s);
  EXPECT_EQ(EscapeElementText(u"価格表 <注>&\""_s), u"価格表 &lt;注&gt;&amp;\""_s);
  EXPECT_EQ(EscapeElementText(u"plain"_s), u"plain"_s);
  for (const QString& typed : {u"a&b \"c\" <d>"_s, u"&amp;quot;"_s, u"&quot;"_s, u"'"_s, QString()})
    EXPECT_EQ(UnescapeAttributeValue(EscapeAttributeValue(typed)), typed) << typed.toStdString();
  EXPECT_EQ(UnescapeAttributeValue(u"x=1&amp;y=&#39;2&#39;&lt;&gt;"_s), u"x=1&y='2'<>"_s);
}

}  // namespace
}  // namespace wrenpad
