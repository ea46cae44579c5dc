// SPDX-License-Identifier: GPL-3.0-or-later
// Keys typed into the editor as a user types them, with the handlers wired
// as the window wires them.
#include "editing/editing_fixture.h"
#include "editing/indentation.h"
#include "editing/virtual_keys.h"

#include <QTest>

using namespace wrenpad;
using namespace wrenpad::test;

namespace {

struct Keys : EditingFixture {
  QWidget* view() { return editor.widget(); }
  void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(view(), key, modifiers);
  }
};

const QColor kBlue(0, 0, 255);

}  // namespace

TEST_F(Keys, EnterInsertsBreakTagAsTheButtonSaysShiftInvertsItAndNeverInPlainTextOrTheHead) {
  setText("<body>\r\none|");
  settings.AutoBR = false;
  press(Qt::Key_Return);
  EXPECT_EQ(textWithCaret(), "<body>\r\none\r\n|");
  press(Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(textWithCaret(), "<body>\r\none\r\n<br>\r\n|");
  EXPECT_EQ(colourAt(13), kBlue);  // the "<br>" is coloured as a tag

  settings.AutoBR = true;
  setText("<body>\r\none|");
  press(Qt::Key_Return);
  EXPECT_EQ(textWithCaret(), "<body>\r\none<br>\r\n|");
  press(Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(textWithCaret(), "<body>\r\none<br>\r\n\r\n|");

  // Never in plain text, nor in the head (the caret context's own cases tell
  // the head and scripts apart).
  document.DocumentMode = kTextMode;
  setText("x|");
  press(Qt::Key_Return);
  EXPECT_EQ(editor.text(), "x\r\n");

  // Enter at once after the caret moved into the head: no tick has looked
  // at the new place yet, and still no "<br>".
  document.DocumentMode = kHtmlMode;
  setText("<html><head>\r\n<title>x</title>\r\n</head>\r\n<body>|");
  keys.Timer5Timer();  // the last look saw the body
  editor.setSelStart(21);
  press(Qt::Key_Return);
  EXPECT_FALSE(editor.text().contains("<br>"));
}

TEST_F(Keys, TabIndentsAtTheCaretOrOverThreeWholeLinesAndShiftTabTakesItBack) {
  settings.TabWidth = 2;
  setText("ab|c");
  press(Qt::Key_Tab);
  EXPECT_EQ(textWithCaret(), "ab  |c");

  const QString lines = "l1\r\nl2\r\nl3\r\nl4";
  setText(lines);
  editor.select(0, 12);  // the selection ends at the start of the fourth line
  press(Qt::Key_Tab);
  EXPECT_EQ(editor.text(), "  l1\r\n  l2\r\n  l3\r\nl4");
  EXPECT_EQ(editor.selText(), "l1\r\n  l2\r\n  l3\r\n");
  press(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(editor.text(), lines);
  EXPECT_EQ(editor.selText(), "l1\r\nl2\r\nl3\r\n");

  // Shift let go before Tab: the press decided, so it still outdents. Only
  // lines that start with the full indent lose it.
  setText("  a\r\n b\r\n  c\r\nd");
  editor.select(0, 14);
  QTest::keyPress(view(), Qt::Key_Backtab, Qt::ShiftModifier);
  QTest::keyRelease(view(), Qt::Key_Shift, Qt::NoModifier);
  QTest::keyRelease(view(), Qt::Key_Tab, Qt::NoModifier);
  EXPECT_EQ(editor.text(), "a\r\n b\r\nc\r\nd");
  EXPECT_EQ(editor.selText(), "a\r\n b\r\nc\r\n");
}

TEST_F(Keys, EnterInAProgramCarriesTheLeadingBlanksOver) {
  document.DocumentMode = kProgramMode;
  setText("int main() {\r\n    x = 1;|\r\n}");
  press(Qt::Key_Return);
  EXPECT_EQ(textWithCaret(), "int main() {\r\n    x = 1;\r\n    |\r\n}");
  // Tabs do not count, and a line of blanks keeps one character back.
  EXPECT_EQ(LeadingBlanksToCarry("\tx"), 0);
  EXPECT_EQ(LeadingBlanksToCarry("    "), 3);
  EXPECT_EQ(LeadingBlanksToCarry(" "), 0);
}

TEST_F(Keys, ATagIsColouredWhenItsClosingBracketIsTypedAndTextAfterItIsNot) {
  setText("<p>|</p>");
  QTest::keyClicks(view(), "<b");
  EXPECT_TRUE(singleTags.empty());
  QTest::keyClicks(view(), ">");
  EXPECT_EQ(singleTags, (std::vector<std::pair<int, int>>{{3, 6}}));
  EXPECT_EQ(colourAt(3), kBlue);
  QTest::keyClicks(view(), "xy");
  EXPECT_EQ(editor.text(), "<p><b>xy</p>");
  EXPECT_EQ(colourAt(6), QColor(Qt::black));
  EXPECT_EQ(*attributesAt(6).fontName, "Page Face");

  // At the very end of the text, with no tag after the caret, as well.
  setText("|");
  QTest::keyClicks(view(), "<i>z");
  EXPECT_EQ(colourAt(1), kBlue);
  EXPECT_EQ(colourAt(3), QColor(Qt::black));
}

TEST_F(Keys, CtrlSpaceTheMenuKeyAndShiftF10OpenThePopupMenuAndTypeNothing) {
  setText("ab|");
  press(Qt::Key_Space, Qt::ControlModifier);
  press(Qt::Key_Menu);
  press(Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_EQ(host.popups.size(), 3u);
  press(Qt::Key_F10);  // F10 without Shift opens nothing
  EXPECT_EQ(host.popups.size(), 3u);
  EXPECT_EQ(editor.text(), "ab");
}

TEST_F(Keys, KeysStopTheTimersAndTheReleaseShowsTheLineAndRestartsTheCaretContext) {
  setText("a\r\nb|");
  host.running = {2, 5};
  host.started.clear();
  press(Qt::Key_Left);
  EXPECT_EQ(host.started, QList<int>{5});  // restarted by the release
  EXPECT_EQ(host.lineNumber, "2");
  host.started.clear();
  int key = vk::Ctrl;
  keys.keyDown(key, vk::CtrlBit);
  EXPECT_EQ(host.started, QList<int>{2});  // the undo snapshot is put off, not cancelled
  EXPECT_FALSE(host.running.contains(5));

  // A click moves the caret first; the line-number box follows it.
  setText("a\r\nb\r\nc");
  editor.setSelStart(6);
  keys.EditorMouseDown();
  EXPECT_EQ(host.lineNumber, "2");
  QCoreApplication::processEvents();
  EXPECT_EQ(host.lineNumber, "3");
  EXPECT_TRUE(host.running.contains(5));
}
