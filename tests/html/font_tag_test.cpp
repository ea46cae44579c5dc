// SPDX-License-Identifier: GPL-3.0-or-later
// The font element's text logic: where the command works, the font in force
// at the caret, and the mark-up written for the dialog's values.
#include "html/font_tag.h"

#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

const RgbColour kBlack{0, 0, 0};
const RgbColour kRed{255, 0, 0};

// The request of a new element around "Hello" in plain body text.
FontTagRequest helloRequest() {
  FontTagRequest request;
  request.content = QStringLiteral("Hello");
  request.documentFontName = request.face = request.faceInEffect = QStringLiteral("Doc Face");
  return request;
}

QString written(const FontTagRequest& request) {
  const std::optional<FontInsertion> insertion = FontTagInsertion(request);
  return insertion ? insertion->text : QStringLiteral("(nothing)");
}

}  // namespace

TEST(FontTag, CaretInsideAnOpeningTagFromAfterItsBracketToBeforeItsEnd) {
  const QString text = QStringLiteral("a<FONT color=\"red\">Hi</font><b>x</b><fontx>");
  EXPECT_FALSE(OpeningFontTagAt(text, 1));  // before "<"
  for (int caret : {2, 10, 18}) {           // after "<", in the value, before ">"
    const std::optional<TagRange> tag = OpeningFontTagAt(text, caret);
    ASSERT_TRUE(tag) << caret;
    EXPECT_EQ(text.mid(tag->start, tag->end - tag->start), "<FONT color=\"red\">");
  }
  EXPECT_FALSE(OpeningFontTagAt(text, 19));  // after ">"
  EXPECT_FALSE(OpeningFontTagAt(text, 30));  // inside "<b>"
  EXPECT_FALSE(OpeningFontTagAt(text, 38));  // inside "<fontx>"
  EXPECT_FALSE(OpeningFontTagAt(QStringLiteral("<font size=2 <b>"), 6));  // another tag starts first
}

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

// The plain cases of the written element are checked through the command.
TEST(FontTag, WrittenElementHoldsOnlyWhatDiffersFromTheFontInForce) {
  // A colour the table does not name, and the whole text after a line break.
  FontTagRequest request = helloRequest();
  request.colour = {0x12, 0x34, 0xAB};
  request.wholeText = true;
  const std::optional<FontInsertion> insertion = FontTagInsertion(request);
  ASSERT_TRUE(insertion);
  EXPECT_EQ(insertion->text, "<font color=\"#1234AB\" >\r\nHello</font>");
  EXPECT_EQ(insertion->openingLength, 23);
  EXPECT_EQ(insertion->closingLength, 7);

  // Nothing differs, or the face is empty or the document's own.
  request = helloRequest();
  request.face.clear();
  EXPECT_EQ(written(request), "(nothing)");
  EXPECT_EQ(FontSizeText(-2), "-2");
}
