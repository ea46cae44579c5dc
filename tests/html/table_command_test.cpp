// SPDX-License-Identifier: GPL-3.0-or-later
// The Table and Add Row commands on the editor, with the table dialog
// answered by script, and the table dialog itself; the table skeleton built
// from values, and where Add Row puts its row.
#include "html/dialog_command_fixture.h"
#include "html/table_command.h"
#include "html/table_markup.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace wrenpad;
using namespace wrenpad::test;

using TableCommandTest = DialogCommandFixture<TTableDialog, TableCommand, TableCommandContext>;

TEST_F(TableCommandTest, WritesTheTableAtTheCaretAndColoursIt) {
  setText("<body>\r\n[x]|</body>");
  editor.select(8, 3);  // the table replaces the selection
  dialogs.answerFormWith<TableValues>([](TableValues& v) {
    v.rows = 1;
    v.columns = 1;
    v.alignment = 1;
    v.setBackground = true;  // no colour chosen: white
  });
  command.mmTableClick();
  const QString table = QStringLiteral(
      "<br>\r\n<table  style = \"font-family:'Doc Face';\" border = \"3\" align = \"center\" bgcolor = \"FFFFFF\""
      " cellspacing = \"2\" cellpadding = \"2\">\r\n<tr>\r\n<td>           \r\n</table> \r\n");
  EXPECT_EQ(textWithCaret(), "<body>\r\n" + table + "|</body>");
  EXPECT_EQ(dialogs.shownValues<TableValues>().font.fontName, "Doc Face");  // in force at the caret
  // The "<br>" before the table is coloured too.
  EXPECT_EQ(ranges, (std::vector<std::pair<int, int>>{{8, 8 + int(table.size())}}));
}

TEST_F(TableCommandTest, AddRowColoursTheRowAndPutsTheCaretInItsFirstCell) {
  const QString table = QStringLiteral("<table>\r\n<tr>\r\n<td>a\r\n<td>b\r\n<td>c\r\n<tr>\r\n<td>d\r\n</table>");
  setText(table);
  editor.setSelStart(int(table.indexOf(u"<td>a")) + 4);
  command.pmAddRowClick();
  const QString row = QStringLiteral("\r\n<tr>\r\n<td>        <td>        <td>        \r\n");
  const int at = int(table.indexOf(u"<tr", 12));
  EXPECT_EQ(editor.text(), QString(table).insert(at, row));
  EXPECT_EQ(editor.selStart(), at + 13);
  EXPECT_EQ(colourAt(at + 20), colouring.TagColour);
  EXPECT_EQ(*attributesAt(at + 20).fontName, "ＭＳ Ｐゴシック");
  EXPECT_TRUE(session.ChangeWatch);

  // In the last row, without colouring: before "</table", the caret after the row.
  settings.AutoRepaint = false;
  setText(table);
  editor.setSelStart(int(table.size()) - 10);
  command.pmAddRowClick();
  EXPECT_EQ(textWithCaret(), QString(table).insert(int(table.size()) - 8, row + "|"));
}

TEST(TableForm, SwitchingRowsAndColumnsStoresTheEditedValues) {
  TTableDialog dialog;
  dialog.setColourChooser([](const QColor&) { return std::optional<QColor>(QColor(255, 0, 0)); });
  TableValues values;
  dialog.showValues(values);
  EXPECT_EQ(dialog.values(), values);
  QTest::mouseClick(dialog.ColorEdit1, Qt::LeftButton);
  EXPECT_EQ(dialog.values().background, QColor(255, 0, 0));

  dialog.edColNo->setValue(2);
  dialog.edColWidth->clear();
  QTest::keyClicks(dialog.edColWidth, "8x0");  // only digits are taken
  dialog.edColNo->setValue(1);
  EXPECT_EQ(dialog.edColWidth->text(), "0");
  EXPECT_EQ(dialog.values().colWidths[1], 80);

  // Counts past forty grow the lists; the chooser follows the count.
  dialog.edNumRow->setValue(100);
  dialog.edRowNo->setValue(100);
  dialog.edRowHeight->clear();
  QTest::keyClicks(dialog.edRowHeight, "25");
  TableValues chosen = dialog.values();  // the edited box counts without switching
  ASSERT_EQ(chosen.rowHeights.size(), 100u);
  EXPECT_EQ(chosen.rowHeights[99], 25);
  dialog.edNumRow->setValue(3);
  EXPECT_EQ(dialog.edRowNo->value(), 3);
  dialog.showValues(chosen);
  EXPECT_EQ(dialog.edRowHeight->text(), "25");
  dialog.edRowHeight->clear();
  QTest::mouseClick(dialog.OKButton, Qt::LeftButton);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.values().rowHeights[99], 0);
}

TEST(TableMarkup, CaptionCommentsWidthsHeightsAndTheDefaultFont) {
  TableMarkupValues values;
  values.caption = QStringLiteral("価格表 <注>&\"");  // text, as typed: escaped
  values.fontName = QStringLiteral("My \"Face\" & Co");
  const QString escaped = TableMarkup(values);
  EXPECT_TRUE(escaped.contains(
      "cellpadding = \"2\">\r\n<caption> 価格表 &lt;注&gt;&amp;\"</caption> \r\n\r\n<tr>"))
      << escaped.toStdString();
  EXPECT_TRUE(escaped.contains("style = \"font-family:'My &quot;Face&quot; &amp; Co';\"")) << escaped.toStdString();

  // Widths go in the first row only.
  values = {};
  values.cellComments = true;
  values.colWidths = {0, 80};
  values.rowHeights = {0, 30};
  EXPECT_EQ(TableMarkup(values),
            "<br>\r\n<table  border = \"3\" cellspacing = \"2\" cellpadding = \"2\">\r\n"
            "<tr>\r\n<td><!-- 1,1-->           \r\n<td width = \"80\"><!-- 1,2-->           \r\n"
            "<tr height = \"30\">\r\n<td><!-- 2,1-->           \r\n<td><!-- 2,2-->           \r\n"
            "</table> \r\n");

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
