// SPDX-License-Identifier: GPL-3.0-or-later
// The formatting open at the caret, and the buttons and items it sets.
#include "editing/caret_context.h"
#include "editing/editing_fixture.h"
#include "editing/link_target.h"
#include "support/temp_folder.h"

using namespace wrenpad;
using namespace wrenpad::test;

namespace {
CaretContext at(const QString& withCaret) {
  const int caret = int(withCaret.indexOf(u'|'));
  return AnalyseCaretContext(QString(withCaret).remove(caret, 1), caret);
}
}  // namespace

TEST(CaretContext, OpenInlineTagsScriptHeadAndAlign) {
  const CaretContext bold = at("<B>bold <i>it|</i></b>");
  EXPECT_TRUE(bold.inBold);
  EXPECT_TRUE(bold.inItalic);
  EXPECT_FALSE(bold.inUnderline);
  EXPECT_FALSE(at("<b>x</b> <u>y</u>|").inBold);

  EXPECT_TRUE(at("<script>\r\nvar a;|").inScript);
  EXPECT_TRUE(at("<script>\r\nvar a;|").inHeadOrScript);
  EXPECT_FALSE(at("<script>x</script>|").inScript);
  EXPECT_TRUE(at("<html><head>\r\n<title>|").inHeadOrScript);
  EXPECT_FALSE(at("<head></head>\r\n<body>|").inHeadOrScript);
  EXPECT_FALSE(at("plain text|").inHeadOrScript);

  // The align of the enclosing paragraph, division or heading.
  EXPECT_EQ(at("<p>a</p>\r\n<p align = \"right\">x|").currentAlign, "right");
  EXPECT_EQ(at("<p align=center>a</p> x|").currentAlign, "");
  // An align further in than a short look would reach.
  EXPECT_EQ(at("<p class=\"longer-name\" align=\"center\">x|").currentAlign, "center");
  EXPECT_EQ(at("<div align=right>\r\nx|").currentAlign, "right");

  const CaretContext heading = at("<body>\r\n<h2 align = \"center\">Ti|tle</h2>");
  EXPECT_EQ(heading.headingLevel, 2);
  EXPECT_EQ(heading.currentAlign, "center");
  EXPECT_EQ(at("<h3>x</h3>\r\ny|").headingLevel, 0);

  // "\u0130" lower-cases to two characters with QString::toLower.
  const QString many(12, QChar(0x130));
  EXPECT_EQ(at(many + "<div align=right>x|").currentAlign, "right");
  const CaretContext after = at(many + "<h3 align=left>T|");
  EXPECT_EQ(after.headingLevel, 3);
  EXPECT_EQ(after.currentAlign, "left");
}

TEST_F(EditingFixture, TheCaretContextPressesTheButtonsAndShowsTheItems) {
  setText("<table>\r\n<tr><td><b><p align = \"right\">x|");
  keys.Timer5Timer();
  EXPECT_TRUE(caret.InBold);
  EXPECT_TRUE(marks.bold);
  EXPECT_EQ(caret.CurrentAlign, "right");
  EXPECT_TRUE(marks.right);
  EXPECT_TRUE(marks.addRow);
  EXPECT_GE(host.statesShown, 1);

  setText("<h3>Head|ing</h3>");
  keys.Timer5Timer();
  EXPECT_EQ(host.heading, 3);
  EXPECT_FALSE(marks.right);
  EXPECT_FALSE(marks.addRow);

  // Text documents are not analysed.
  document.DocumentMode = kTextMode;
  setText("<b>x|");
  keys.Timer5Timer();
  EXPECT_FALSE(caret.InBold);
  EXPECT_FALSE(host.running.contains(5));
}

TEST_F(EditingFixture, TheLinkUnderTheCaretShowsTheOpenItemWhenThePageExists) {
  TempFolder folder;
  folder.write("other.htm", "<html></html>");
  document.CurrentFolder = folder.path();
  int key = 39;  // Right
  setText("<a href=\"other.htm|\">x</a>");
  keys.keyDown(key, 0);
  EXPECT_EQ(caret.LinkTarget, folder.file("other.htm"));
  EXPECT_TRUE(marks.linkOpen);

  setText("<a href=\"missing.htm|\">x</a>");
  keys.keyDown(key, 0);
  EXPECT_FALSE(marks.linkOpen);

  EXPECT_EQ(QuotedTextAtCaret("href=\"a.htm\"", 12), "a.htm");  // just after the closing quote
  EXPECT_FALSE(QuotedTextAtCaret("x\" and a long stretch of text until\"", 2).has_value());
}
