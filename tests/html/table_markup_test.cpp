// SPDX-License-Identifier: GPL-3.0-or-later
// The table skeleton built from values, and where Add Row puts its row.
#include "html/table_markup.h"

#include <gtest/gtest.h>

using namespace wrenpad;

TEST(TableMarkup, CaptionCommentsWidthsHeightsAndTheDefaultFont) {
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

  // The style attribute of the default font.
  values = {};
  values.fontName = QStringLiteral("Arial");
  values.fontColour = {255, 0, 0};
  values.setFontSize = true;
  values.fontSize = 12;
  EXPECT_EQ(TableStyleAttribute(values), " style = \"font-family:'Arial'; color:red;font-size:12pt;\"");

  values.fontName = QStringLiteral("ＭＳ Ｐゴシック");  // the standard face, and an unnamed one, are not written
  values.fontColour = {0x12, 0x34, 0x56};
  values.setFontSize = false;
  EXPECT_EQ(TableStyleAttribute(values), " style = \" color:#123456;\"");
  values.fontName.clear();
  values.fontColour = {};
  EXPECT_EQ(TableStyleAttribute(values), "");
}

TEST(TableAddRow, TheEnclosingTableOrNothing) {
  const QString text = QStringLiteral("<table><tr><td>a</table> after");
  EXPECT_FALSE(AddRowInsertion(text, int(text.size())));
  EXPECT_FALSE(AddRowInsertion(text, 0));
  EXPECT_FALSE(AddRowInsertion(text, 4));  // "<tab" before the caret is no table yet
  // The enclosing table, not a nested one closed before the caret.
  const QString nested = QStringLiteral("<table><tr><td>1<td>2<td><table><tr><td>x</table> |<tr><td></table>");
  const auto row = AddRowInsertion(nested, int(nested.indexOf(u'|')));
  ASSERT_TRUE(row);
  EXPECT_EQ(row->text.count(u"<td>"), 3);

  // In the last row: before the table's end, not before a row of a later table.
  const QString table = QStringLiteral("<table><tr><td>a<td>b<tr><td>c</table>");
  const auto last = AddRowInsertion(table + "<table><tr><td>x</table>", 30);
  ASSERT_TRUE(last);
  EXPECT_EQ(last->position, table.indexOf(u"</table>"));
}
