// SPDX-License-Identifier: GPL-3.0-or-later
// The HTML menu's commands on the editor: the worked examples of each.
#include "editing/editing_fixture.h"

using namespace wrenpad;
using namespace wrenpad::test;

namespace {
const QColor kBlue(0, 0, 255);
const QColor kGrey(128, 128, 128);
}  // namespace

TEST_F(EditingFixture, BoldWrapsTheSelectionOrInsertsAnEmptyPairAndInAnOpenTagRemovesIt) {
  setText("x|y");
  html.mmBoldClick();
  EXPECT_EQ(textWithCaret(), "x<b></b>|y");
  EXPECT_EQ(ranges, (std::vector<std::pair<int, int>>{{1, 8}}));

  setText("abc");
  editor.selectAll();
  html.mmItalicClick();
  EXPECT_EQ(textWithCaret(), "<i>abc</i>|");

  setText("a <b>bo|ld</b> c");
  keys.UpdateCaretContext();
  ASSERT_TRUE(caret.InBold);
  html.mmBoldClick();
  EXPECT_EQ(textWithCaret(), "a bo|ld c");
  EXPECT_FALSE(caret.InBold);
  EXPECT_FALSE(marks.bold);
  // No "</b>" after the caret: the text stays as it is.
  setText("<b>bold|");
  caret.InBold = true;
  html.mmBoldClick();
  EXPECT_EQ(editor.text(), "<b>bold");

  document.DocumentMode = kTextMode;
  setText("x|");
  html.mmBoldClick();
  EXPECT_EQ(editor.text(), "x");
}

TEST_F(EditingFixture, SubscriptSuperscriptAndComment) {
  setText("2");
  editor.selectAll();
  html.mmSubscriptClick();
  EXPECT_EQ(textWithCaret(), "<font size = \"-2\">2</font>|");
  setText("2");
  editor.selectAll();
  html.mmSuperscriptClick();
  EXPECT_EQ(textWithCaret(), "<sup><font size = \"-2\">2</font></sup>|");

  setText("ax");
  editor.select(1, 1);
  html.mmCommentizeClick();
  EXPECT_EQ(textWithCaret(), "a<!-- x -->|");
  EXPECT_EQ(colourAt(1), kGrey);
  EXPECT_NE(colourAt(0), kGrey);
}

TEST_F(EditingFixture, CentreOnASelectionRightBetweenTwoBreakTagsAndInAHeading) {
  setText("Title");
  editor.selectAll();
  html.mmAlignCenterClick();
  EXPECT_EQ(textWithCaret(), "\r\n<center>Title</center>\r\n|");
  editor.setSelStart(12);
  EXPECT_EQ(editor.paragraphAlignment(), Alignment::Center);
  // Centre again inside it: the pair goes and the line is left-aligned.
  keys.UpdateCaretContext();
  html.mmAlignCenterClick();
  EXPECT_EQ(editor.text(), "\r\nTitle\r\n");
  EXPECT_EQ(editor.paragraphAlignment(), Alignment::Left);

  setText("text<br>\r\n|more<br>");
  keys.UpdateCaretContext();
  html.mmAlignRightClick();
  EXPECT_EQ(textWithCaret(), "text<p align = \"right\">\r\n|more</p>");
  EXPECT_EQ(caret.CurrentAlign, "right");
  EXPECT_EQ(editor.paragraphAlignment(), Alignment::Right);
  // Right again: the align goes.
  html.mmAlignRightClick();
  EXPECT_EQ(textWithCaret(), "text<p>\r\n|more</p>");

  // A heading takes the align in its opening tag.
  setText("<body>\r\n<h2>Ti|tle</h2>");
  keys.UpdateCaretContext();
  ASSERT_EQ(host.heading, 2);
  html.mmAlignRightClick();
  EXPECT_EQ(textWithCaret(), "<body>\r\n<h2 align = \"right\">Ti|tle</h2>");
  EXPECT_EQ(host.lineNumber, "2");  // the key handling looked at the caret again
}

TEST_F(EditingFixture, HeadingsAreAppliedOneTickAfterTheChoice) {
  setText("a\r\nIntro<br>|\r\nb");
  host.heading = 3;
  html.HeaderComboBoxChange();
  EXPECT_TRUE(host.running.contains(4));
  html.Timer4Timer();
  EXPECT_FALSE(host.running.contains(4));
  EXPECT_EQ(editor.text(), "a\r\n<h3>Intro</h3>\r\nb");
  EXPECT_EQ(ranges.back(), std::make_pair(3, 17));

  setText("<h3 align = \"center\">Intro</h3>|\r\nnext");
  host.heading = 0;
  html.Timer4Timer();
  EXPECT_EQ(textWithCaret(), "Intro|\r\nnext");  // the caret stays in its line

  // A caret that would land inside a character outside the BMP steps back.
  const QString face = QString::fromUcs4(U"\U0001F600");
  setText("<h3>a|" + face + "b" + face + "</h3>\r\nnext");
  host.heading = 0;
  html.Timer4Timer();
  EXPECT_FALSE(editor.selStart() > 0 && editor.text().at(editor.selStart() - 1).isHighSurrogate());
}

TEST_F(EditingFixture, BulletListOnSelectedLinesEndsInAnEmptyItem) {
  setText("a<br>\r\nb<br>");
  editor.selectAll();
  html.tbInsertListClick(ListKind::Bullet);
  EXPECT_EQ(textWithCaret(), "<ul>\r\n    <li>a\r\n    <li>b\r\n    <li>\r\n</ul>|");

  setText("x|");
  html.tbInsertListClick(ListKind::Numbered);
  EXPECT_EQ(textWithCaret(), "<ol>\r\n    <li>x|\r\n</ol>");
  EXPECT_EQ(colourAt(0), kBlue);
  EXPECT_NE(colourAt(14), kBlue);
}

TEST_F(EditingFixture, BreakModeTogglesAndIsShown) {
  html.mmBRClick();
  EXPECT_TRUE(settings.AutoBR);
  EXPECT_EQ(host.statesShown, 1);  // the item and the button show it
  html.mmBRClick();
  EXPECT_FALSE(settings.AutoBR);
}
