// SPDX-License-Identifier: GPL-3.0-or-later
// The Form submenu and the division command on the editor, with their
// dialogs answered by script, and the dialogs themselves.
#include "editing/editing_fixture.h"
#include "html/form_commands.h"
#include "text/translation.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace wrenpad;
using namespace wrenpad::test;

namespace {

struct FormCommandsTest : EditingFixture {
  TFormDialog formDialog;
  TSingleLineInputDialog singleLineDialog;
  TTextArea textAreaDialog;
  TSelectDialog selectDialog;
  TCheckDialog checkDialog;
  TDivDialog divDialog;
  std::vector<int> progress;
  FormCommands commands{FormCommandsContext{
      editor, dialogs, document, settings, formDialog, singleLineDialog, textAreaDialog, selectDialog,
      checkDialog, divDialog, painting, [this](int value) { progress.push_back(value); }}};
};

const QString kInput = "<input type = \"text\" name = \"age\" size = \"80\"><br>\r\n";

}  // namespace

TEST_F(FormCommandsTest, ReplacesTheSelectionColoursItAndRemembersTheValues) {
  setText("<body>\r\nold</body>");
  editor.select(8, 3);
  dialogs.answerFormWith<SingleLineInputValues>([](SingleLineInputValues& v) { v.fieldName = "age"; });
  commands.mmSingleLineInputClick();
  EXPECT_EQ(textWithCaret(), "<body>\r\n" + kInput + "|</body>");
  ASSERT_EQ(ranges.size(), 1u);
  EXPECT_EQ(ranges[0], std::make_pair(8, 8 + int(kInput.size())));
  EXPECT_EQ(progress, std::vector<int>{0});
  EXPECT_TRUE(rendered.empty());
  editor.undo();  // one edit
  EXPECT_EQ(editor.text(), "<body>\r\nold</body>");

  // Shown again as confirmed; Cancel changes nothing.
  setText("a|b");
  commands.mmSingleLineInputClick();
  EXPECT_EQ(dialogs.shownValues<SingleLineInputValues>(1).fieldName, "age");
  EXPECT_EQ(textWithCaret(), "a|b");
  EXPECT_EQ(ranges.size(), 1u);
}

TEST_F(FormCommandsTest, ListsAndCheckBoxes) {
  setText("|");
  dialogs.answerFormWith<SelectValues>([](SelectValues& v) { v.items = "x"; });
  commands.mmSelectClick();
  EXPECT_EQ(textWithCaret(), "<select name = \"\">\r\n  <option>x</option>\r\n</select><br>\r\n|");

  // No questions: the selection goes, and there is nothing to colour.
  setText("keep [gone]");
  editor.select(5, 6);
  ranges.clear();
  dialogs.answerFormWith<CheckBoxValues>([](CheckBoxValues& v) { v.commonName = "q"; });
  commands.mmCheckBoxClick();
  EXPECT_EQ(textWithCaret(), "keep |");
  EXPECT_TRUE(ranges.empty());
  dialogs.answerFormWith<CheckBoxValues>([](CheckBoxValues& v) { v.questions = "Yes"; });
  commands.mmCheckBoxClick();
  EXPECT_EQ(textWithCaret(), "keep <input type = \"checkbox\" name = \"q_1\">Yes<br>\r\n|");
}

