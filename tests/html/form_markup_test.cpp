// SPDX-License-Identifier: GPL-3.0-or-later
// The mark-up of the Form submenu and of the division element.
#include "html/form_markup.h"

#include <gtest/gtest.h>

using namespace wrenpad;

// Inputs, check boxes, divisions and selection lists as written; typed values escaped.
TEST(FormMarkup, ElementsAsWritten) {
  const std::pair<QString, QString> cases[] = {
      {SingleLineInputMarkup({"age", 80}), "<input type = \"text\" name = \"age\" size = \"80\"><br>\r\n"},
      {SingleLineInputMarkup({}), "<input type = \"text\" name = \"\" size = \"80\"><br>\r\n"},
      {SingleLineInputMarkup({"\"", 8}), "<input type = \"text\" name = \"&quot;\" size = \"8\"><br>\r\n"},
      {TextAreaMarkup(TextAreaValues{}), "<textarea name = \"TextArea1\" rows = \"5\" cols = \"50\"></textarea>\r\n"},
      {CheckBoxesMarkup({"q", "Yes\nNo"}),
       "<input type = \"checkbox\" name = \"q_1\">Yes<br>\r\n<input type = \"checkbox\" name = \"q_2\">No<br>\r\n"},
      {CheckBoxesMarkup({"q", ""}), ""},
      {CheckBoxesMarkup({"a&b", "はい <b>"}), "<input type = \"checkbox\" name = \"a&amp;b_1\">はい &lt;b&gt;<br>\r\n"},
      {DivMarkup({"center", "box1", "class=\"x\""}, "Hi"), "<div align = \"center\" id = \"box1\" class=\"x\">Hi</div>"},
      {DivMarkup({}, ""), "<div></div>"},
      {SelectMarkup({"say \"hi\"", 1, "<x>&"}),
       "<select name = \"say &quot;hi&quot;\">\r\n  <option>&lt;x&gt;&amp;</option>\r\n</select><br>\r\n"},
      {SelectMarkup({"fruit", 1, "apple\npear"}),
       "<select name = \"fruit\">\r\n  <option>apple</option>\r\n  <option>pear</option>\r\n</select><br>\r\n"},
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

namespace {

const QString kScript = "<script><!--\r\n// -->\r\n</script>\r\n";
const QString kFunction = "  function check()\r\n  {\r\n  }\r\n";
const FormValues kWithEvent{"", "", "onClick", "check"};
const QString kButton = "<input type = \"submit\" value = \"Submit\" onClick = \"check\">\r\n</form>\r\n";

}  // namespace

TEST(FormMarkup, HandlerFunctionAfterOrInsideTheSelection) {
  // The script ends after the form: the selection stays where it is.
  const QString text = "<body>Hi\r\n" + kScript;
  const int marker = int(text.indexOf("// -->"));
  const NewFormEdit edit = NewFormMarkup(kWithEvent, text, 6, 2);
  QString after = text;
  after.replace(edit.start, edit.length, edit.replacement);
  const QString form = "<form>\r\n\r\nHi" + kButton;
  EXPECT_EQ(after, "<body>" + form + "\r\n<script><!--\r\n" + kFunction + "// -->\r\n</script>\r\n");
  EXPECT_EQ(edit.formStart, 6);
  EXPECT_EQ(after.mid(edit.formStart, edit.formLength), form);

  // The selection holds the "// -->": the function goes along with it into the form.
  const NewFormEdit inside = NewFormMarkup(kWithEvent, text, marker - 2, 8);
  EXPECT_EQ(inside.replacement, "<form>\r\n\r\n\r\n" + kFunction + "// -->" + kButton);
  EXPECT_EQ(inside.start, marker - 2);
  EXPECT_EQ(inside.length, 8);

  // A handler typed with its brackets keeps them; an event without a handler
  // name writes no nameless function.
  FormValues handler = kWithEvent;
  handler.handler = "check()";
  EXPECT_EQ(NewFormMarkup(handler, text, 6, 2).function, kFunction);
  handler.handler.clear();
  EXPECT_EQ(NewFormMarkup(handler, text, 6, 2).functionAt, -1);
}
