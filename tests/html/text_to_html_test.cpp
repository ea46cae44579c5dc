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
const QString kScript = QStringLiteral("<script language=\"JavaScript\"><!--\r\n\r\n// --></script>\r\n");
const QString kStyle = QStringLiteral("<style>\r\n</style>\r\n");
const QString kBodyStart = QStringLiteral("</head>\r\n<body>\r\n");
const QString kTableStart = QStringLiteral("<table border = \"2\" cellspacing = \"2\" cellpadding = \"2\">\r\n<tr>\r\n<td>");
const HtmlSkeleton kPlain{"T", false, kStyle, false, "UTF-8"};

QString pageOf(const QString& body) {
  return kHead + kStyle + kBodyStart + body + "</body>\r\n</html>";
}

}  // namespace

// Typed text is escaped once ("&lt;" stays as typed); a short body gets
// three line breaks, an escaped bracket is long enough on its own.
TEST(TextToHtml, TextBecomesEscapedBreakLines) {
  EXPECT_EQ(TextToHtmlBody("a<b> && &lt;\r\nc"), "a&lt;b&gt; &amp;&amp; &amp;lt;<br>\r\nc");
  const HtmlConversion page = ConvertTextToHtml("a<b\r\nc", false, kPlain);
  EXPECT_EQ(page.page, pageOf("a&lt;b<br>\r\nc"));
  // The caret stands at the start of the body's second line.
  EXPECT_EQ(page.page.mid(page.caret), "c</body>\r\n</html>");

  EXPECT_EQ(ConvertTextToHtml("", false, kPlain).page, pageOf("\r\n\r\n\r\n"));
  const HtmlConversion two = ConvertTextToHtml("ab", false, kPlain);
  EXPECT_EQ(two.page, pageOf("ab\r\n\r\n\r\n"));
  EXPECT_EQ(two.page.mid(two.caret, 3), "\r\n\r");  // no tag: two characters into the body
  EXPECT_EQ(ConvertTextToHtml("<", false, kPlain).page, pageOf("&lt;"));
}

