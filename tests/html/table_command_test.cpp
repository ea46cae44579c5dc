// SPDX-License-Identifier: GPL-3.0-or-later
// The Table and Add Row commands on the editor, with the table dialog
// answered by script, and the table dialog itself.
#include "colouring/colouring_context.h"
#include "editing/editing_fixture.h"
#include "html/table_command.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

using namespace wrenpad;
using namespace wrenpad::test;

namespace {

const QStringList kFaces{"Arial", "Doc Face"};

struct TableCommandTest : EditingFixture {
  ColouringState colouring;
  TTableDialog form;
  std::vector<int> progress;
  TableCommand command{TableCommandContext{
      editor, dialogs, document, session, settings, colouring, form, [] { return kFaces; }, painting,
      [this](int value) { progress.push_back(value); }}};

  TableCommandTest() { document.DocumentFontName = QStringLiteral("Doc Face"); }
};

}  // namespace

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
  const TableValues shown = dialogs.shownValues<TableValues>();
  EXPECT_EQ(shown.fontNames, kFaces);
  EXPECT_EQ(shown.font.fontName, "Doc Face");  // the face in force at the caret
  ASSERT_EQ(ranges.size(), 1u);
  EXPECT_EQ(ranges[0], std::make_pair(8, 8 + int(table.size())));  // the "<br>" before the table too
  EXPECT_EQ(progress, std::vector<int>{0});

  // The next use is shown the values confirmed, with the face in force there.
  setText("<font face=\"Arial\">|</font>");
  command.mmTableClick();  // cancelled
  const TableValues again = dialogs.shownValues<TableValues>(1);
  EXPECT_EQ(std::pair(again.alignment, again.font.fontName), std::pair(1, QString("Arial")));
  EXPECT_EQ(textWithCaret(), "<font face=\"Arial\">|</font>");
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

  setText("no table|");
  command.pmAddRowClick();
  EXPECT_EQ(textWithCaret(), "no table|");
}

TEST(TableForm, SwitchingRowsAndColumnsStoresTheEditedValues) {
  TTableDialog dialog;
  dialog.setColourChooser([](const QColor&) { return std::optional<QColor>(QColor(255, 0, 0)); });
  TableValues values;
  dialog.showValues(values);
  EXPECT_EQ(dialog.values(), values);
  EXPECT_EQ(dialog.values().background, QColor(Qt::white));
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
  EXPECT_EQ(dialog.edRowNo->maximum(), 100);
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
