// SPDX-License-Identifier: GPL-3.0-or-later
// Macro lists applied to a text: plain rules, line breaks, appending, and
// the two wildcard forms, each rule making one pass. The keys of the macro
// list's dialog: Tab and Ctrl+Tab leave the list, Ctrl+I types a tab into
// it, and Alt with its letter reaches the check box.
#include "editing/macro_dialog.h"
#include "editing/macro_rules.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

QString apply(const QString& text, const QString& list) { return ApplyMacroRules(text, ParseMacroList(list)); }

TEST(MacroRules, ListsAreReadLineByLine) {
  EXPECT_EQ(ParseMacroList("a==>>b\r\nremark\nx==>>y==>>z\n==>>end"),
            (std::vector<MacroRule>{{"a", "b"}, {"x", "y==>>z"}, {"", "end"}}));
  EXPECT_EQ(ParseMacroList("a==>>" + QString(1200, 'x')).front().right.size(), 1000);
}

TEST(MacroRules, PlainRulesLineBreaksAndAppending) {
  EXPECT_EQ(apply("<B>bold</B> <b>x</b>", "<B>==>><b>\n</B>==>></b>"), "<b>bold</b> <b>x</b>");
  EXPECT_EQ(apply("one\\ntwo", "\\n==>>"), "onetwo");  // the two characters themselves
  EXPECT_EQ(apply("a\r\nb", "a\\nb==>>ab"), "ab");
  EXPECT_EQ(apply("text", "q==>>y\n==>>\\nthe end"), "text\r\nthe end");
  EXPECT_EQ(apply("text", "==>>not last\nt==>>T"), "TexT");  // an empty left side elsewhere does nothing
  // A rule whose right side holds its left side makes one pass.
  EXPECT_EQ(apply("a b a", "a==>>aa"), "aa b aa");
}

TEST(MacroRules, WildcardsMoveTheWordAroundTheStar) {
  EXPECT_EQ(apply("int count;\r\nint total  = 0;", "int*==>>*_i"), " count_i;\r\n total_i  = 0;");
  EXPECT_EQ(apply("x  name.txt end", "*.txt==>>file:*"), "x  file:name end");
  EXPECT_EQ(apply("a\r\nb.txt", "*.txt==>>f*"), "a\r\nfb");
  // Bringing back its own prefix or suffix does not repeat without end.
  EXPECT_EQ(apply("ab ab;", "ab*==>>*ab"), " abab;");
  EXPECT_EQ(apply("x.c", "*.c==>>.c*"), ".cx");
}

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
}  // namespace wrenpad
