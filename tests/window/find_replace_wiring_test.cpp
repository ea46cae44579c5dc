// SPDX-License-Identifier: GPL-3.0-or-later
// Find and Replace as the window offers them: the menu items and short-cuts
// open the dialogs, Ctrl+V belongs to the dialogs while one is open, and
// Replace All leaves a program coloured.
#include "editing/find_replace.h"
#include "support/document_window.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct FindReplaceWiring : test::DocumentWindow {
  void SetUp() override {
    folder.write("KeyWords_cpp.ini", "return\r\n");
    DocumentWindow::SetUp();
    QApplication::setActiveWindow(main.get());
  }
  QKeySequence pasteKeys() { return main->action("mmPaste")->shortcut(); }
};

TEST_F(FindReplaceWiring, TheDialogsTakeCtrlVWhileOpenAndReplaceAllRecolours) {
  open("r.c", "int f() {\r\n  retrn 1;\r\n  retrn 2;\r\n}\r\n");
  main->action("mmFind")->trigger();
  EXPECT_TRUE(dialogs.asked.contains("modeless: FindDialog"));
  EXPECT_TRUE(pasteKeys().isEmpty());
  main->action("tbReplace")->trigger();
  EXPECT_TRUE(dialogs.asked.contains("modeless: ReplaceDialog"));
  main->findReplace().serveFindDialog({FindRequest::Kind::Closed, {}});
  EXPECT_TRUE(pasteKeys().isEmpty());  // the Replace dialog is still open

  main->editor().setSelStart(0);
  main->findReplace().serveReplaceDialog({FindRequest::Kind::ReplaceAll, {"retrn", "return", false}});
  EXPECT_EQ(main->editor().text(), "int f() {\r\n  return 1;\r\n  return 2;\r\n}\r\n");
  EXPECT_EQ(pasteKeys(), QKeySequence("Ctrl+V"));  // Replace All closed the last dialog

  auto* view = qobject_cast<QPlainTextEdit*>(main->editor().widget());
  QTextCursor cursor(view->document()->findBlockByNumber(2));
  cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 3);
  EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(0, 0, 255));

  main->editor().undo();  // one step takes the whole replacement back
  EXPECT_EQ(main->editor().text(), "int f() {\r\n  retrn 1;\r\n  retrn 2;\r\n}\r\n");
}

}  // namespace