TEST_F(FormCommandsTest, NewFormWritesTheHandlerFunctionInTheSameEdit) {
  const QString page = "<script><!--\r\n// -->\r\n</script>\r\n<body>Hi</body>";
  setText(page);
  editor.select(int(page.indexOf("Hi")), 2);
  dialogs.answerFormWith<FormValues>([](FormValues& v) {
    v.event = "onClick";
    v.handler = "check";
  });
  commands.mmNewFormClick();
  const QString function = "  function check()\r\n  {\r\n  }\r\n";
  const QString form = "<form>\r\n\r\nHi<input type = \"submit\" value = \"Submit\" onClick = \"check\">\r\n</form>\r\n";
  EXPECT_EQ(textWithCaret(), "<script><!--\r\n" + function + "// -->\r\n</script>\r\n<body>" + form + "|</body>");
  // Painted from the script element (a painter must start outside it) to
  // the end of the form; the rewritten stretch is rendered again as well.
  ASSERT_EQ(ranges.size(), 1u);
  EXPECT_EQ(ranges[0], std::make_pair(0, int(editor.text().indexOf("</body>"))));
  EXPECT_EQ(rendered, ranges);
  editor.undo();
  EXPECT_EQ(editor.text(), page);

  // The handler box keeps the "()"; the Japanese button says "送信".
  setText("|");
  const InterfaceLanguageScope inJapanese(InterfaceLanguage::Japanese);
  dialogs.answerFormWith<FormValues>([](FormValues& v) { v.event.clear(); });
  commands.mmNewFormClick();
  EXPECT_EQ(dialogs.shownValues<FormValues>(1).handler, "check()");
  EXPECT_EQ(textWithCaret(), "<form>\r\n\r\n<input type = \"submit\" value = \"送信\">\r\n</form>\r\n|");
}

TEST_F(FormCommandsTest, DivisionRendersAndPaintsPastItsEnd) {
  setText("<p>Hi</p>");
  editor.select(3, 2);
  dialogs.answerFormWith<DivValues>([](DivValues& v) { v.align = "center"; });
  commands.mmDivClick();
  const QString div = "<div align = \"center\">Hi</div>";
  EXPECT_EQ(textWithCaret(), "<p>" + div + "|</p>");
  const int end = 3 + int(div.size());
  EXPECT_EQ(rendered, (std::vector<std::pair<int, int>>{{3, end + 1}}));
  EXPECT_EQ(ranges, (std::vector<std::pair<int, int>>{{3, end + 4}}));  // the text ends there

  // Without automatic colouring nothing is painted; the alignment is kept.
  settings.AutoRepaint = false;
  setText("|");
  dialogs.answerFormWith<DivValues>([](DivValues&) {});
  commands.mmDivClick();
  EXPECT_EQ(textWithCaret(), "<div align = \"center\"></div>|");
  EXPECT_EQ(ranges.size(), 1u);
}

// Each dialog gives back what it was shown, and every label has room for
// its whole text, in both languages; Clear empties the text boxes only.
TEST(FormDialogs, GiveBackWhatTheyWereShownAndTheirTextsFit) {
  const auto roundTrip = [](auto dialog, const auto& values) {
    dialog->showValues(values);
    dialog->show();
    EXPECT_EQ(dialog->values(), values);
    for (const QLabel* label : dialog->template findChildren<QLabel*>())
      EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
  };
  for (const InterfaceLanguage language : {InterfaceLanguage::English, InterfaceLanguage::Japanese}) {
    const InterfaceLanguageScope speaking(language);
    roundTrip(std::make_unique<TFormDialog>(), FormValues{"f", "a.cgi", "onKeyUp", "go()"});
    roundTrip(std::make_unique<TSingleLineInputDialog>(), SingleLineInputValues{"age", 8});
    roundTrip(std::make_unique<TTextArea>(), TextAreaValues{});
    roundTrip(std::make_unique<TSelectDialog>(), SelectValues{"fruit", 3, "apple\npear"});
    roundTrip(std::make_unique<TCheckDialog>(), CheckBoxValues{"q", "Yes"});
    roundTrip(std::make_unique<TDivDialog>(), DivValues{"right", "box", "class=\"x\""});
  }
  TSelectDialog select;
  select.showValues({"fruit", 3, "apple\npear"});
  QTest::mouseClick(select.Button2, Qt::LeftButton);
  EXPECT_EQ(select.values(), (SelectValues{"", 3, ""}));
  EXPECT_NE(select.result(), QDialog::Accepted);  // Clear does not close
  TCheckDialog check;
  check.showValues({"q", "Yes"});
  QTest::mouseClick(check.Button2, Qt::LeftButton);
  EXPECT_EQ(check.values(), (CheckBoxValues{"", ""}));
  TDivDialog division;
  QTest::mouseClick(division.CancelButton, Qt::LeftButton);
  EXPECT_EQ(division.result(), QDialog::Rejected);
}
