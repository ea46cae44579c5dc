// SPDX-License-Identifier: GPL-3.0-or-later
// How the window shows what the programming commands decided: menus, keys
// and captions follow the document, the message pane shows for programs
// only, a double click in it marks the line beside the text, and another
// document takes the mark away. The commands' own logic is tested on a
// fake host in the programming room.
#include "documents/document_kind.h"
#include "editor/line_number_gutter.h"
#include "programming/message_pane.h"
#include "programming/program_commands.h"
#include "programming/tool_profile.h"
#include "support/document_window.h"

#include <QAction>
#include <QTest>
#include <QTextBlock>

using namespace wrenpad;

namespace {

struct ProgramWiring : test::DocumentWindow {
  QAction* item(const char* name) { return main->action(QString::fromLatin1(name)); }
  // Double-clicks the pane's line `index` a few characters in.
  void doubleClickLine(MessagePane& pane, int index) {
    QTextCursor cursor(pane.document()->findBlockByNumber(index));
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 3);
    QTest::mouseDClick(pane.viewport(), Qt::LeftButton, {}, pane.cursorRect(cursor).center());
  }
};

TEST_F(ProgramWiring, MenusPaneAndMarkFollowTheDocument) {
  auto* pane = main->findChild<MessagePane*>("CMsgWindow");
  ASSERT_NE(pane, nullptr);
  const struct {
    const char* name;
    QByteArray text;
    bool compiles, paneShown;
    const char* f9;  // the command F9 belongs to
    const char* coding;
  } rows[] = {
      {"calc.cpp", "int main() {}\r\n", true, true, "mmCompile_and_Execute", "&C/C++"},
      {"calc.h", "int f();\r\n", false, true, nullptr, "&C/C++"},
      {"form.cgi", "print 1;\r\n", true, true, "mmCompile_and_Execute", "&Perl"},
      {"page.htm", "<p>x</p>\r\n", false, false, "mmDisplayAsWebPage", "&Perl"},
      {"notes.txt", "words\r\n", false, false, nullptr, "&Perl"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    open(row.name, row.text);
    EXPECT_EQ(item("tbCompile")->isVisible(), row.compiles);
    EXPECT_EQ(pane->isVisible(), row.paneShown);
    EXPECT_EQ(item("mmCompile_and_Execute")->shortcut() == QKeySequence(Qt::Key_F9),
              row.f9 && QByteArray(row.f9) == "mmCompile_and_Execute");
    EXPECT_EQ(item("mmDisplayAsWebPage")->shortcut() == QKeySequence(Qt::Key_F9),
              row.f9 && QByteArray(row.f9) == "mmDisplayAsWebPage");
    EXPECT_EQ(item("mmCoding")->text(), row.coding);
    EXPECT_EQ(item("mmCoding")->isEnabled(), !QByteArray(row.name).endsWith(".htm"));
  }
  EXPECT_EQ(item("mmSetCompiler")->text(), "&Set Perl Test-server");

  open("my prog.cpp", "int main() {\r\n  return 0\r\n}\r\n");
  const LineNumberGutter& gutter = LineNumberGutter::of(main->editor());
  pane->setPlainText("my prog.cpp: In function 'int main()':\n"
                     "my prog.cpp:2:11: error: expected ';' before '}' token\n");
  doubleClickLine(*pane, 1);
  EXPECT_EQ(main->editor().selStart(), main->editor().positionOfLine(1) + 10);
  EXPECT_EQ(main->lineNumberText(), "2");
  EXPECT_EQ(gutter.errorLine(), 1);
  open("other.cpp", "int main() { return 0; }\r\n");
  EXPECT_EQ(gutter.errorLine(), std::nullopt);
  EXPECT_TRUE(dialogs.asked.isEmpty()) << dialogs.asked.join("\n").toStdString();
}

// Check Page (F8) shows the pane on a page, the caret on the error though a
// warning comes first; the pane goes with the page's mode, and stays gone
// when the mode comes back, and with the next document.
TEST_F(ProgramWiring, CheckPageShowsThePaneForThePageOnly) {
  auto* pane = main->findChild<MessagePane*>("CMsgWindow");
  for (const bool nextDocument : {false, true}) {
    open("page.htm", "<!DOCTYPE html>\r\n<title>t</title>\r\n<p>x<zz>y</p>\r\n");
    EXPECT_EQ(item("mmCheckPage")->shortcut(), QKeySequence(Qt::Key_F8));
    item("mmCheckPage")->trigger();
    EXPECT_TRUE(pane->isVisible());
    EXPECT_EQ(main->editor().selStart(), main->editor().positionOfLine(2) + 4) << pane->toPlainText().toStdString();
    if (nextDocument) {
      open("notes.txt", "words\r\n");
    } else {
      main->document().DocumentMode = kTextMode;
      main->showCommandStates();
      EXPECT_FALSE(pane->isVisible());
      main->document().DocumentMode = kHtmlMode;
      main->showCommandStates();
    }
    EXPECT_FALSE(pane->isVisible());
  }
}

}  // namespace
