// SPDX-License-Identifier: GPL-3.0-or-later
// The compiler message pane in the window: shown for program documents only;
// a double click on a message line puts the caret on the place it names.
#include "editor/editor_control.h"
#include "documents/document_commands.h"
#include "programming/message_jump.h"
#include "window/main_window.h"
#include "support/window_fixture.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct MessagePaneInWindow : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main;
  void SetUp() override { main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings); }
  void TearDown() override { test::closeWithoutSaving(*main); }
  MessagePane* pane() { return main->findChild<MessagePane*>("CMsgWindow"); }
  // A double click in the middle of pane line `index`, as the user makes it.
  void doubleClickLine(int index) {
    const QTextBlock block = pane()->document()->findBlockByNumber(index);
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 3);
    const QPoint at = pane()->cursorRect(cursor).center();
    QTest::mouseDClick(pane()->viewport(), Qt::LeftButton, {}, at);
  }
};

TEST_F(MessagePaneInWindow, ShownForProgramsOnlyAndADoubleClickJumpsToTheMessagesPlace) {
  ASSERT_NE(pane(), nullptr);
  main->documents().OpenFile(folder.write("notes.txt", "words\r\n"));
  EXPECT_FALSE(pane()->isVisible());
  main->documents().OpenFile(folder.write("my prog.cpp", "int main() {\r\n  return 0\r\n}\r\n"));
  EXPECT_TRUE(pane()->isVisible());

  main->settings().PL = int(LanguageMode::Cpp);
  pane()->setPlainText("my prog.cpp: In function 'int main()':\n"
                       "my prog.cpp:2:11: error: expected ';' before '}' token\n");
  doubleClickLine(1);
  EXPECT_EQ(main->editor().lineFromPosition(main->editor().selStart()), 1);
  EXPECT_EQ(main->editor().selStart(), main->editor().positionOfLine(1) + 10);
  EXPECT_EQ(main->lineNumberText(), "2");

  // A line that names another file's place, or a number that cannot be
  // read, leaves the caret, and no box comes up.
  pane()->setPlainText("/usr/include/c++/12/bits/predefined_ops.h:45:23: error: no match\n");
  const int caret = main->editor().selStart();
  doubleClickLine(0);
  EXPECT_EQ(main->editor().selStart(), caret);
  main->settings().PL = int(LanguageMode::Pascal);
  pane()->setPlainText("prog.pas(x,3) Error: broken\n");
  doubleClickLine(0);
  EXPECT_EQ(main->editor().selStart(), caret);
  EXPECT_TRUE(dialogs.asked.isEmpty()) << dialogs.asked.join("\n").toStdString();

  main->documents().OpenFile(folder.write("page.htm", "<p>x</p>\r\n"));
  EXPECT_FALSE(pane()->isVisible());
}

}  // namespace
