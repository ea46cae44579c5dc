// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of the macro list's dialog: Tab and Ctrl+Tab leave the list,
// Ctrl+I types a tab into it, and Alt with its letter reaches the check box.
#include "editing/macro_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

TEST(MacroDialog, TabLeavesTheListCtrlITypesATabAndAltReachesTheCheckBox) {
  TMacroReplaceDialog dialog;
  dialog.showValues({QString(), QStringLiteral("a==>>b"), true});
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  auto* list = dialog.findChild<QPlainTextEdit*>("Memo");
  for (const Qt::KeyboardModifiers modifiers :
       {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ControlModifier)}) {
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Tab, modifiers);
    EXPECT_NE(QApplication::focusWidget(), list) << int(modifiers);
    EXPECT_EQ(dialog.list(), "a==>>b");
  }
  list->setFocus();
  list->moveCursor(QTextCursor::End);
  QTest::keyClick(list, Qt::Key_I, Qt::ControlModifier);
  EXPECT_EQ(dialog.list(), "a==>>b\t");
  EXPECT_EQ(QApplication::focusWidget(), list);

  auto* autoSave = dialog.findChild<QCheckBox*>("CheckBox1");
  ASSERT_TRUE(autoSave->isChecked());
  QTest::keyClick(list, Qt::Key_A, Qt::AltModifier);
  // A button's letter presses it as a click does, drawn pressed a moment first.
  EXPECT_TRUE(QTest::qWaitFor([autoSave] { return !autoSave->isChecked(); }, 2000));
}

}  // namespace
