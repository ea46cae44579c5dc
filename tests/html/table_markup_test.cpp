// SPDX-License-Identifier: GPL-3.0-or-later
// The table skeleton built from values, and where Add Row puts its row.
#include "html/table_markup.h"

#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

const QString kDefaults = QStringLiteral(
    "<br>\r\n<table  border = \"3\" cellspacing = \"2\" cellpadding = \"2\">\r\n"
    "<tr>\r\n<td>           \r\n<td>           \r\n"
    "<tr>\r\n<td>           \r\n<td>           \r\n</table> \r\n");

// The table tag of the markup, "<table" to ">".
QString tableTag(const QString& markup) {
  const auto from = markup.indexOf(u"<table");
  return markup.mid(from, markup.indexOf(u'>', from) - from + 1);
}

}  // namespace

TEST(TableMarkup, DefaultsAndTheAttributesOfTheTableTag) {
  TableMarkupValues values;
  EXPECT_EQ(TableMarkup(values), kDefaults);

  // Alignment and background (written as the command shows) go with the border.
  values.alignment = 2;
  values.background = RgbColour{255, 0, 0};
  values.border = 0;
  EXPECT_EQ(tableTag(TableMarkup(values)), "<table  cellspacing = \"2\" cellpadding = \"2\">");

  values = {};
  values.spacing = 0;
  values.padding = 4;
  EXPECT_EQ(tableTag(TableMarkup(values)), "<table  border = \"3\" cellpadding = \"4\">");
}

TEST(TableMarkup, CaptionCommentsWidthsAndHeights) {
  TableMarkupValues values;
  values.caption = QStringLiteral("Prices");
  EXPECT_TRUE(TableMarkup(values).contains(
      "cellpadding = \"2\">\r\n<caption> Prices</caption> \r\n\r\n<tr>\r\n<td>"));
  values.caption = QStringLiteral("価格表 <注>&\"");  // text, as typed: escaped
  values.fontName = QStringLiteral("My \"Face\" & Co");
  const QString escaped = TableMarkup(values);
  EXPECT_TRUE(escaped.contains("<caption> 価格表 &lt;注&gt;&amp;\"</caption>")) << escaped.toStdString();
  EXPECT_TRUE(escaped.contains("style = \"font-family:'My &quot;Face&quot; &amp; Co';\"")) << escaped.toStdString();

  values = {};
  values.cellComments = true;
  EXPECT_EQ(TableMarkup(values),
            "<br>\r\n<table  border = \"3\" cellspacing = \"2\" cellpadding = \"2\">\r\n"
            "<tr>\r\n<td><!-- 1,1-->           \r\n<td><!-- 1,2-->           \r\n"
            "<tr>\r\n<td><!-- 2,1-->           \r\n<td><!-- 2,2-->           \r\n</table> \r\n");

  values = {};
  values.colWidths = {0, 80};
  values.rowHeights = {0, 30};
  EXPECT_EQ(TableMarkup(values),
            "<br>\r\n<table  border = \"3\" cellspacing = \"2\" cellpadding = \"2\">\r\n"
            "<tr>\r\n<td>           \r\n<td width = \"80\">           \r\n"
            "<tr height = \"30\">\r\n<td>           \r\n<td>           \r\n</table> \r\n");
}

TEST(TableMarkup, StyleOfTheDefaultFont) {
  TableMarkupValues values;
  values.fontName = QStringLiteral("Arial");
  values.fontColour = {255, 0, 0};
  values.setFontSize = true;
  values.fontSize = 12;
  EXPECT_EQ(TableStyleAttribute(values), " style = \"font-family:'Arial'; color:red;font-size:12pt;\"");
  EXPECT_TRUE(TableMarkup(values).startsWith(
      "<br>\r\n<table  style = \"font-family:'Arial'; color:red;font-size:12pt;\" border = \"3\""));

  values.fontName = QStringLiteral("ＭＳ Ｐゴシック");  // the standard face, and an unnamed one, are not written
  values.fontColour = {0x12, 0x34, 0x56};
  values.setFontSize = false;
  EXPECT_EQ(TableStyleAttribute(values), " style = \" color:#123456;\"");
  values.fontName.clear();
  values.fontColour = {};
  EXPECT_EQ(TableStyleAttribute(values), "");
}

TEST(TableMarkup, SizesFromNoneToAHundred) {
  TableMarkupValues values;
  values.rows = 0;  // the first row is still written
  EXPECT_EQ(TableMarkup(values).count(u"<tr"), 1);
  EXPECT_EQ(TableMarkup(values).count(u"<td"), 2);
  values.rows = 3;
  values.columns = 0;
  EXPECT_TRUE(TableMarkup(values).endsWith("cellpadding = \"2\">\r\n<tr>\r\n<tr>\r\n<tr>\r\n</table> \r\n"));

  for (const int size : {40, 100}) {
    values.rows = size;
    values.columns = size;
    values.rowHeights.assign(std::size_t(size), 5);
    values.colWidths.assign(40, 9);  // columns past the list have no width
    const QString markup = TableMarkup(values);
    EXPECT_EQ(markup.count(u"<tr height = \"5\">"), size);
    EXPECT_EQ(markup.count(u"<td"), size * size);
    EXPECT_EQ(markup.count(u"<td width = \"9\">"), 40);
  }
}

TEST(TableAddRow, CopiesTheFirstRowsCellsAndGoesBeforeTheNextRow) {
  const QString table = QStringLiteral(
      "<p>\r\n<TABLE border=1>\r\n<tr>\r\n<td>a\r\n<td>b\r\n<td>c\r\n<tr>\r\n<td>d\r\n<td>e\r\n<td>f\r\n</table>\r\nafter");
  // The row in the first row is checked through the command. In the last row: before the table's end, not before a row of a later table.
  const QString twoTables = table + QStringLiteral("<table><tr><td>x</table>");
  const int lastRow = int(table.indexOf(u"<td>f")) + 5;
  const auto last = AddRowInsertion(twoTables, lastRow);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->position, table.indexOf(u"</table>"));
  EXPECT_EQ(last->text.count(u"<td>"), 3);

  // A one-row table: the row ends at "</table"; an unclosed one gets it at the end.
  const QString oneRow = QStringLiteral("<table><tr><td>a<td>b</table>");
  EXPECT_EQ(AddRowInsertion(oneRow, 16)->position, oneRow.indexOf(u"</table"));
  const QString unclosed = QStringLiteral("<table><tr><td>a");
  EXPECT_EQ(AddRowInsertion(unclosed, 16)->position, unclosed.size());
}

TEST(TableAddRow, NothingOutsideATable) {
  const QString text = QStringLiteral("<table><tr><td>a</table> after");
  EXPECT_FALSE(AddRowInsertion(text, int(text.size())));
  EXPECT_FALSE(AddRowInsertion(text, 0));
  EXPECT_FALSE(AddRowInsertion(text, 4));  // "<tab" before the caret is no table yet
  // The enclosing table, not a nested one closed before the caret.
  const QString nested = QStringLiteral("<table><tr><td>1<td>2<td><table><tr><td>x</table> |<tr><td></table>");
  const auto row = AddRowInsertion(nested, int(nested.indexOf(u'|')));
  ASSERT_TRUE(row);
  EXPECT_EQ(row->text.count(u"<td>"), 3);
}
