// SPDX-License-Identifier: GPL-3.0-or-later
// Modify as a HTML file: the conversion of text and comma-separated files to
// a page, and the command with the page-settings dialog answered by script.
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "html/text_to_html.h"
#include "page/box_command.h"
#include "support/caret_text.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

using namespace wrenpad;
using namespace wrenpad::test;

namespace {

const QString kHead = QStringLiteral(
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n<html>\r\n<head>\r\n"
    "<meta http-equiv=\"content-type\" content=\"text/html; charset=UTF-8\">\r\n<title>T</title>\r\n");
const QString kStyle = QStringLiteral("<style>\r\n</style>\r\n");
const QString kBodyStart = QStringLiteral("</head>\r\n<body>\r\n");
const QString kTableStart = QStringLiteral("<table border = \"2\" cellspacing = \"2\" cellpadding = \"2\">\r\n<tr>\r\n<td>");
const HtmlSkeleton kPlain{"T", false, kStyle, false, "UTF-8"};

}  // namespace

// Typed text is escaped once: "&lt;" stays as typed.
TEST(TextToHtml, TextIsEscapedOnceAndCommaSeparatedFilesBecomeTables) {
  EXPECT_EQ(TextToHtmlBody("a<b> && &lt;\r\nc"), "a&lt;b&gt; &amp;&amp; &amp;lt;<br>\r\nc");
  const std::pair<const char*, const char*> cases[] = {
      {"1,,3\r\n,", "1<td><td>3\r\n<tr>\r\n<td><td>"},
      {"\"say \"\"hi\"\"\",\"\"\"\"", "say \"hi\"<td>\""},
      {"<b>,x&y,\"<i>, \"", "&lt;b&gt;<td>x&amp;y<td>&lt;i&gt;, "},
      {"\"two\r\nlines\",z\nw", "two<br>\r\nlines<td>z\r\n<tr>\r\n<td>w"},
      {"a\"b,\"open", "a\"b<td>open"},  // a quote inside a field, one left open
  };
  for (const auto& [csv, rows] : cases) EXPECT_EQ(CsvToHtmlRows(csv), rows) << csv;

  const HtmlConversion table = ConvertTextToHtml("1,2\r\n3,4", true, kPlain);
  EXPECT_EQ(table.page, kHead + kStyle + kBodyStart + kTableStart + "1<td>2\r\n<tr>\r\n<td>3<td>4" +
                            "</table>\r\n</body>\r\n</html>");
  // Two past the first tag's end would split the line break: the caret goes after it.
  EXPECT_EQ(table.page.mid(table.caret, 4), "<tr>");
  // The line break ending the file's last line starts no empty row.
  EXPECT_TRUE(ConvertTextToHtml("1,2\r\n3,4\r\n", true, kPlain).page.contains("<td>3<td>4\r\n</table>"));
}

// The page-settings dialog answered by script; the window's part recorded.
TEST(TextToHtmlCommand, OkWritesThePageAndMakesItAnHtmlDocument) {
  QWidget window;
  EditorControl editor{&window};
  ScriptedDialogs dialogs;
  DocumentState document;
  document.CurrentFolder = QStringLiteral("/tmp/docs");
  document.CurrentFileName = QStringLiteral("/tmp/docs/notes.txt");
  SessionState session;
  session.ChangeWatch = true;
  THtmlPageSetting form;
  QStringList calls;
  TextToHtmlCommand command{TextToHtmlContext{
      editor, dialogs, document, session, form, [] { return PageSettingValues{}; },
      [] { return QStringList{"Arial"}; }, [&] { calls << "font context"; },
      [&] {
        calls << "web page " + document.CurrentFileName;
        document.DocumentMode = kHtmlMode;
      },
      [&](const QString& name) { calls << "title " + name; }, [&] { calls << "templates"; },
      [&] {
        calls << "charset";
        return QStringLiteral("EUC-JP");
      },
      [&] { calls << "new document"; }}};

  setTextWithCaret(editor, "Fish & <chips>\r\nsecond|");
  dialogs.answerFormWith<PageSettingValues>([](PageSettingValues& v) { v.useJavaScript = true; });
  command.mmModifyAsHTMLfileClick();
  const PageSettingValues shown = dialogs.shownValues<PageSettingValues>();
  EXPECT_EQ(shown.title, "Fish &amp; &lt;chips&gt;");

  const QString body = "Fish &amp; &lt;chips&gt;<br>\r\nsecond";
  PageSettingValues chosen = shown;
  chosen.useJavaScript = true;
  // The page declares the code the document's save would have used, and is
  // a new document from then on.
  const QString head = HtmlPageHead({shown.title, true, PageStyleBlockFor(chosen), false, "EUC-JP"});
  EXPECT_EQ(editor.text(), head + body + "</body>\r\n</html>");
  EXPECT_EQ(calls, (QStringList{"font context", "charset", "new document", "templates", "web page Untitled.htm",
                                "title /tmp/docs/Untitled.htm"}));
  EXPECT_TRUE(session.ChangeWatch);

  // Now a page: the command does nothing.
  command.mmModifyAsHTMLfileClick();
  EXPECT_EQ(dialogs.asked.size(), 1u);
  // The conversion is one step of the editor's undo.
  editor.undo();
  EXPECT_EQ(editor.text(), "Fish & <chips>\r\nsecond");
}
