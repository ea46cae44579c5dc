// SPDX-License-Identifier: GPL-3.0-or-later
// Keys typed in the moment between the window showing and the file named on
// the command line being read: none is lost, and they land in the loaded
// document in the order typed, from the caret the load leaves.
#include "editor/editor_control.h"
#include "window/main_window.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

void typeJapanese(QWidget& widget, const QString& text) {
  QInputMethodEvent commit;
  commit.setCommitString(text);
  QApplication::sendEvent(&widget, &commit);
}

struct TypedBeforeLoad : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main;

  void SetUp() override {
    folder.write("memo.txt", "hello\r\n");
    main = test::startWindow(folder, dialogs, {"memo.txt"}, test::kEnglishSettings);
    ASSERT_TRUE(main->startupOpenPending());
    QWidget& editor = *main->editor().widget();
    QTest::keyClicks(&editor, "ab");
    typeJapanese(editor, QString::fromUtf8("日本"));
    QTest::keyClick(&editor, Qt::Key_Return);
    QTest::keyClicks(&editor, "c");
  }
  void TearDown() override { test::closeWithoutSaving(*main); }
};

}  // namespace

TEST_F(TypedBeforeLoad, AreTypedIntoTheLoadedDocumentAtItsStart) {
  // Nothing reaches the empty document that the file is about to replace.
  EXPECT_EQ(main->editor().text(), "");
  main->Timer1Timer();
  EXPECT_FALSE(main->startupOpenPending());
  EXPECT_EQ(main->editor().text(), QString::fromUtf8("ab日本\r\nchello\r\n"));
  EXPECT_EQ(main->editor().selStart(), 7);
  EXPECT_TRUE(main->editor().isModified());
  // Once the file is in, keys go straight to the editor again.
  QTest::keyClicks(main->editor().widget(), "d");
  EXPECT_EQ(main->editor().text(), QString::fromUtf8("ab日本\r\ncdhello\r\n"));
}

TEST_F(TypedBeforeLoad, ComeBeforeACommandThatLoadsTheFileEarly) {
  // Select All from the menu reads the file, types the kept keys, then selects.
  main->action("mmSelectAll")->trigger();
  EXPECT_EQ(main->editor().text(), QString::fromUtf8("ab日本\r\nchello\r\n"));
  EXPECT_EQ(main->editor().selLength(), main->editor().textLength());
}