TEST(TextToHtml, CommaSeparatedFilesBecomeTables) {
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

TEST(TextToHtml, TheSkeletonWithAndWithoutAScript) {
  EXPECT_EQ(HtmlPageHead(kPlain), kHead + kStyle + kBodyStart);
  EXPECT_EQ(HtmlPageHead({"T", true, kStyle, true, "UTF-8"}), kHead + kScript + kStyle + kBodyStart + kTableStart);
  // Without a code to declare, the meta tag names the content type alone.
  EXPECT_TRUE(HtmlPageHead({"T", false, kStyle, false, ""})
                  .contains("<meta http-equiv=\"content-type\" content=\"text/html\">\r\n"));
  EXPECT_EQ(HtmlDocumentName("Untitled.htm", ""), "Untitled.htm");
  EXPECT_EQ(HtmlDocumentName("/a/notes.txt", "/x"), "/a/notes.htm");
}

namespace {

struct TextToHtmlCommandTest : ::testing::Test {
  QWidget window;
  EditorControl editor{&window};
  ScriptedDialogs dialogs;
  DocumentState document;
  SessionState session;
  THtmlPageSetting form;
  QStringList calls;
  TextToHtmlCommand command{TextToHtmlContext{
      editor, dialogs, document, session, form, [] { return PageSettingValues{}; },
      [] { return QStringList{"Arial"}; }, [this] { calls << "font context"; },
      [this] {
        calls << "web page " + document.CurrentFileName;
        document.DocumentMode = kHtmlMode;
      },
      [this](const QString& name) { calls << "title " + name; }, [this] { calls << "templates"; },
      [this] {
        calls << "charset";
        return QStringLiteral("EUC-JP");
      },
      [this] { calls << "new document"; }}};

  TextToHtmlCommandTest() {
    document.CurrentFolder = QStringLiteral("/tmp/docs");
    document.CurrentFileName = QStringLiteral("/tmp/docs/notes.txt");
    session.ChangeWatch = true;
  }
};

}  // namespace

TEST_F(TextToHtmlCommandTest, OkWritesThePageAndMakesItAnHtmlDocument) {
  setTextWithCaret(editor, "Fish & <chips>\r\nsecond|");
  dialogs.answerFormWith<PageSettingValues>([](PageSettingValues& v) { v.useJavaScript = true; });
  command.mmModifyAsHTMLfileClick();
  const PageSettingValues shown = dialogs.shownValues<PageSettingValues>();
  EXPECT_EQ(shown.title, "Fish &amp; &lt;chips&gt;");
  EXPECT_EQ(shown.fontNames, QStringList{"Arial"});
  EXPECT_EQ(document.DocumentFontName, "ＭＳ Ｐゴシック");

  const QString body = "Fish &amp; &lt;chips&gt;<br>\r\nsecond";
  PageSettingValues chosen = shown;
  chosen.useJavaScript = true;
  // The page declares the code the document's save would have used, and is
  // a new document from then on.
  const QString head = HtmlPageHead({shown.title, true, PageStyleBlockFor(chosen), false, "EUC-JP"});
  EXPECT_TRUE(head.contains("content=\"text/html; charset=EUC-JP\""));
  EXPECT_EQ(editor.text(), head + body + "</body>\r\n</html>");
  EXPECT_EQ(editor.text().mid(editor.selStart()), "second</body>\r\n</html>");
  EXPECT_EQ(calls, (QStringList{"font context", "charset", "new document", "templates", "web page Untitled.htm",
                                "title /tmp/docs/Untitled.htm"}));
  EXPECT_EQ(document.CurrentFileName, "/tmp/docs/Untitled.htm");
  EXPECT_TRUE(session.ChangeWatch);

  // Now a page: the command does nothing.
  command.mmModifyAsHTMLfileClick();
  EXPECT_EQ(dialogs.asked.size(), 1u);
  // The conversion is one step of the editor's undo.
  editor.undo();
  EXPECT_EQ(editor.text(), "Fish & <chips>\r\nsecond");
}

TEST_F(TextToHtmlCommandTest, ACsvFileBecomesATable) {
  document.CurrentFileName = QStringLiteral("/tmp/docs/data.csv");
  setTextWithCaret(editor, "x,\"1,5\"\r\ny,2|");
  dialogs.answerFormWith<PageSettingValues>([](PageSettingValues&) {});
  command.mmModifyAsHTMLfileClick();
  EXPECT_TRUE(editor.text().contains(kTableStart + "x<td>1,5\r\n<tr>\r\n<td>y<td>2</table>\r\n</body>\r\n</html>"));
  EXPECT_EQ(document.CurrentFileName, "/tmp/docs/Untitled.htm");
}

TEST_F(TextToHtmlCommandTest, CancelKeepsTheTextButStillMakesAPage) {
  session.ChangeWatch = false;
  setTextWithCaret(editor, "ab\r\ncd|");
  command.mmModifyAsHTMLfileClick();  // cancelled
  EXPECT_EQ(editor.text(), "ab\r\ncd");
  EXPECT_EQ(editor.selStart(), 4);  // offset 3 splits the line break: after it
  EXPECT_EQ(calls, (QStringList{"font context", "charset", "new document", "web page Untitled.htm", "title /tmp/docs/Untitled.htm"}));
  EXPECT_EQ(document.DocumentMode, kHtmlMode);
  EXPECT_TRUE(session.ChangeWatch);

  // A document the window keeps as text is not renamed into the folder.
  TextToHtmlCommandTest::document.DocumentMode = kTextMode;
  calls.clear();
  setTextWithCaret(editor, "a|");
  TextToHtmlCommand stays{TextToHtmlContext{editor, dialogs, document, session, form, {}, {}, {}, {},
                                            [this](const QString& name) { calls << "title " + name; }, {}, {}, {}}};
  stays.mmModifyAsHTMLfileClick();
  EXPECT_EQ(document.CurrentFileName, "Untitled.htm");
  EXPECT_TRUE(calls.isEmpty());
  EXPECT_EQ(editor.selStart(), 1);
}
