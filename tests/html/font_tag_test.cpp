// SPDX-License-Identifier: GPL-3.0-or-later
// The font element's text logic: the element the command works on and the
// font in force at the caret.
#include "html/font_tag.h"

#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

const RgbColour kBlack{0, 0, 0};
const RgbColour kRed{255, 0, 0};

}  // namespace

TEST(FontTag, MatchingCloseSkipsNestedElementsAtAnyDepth) {
  // Content starts after "<font>" at 6.
  const QString siblings = QStringLiteral("<font><font>a</font><font>b</font>c</font>d</font>");
  EXPECT_EQ(MatchingFontClose(siblings, 6), 35);
  const QString deep = QStringLiteral("<font><font><FONT>x</FONT></font>y</Font>z</font>");
  EXPECT_EQ(MatchingFontClose(deep, 6), 34);
  EXPECT_EQ(MatchingFontClose(QStringLiteral("<font>a<font>b</font>"), 6), -1);

  const FontTarget target = FontTargetAt(deep, 3, 0);
  EXPECT_TRUE(target.editing);
  EXPECT_EQ(target.replaceFrom, 0);
  EXPECT_EQ(deep.mid(target.contentStart, target.contentLength), "<font><FONT>x</FONT></font>y");
  const FontTarget selection = FontTargetAt(deep, 43, 1);
  EXPECT_FALSE(selection.editing);
  EXPECT_EQ(selection.contentStart, 43);
}

TEST(FontTag, FontInForceWalksOutwardThroughTheEnclosingTags) {
  const FontDefaults defaults{QStringLiteral("Doc Face"), 10, kBlack};
  const QString text = QStringLiteral(
      "<font face=\"Arial\" color=\"red\" size=\"4\">a<font size=\"-1\" color=\"#12\">b"
      "<font color=\"blue\">c</font>|d</font>e</font>f");
  const auto at = [&](const char* mark) { return int(text.indexOf(QLatin1String(mark))); };

  // At "|": the closed blue element is passed over; the inner size, the bad
  // colour skipped for the outer red, the outer face.
  CaretFont font = FontAtCaret(text, at("|"), defaults);
  EXPECT_EQ(font.face, "Arial");
  EXPECT_EQ(font.colour, kRed);
  EXPECT_EQ(font.sizePoints, 7);
  // In the outer element only: size 4 counts as one step up.
  EXPECT_EQ(FontAtCaret(text, at("e<"), defaults).sizePoints, 13);
  font = FontAtCaret(text, int(text.size()) - 1, defaults);  // at "f"
  EXPECT_EQ(font.face, "Doc Face");
  EXPECT_EQ(font.colour, kBlack);
  EXPECT_EQ(font.sizePoints, 10);
  // Inside an opening tag the tag is not yet in force.
  EXPECT_EQ(FontAtCaret(text, 5, defaults).face, "Doc Face");
  EXPECT_EQ(FontAtCaret(QStringLiteral("<font size=\"1\">x"), 16, defaults).sizePoints, 4);
}
