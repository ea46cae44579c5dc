// SPDX-License-Identifier: GPL-3.0-or-later
// The Form submenu and the division command on the editor, with their
// dialogs answered by script, the dialogs themselves, and the mark-up as
// written.
#include "editing/editing_fixture.h"
#include "html/form_commands.h"
#include "html/form_markup.h"
#include "text/translation.h"

#include <QComboBox>
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
  FormCommands commands{FormCommandsContext{
      editor, dialogs, document, settings, formDialog, singleLineDialog, textAreaDialog, selectDialog,
      checkDialog, divDialog, painting, [](int) {}}};
};

const QString kInput = "<input type = \"text\" name = \"age\" size = \"80\"><br>\r\n";
const QString kScript = "<script><!--\r\n// -->\r\n</script>\r\n";
const QString kFunction = "  function check()\r\n  {\r\n  }\r\n";
const FormValues kWithEvent{"", "", "onClick", "check"};
const QString kButton = "<input type = \"submit\" value = \"Submit\" onClick = \"check\">\r\n</form>\r\n";

}  // namespace

TEST_F(FormCommandsTest, ReplacesTheSelectionColoursItAndRemembersTheValues) {
  setText("<body>\r\nold</body>");
  editor.select(8, 3);
  dialogs.answerFormWith<SingleLineInputValues>([](SingleLineInputValues& v) { v.fieldName = "age"; });
  commands.mmSingleLineInputClick();
  EXPECT_EQ(textWithCaret(), "<body>\r\n" + kInput + "|</body>");
  ASSERT_EQ(ranges.size(), 1u);
  EXPECT_EQ(ranges[0], std::make_pair(8, 8 + int(kInput.size())));
  EXPECT_TRUE(rendered.empty());
  editor.undo();  // one edit
  EXPECT_EQ(editor.text(), "<body>\r\nold</body>");

  // Shown again as confirmed; Cancel changes nothing.
  setText("a|b");
  commands.mmSingleLineInputClick();
  EXPECT_EQ(dialogs.shownValues<SingleLineInputValues>(1).fieldName, "age");
  EXPECT_EQ(textWithCaret(), "a|b");
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
  const QString form = "<form>\r\n\r\nHi<input type = \"submit\" value = \"Submit\" onClick = \"check\">\r\n</form>\r\n";
  EXPECT_EQ(textWithCaret(), "<script><!--\r\n" + kFunction + "// -->\r\n</script>\r\n<body>" + form + "|</body>");
  // Painted from the script element (a painter must start outside it) to
  // the end of the form; the rewritten stretch is rendered again as well.
  ASSERT_EQ(ranges.size(), 1u);
  EXPECT_EQ(ranges[0], std::make_pair(0, int(editor.text().indexOf("</body>"))));
  EXPECT_EQ(rendered, ranges);
  editor.undo();
  EXPECT_EQ(editor.text(), page);
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

// Each dialog gives back what it was shown, in both languages; Clear
// empties the text boxes only.
TEST(FormDialogs, GiveBackWhatTheyWereShown) {
  const auto roundTrip = [](auto dialog, const auto& values) {
    dialog->showValues(values);
    dialog->show();
    EXPECT_EQ(dialog->values(), values);
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
}

// Inputs, check boxes, divisions and selection lists as written; typed values escaped.
TEST(FormMarkup, ElementsAsWritten) {
  const std::pair<QString, QString> cases[] = {
      {SingleLineInputMarkup({"\"", 8}), "<input type = \"text\" name = \"&quot;\" size = \"8\"><br>\r\n"},
      {TextAreaMarkup(TextAreaValues{}), "<textarea name = \"TextArea1\" rows = \"5\" cols = \"50\"></textarea>\r\n"},
      {CheckBoxesMarkup({"q", "Yes\nNo"}),
       "<input type = \"checkbox\" name = \"q_1\">Yes<br>\r\n<input type = \"checkbox\" name = \"q_2\">No<br>\r\n"},
      {CheckBoxesMarkup({"a&b", "はい <b>"}), "<input type = \"checkbox\" name = \"a&amp;b_1\">はい &lt;b&gt;<br>\r\n"},
      {DivMarkup({"center", "box1", "class=\"x\""}, "Hi"), "<div align = \"center\" id = \"box1\" class=\"x\">Hi</div>"},
      {DivMarkup({}, ""), "<div></div>"},
      {SelectMarkup({"say \"hi\"", 1, "<x>&"}),
       "<select name = \"say &quot;hi&quot;\">\r\n  <option>&lt;x&gt;&amp;</option>\r\n</select><br>\r\n"},
      // A break at the end starts no option; an empty line inside gives an empty one.
      {SelectMarkup({"fruit", 3, "a\r\n\r\nb\n"}), "<select name = \"fruit\" size = \"3\">\r\n  <option>a</option>\r\n"
                                                  "  <option></option>\r\n  <option>b</option>\r\n</select><br>\r\n"},
      {SelectMarkup({"fruit", 3, ""}), "<select name = \"fruit\" size = \"3\">\r\n</select><br>\r\n"},
  };
  for (const auto& [actual, expected] : cases) EXPECT_EQ(actual, expected);
  EXPECT_EQ(MemoLines("\n"), QStringList{""});
  FormValues form;
  form.name = "f\"1";
  form.submittedTo = "run.cgi?a=1&b=2";
  EXPECT_TRUE(FormElement(form, "").startsWith("<form name = \"f&quot;1\" action = \"run.cgi?a=1&amp;b=2\""));
}

TEST(FormMarkup, HandlerFunctionAfterOrInsideTheSelection) {
  // The script ends after the form: the selection stays where it is.
  const QString text = "<body>Hi\r\n" + kScript;
  const int marker = int(text.indexOf("// -->"));
  const NewFormEdit edit = NewFormMarkup(kWithEvent, text, 6, 2);
  QString after = text;
  after.replace(edit.start, edit.length, edit.replacement);
  const QString form = "<form>\r\n\r\nHi" + kButton;
  EXPECT_EQ(after, "<body>" + form + "\r\n<script><!--\r\n" + kFunction + "// -->\r\n</script>\r\n");
  EXPECT_EQ(after.mid(edit.formStart, edit.formLength), form);

  // The selection holds the "// -->": the function goes along with it into the form.
  const NewFormEdit inside = NewFormMarkup(kWithEvent, text, marker - 2, 8);
  EXPECT_EQ(inside.replacement, "<form>\r\n\r\n\r\n" + kFunction + "// -->" + kButton);

  // A handler typed with its brackets keeps them; an event without a handler
  // name writes no nameless function.
  FormValues handler = kWithEvent;
  handler.handler = "check()";
  EXPECT_EQ(NewFormMarkup(handler, text, 6, 2).function, kFunction);
  handler.handler.clear();
  EXPECT_EQ(NewFormMarkup(handler, text, 6, 2).functionAt, -1);
}
