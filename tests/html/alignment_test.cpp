// SPDX-License-Identifier: GPL-3.0-or-later
// Alignment as mark-up: the four cases, and the texts that give no safe
// place, which must stay as they are; the other small commands' mark-up
// where a character changes length in lower case; and the font element's
// text logic: the element the Font command works on and the font in force
// at the caret.
#include "text/text_change.h"
#include "html/alignment.h"
#include "html/font_tag.h"
#include "html/headings.h"
#include "html/lists.h"
#include "html/markup.h"

#include <gtest/gtest.h>

using namespace wrenpad;

namespace {
const RgbColour kBlack{0, 0, 0};
const RgbColour kRed{255, 0, 0};

struct Aligned {
  AlignmentCase kind;
  QString text;  // with "|" at the caret afterwards
};

Aligned align(const QString& withCaret, const QString& value, const QString& current = {},
              int heading = 0) {
  const int caret = int(withCaret.indexOf(u'|'));
  const QString text = QString(withCaret).remove(caret, 1);
  const AlignmentPlan plan = PlanAlignment({text, caret, 0, current, heading, value});
  return {plan.kind, appliedTo(text, plan.changes).insert(plan.caret, u'|')};
}

// The text after a plan's changes, with "|" at its caret.
template <typename Plan>
QString after(const QString& text, const Plan& plan) {
  return appliedTo(text, plan.changes).insert(plan.caret, u'|');
}
}  // namespace

// The plain case of each is checked through the commands.
TEST(Alignment, NewParagraphReplacesTheBreakTagsAroundTheCaretsLineWhereThereAreAny) {
  // With the caret at the end of its line, right after its own "<br>".
  EXPECT_EQ(align("a<br>\r\ntext<br>|\r\nb<br>", "center").text,
            "a<p align = \"center\">\r\ntext</p>|\r\nb<br>");
  EXPECT_EQ(align("<p>\r\nx|", "right").text, "<p align = \"right\">\r\nx|");
  EXPECT_EQ(align("<BODY bgcolor=\"#FFFFFF\">\r\nx|<br>", "center").text,
            "<BODY bgcolor=\"#FFFFFF\"><p align = \"center\">\r\nx|</p>");
  // Without a place for it, nothing changes.
  EXPECT_EQ(align("text<br>\r\nmore|", "right").kind, AlignmentCase::Nothing);  // no "<br>" after
  EXPECT_EQ(align("just text|<br>", "right").kind, AlignmentCase::Nothing);     // no body tag
}

TEST(Alignment, RemoveAndChangeTheValueThatIsThereAlsoInAHeading) {
  EXPECT_EQ(align("<p align=right class=a>x|", "right", "right").text, "<p class=a>x|");
  EXPECT_EQ(align("<td valign=\"top\">x|", "right", "right").kind, AlignmentCase::Nothing);

  EXPECT_EQ(align("<p align = \"center\">x|</p>", "right", "center").text,
            "<p align = \"right\">x|</p>");
  EXPECT_EQ(align("<div align=\"center\">x|", "left", "center").text, "<div align=\"left\">x|");
  // The value came from somewhere the command does not write: no change.
  EXPECT_EQ(align("<h1>center</h1><p class=\"c\">x|", "right", "center").kind, AlignmentCase::Nothing);
  // Headings take the align in their opening tag.
  EXPECT_EQ(align("<h2 align = \"center\">T|</h2>", "right", "center", 2).text,
            "<h2 align = \"right\">T|</h2>");
  EXPECT_EQ(align("<h1>a</h1>\r\nplain|", "right", {}, 2).kind, AlignmentCase::Nothing);
}

TEST(Alignment, ACharacterWithALongerLowerCaseBeforeTheTagKeepsEveryPlace) {
  // "\u0130" lower-cases to two characters with QString::toLower.
  const QString i = QString(QChar(0x130));
  EXPECT_EQ(align(i + "text<br>\r\n|more<br>\r\nend", "right").text,
            i + "text<p align = \"right\">\r\n|more</p>\r\nend");
  EXPECT_EQ(align(i + "<p align = \"center\">x|</p>", "center", "center").text, i + "<p>x|</p>");
  const QString many(12, QChar(0x130));
  EXPECT_EQ(align(many + "<p align=\"left\">x|", "right", "left").text,
            many + "<p align=\"right\">x|");
  EXPECT_EQ(align(i + "<h2>Ti|tle</h2>", "right", {}, 2).text,
            i + "<h2 align = \"right\">Ti|tle</h2>");
  const AlignmentPlan removed =
      PlanAlignment({i + "<p align=center>x</p>", 18, 0, "center", 0, "center"});
  EXPECT_EQ(removed.singleTag, (TextRange{1, 4}));
  EXPECT_EQ(removed.display, (TextRange{3, 5}));

  // Unwrapping, centring, headings and lists keep the places of the text as written too.
  const QString bold = i + "<b>bold</b>";
  const auto unwrapped = PlanUnwrapTag(bold, 6, "b");
  ASSERT_TRUE(unwrapped);
  EXPECT_EQ(after(bold, *unwrapped), i + "bo|ld");
  const QString centred = i + i + "<center>T</center>";
  const auto uncentred = PlanCentreRemoval(centred, 11);
  ASSERT_TRUE(uncentred);
  EXPECT_EQ(after(centred, *uncentred), i + i + "T|");
  EXPECT_EQ(StripHeadingTags(i + i + "<h2>T</h2>"), i + i + "T");
  EXPECT_EQ(HeadingLine(i + "<H2>T</H2>", 3), "<h3>" + i + "T</h3>");
  // Inside an open list a new item starts the caret's line.
  const QString list = i + "<ul>\r\n    <li>a\r\nb";
  EXPECT_EQ(after(list, PlanList(list, 18, 0, ListKind::Bullet)),
            i + "<ul>\r\n    <li>a\r\n    <li>|b");
}

TEST(FontTag, MatchingCloseSkipsNestedElementsAtAnyDepth) {
  // Content starts after "<font>" at 6.
  const QString siblings = QStringLiteral("<font><font>a</font><font>b</font>c</font>d</font>");
  EXPECT_EQ(MatchingFontClose(siblings, 6), 35);
  const QString deep = QStringLiteral("<font><font><FONT>x</FONT></font>y</Font>z</font>");
  EXPECT_EQ(MatchingFontClose(deep, 6), 34);
  EXPECT_EQ(MatchingFontClose(QStringLiteral("<font>a<font>b</font>"), 6), -1);

  const FontTarget target = FontTargetAt(deep, 3, 0);
  EXPECT_EQ(std::tuple(target.editing, target.replaceFrom), std::tuple(true, 0));
  EXPECT_EQ(deep.mid(target.contentStart, target.contentLength), "<font><FONT>x</FONT></font>y");
  const FontTarget selection = FontTargetAt(deep, 43, 1);
  EXPECT_EQ(std::tuple(selection.editing, selection.contentStart), std::tuple(false, 43));
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
  EXPECT_EQ(std::tuple(font.face, font.colour, font.sizePoints), std::tuple("Arial", kRed, 7));
  // In the outer element only: size 4 counts as one step up.
  EXPECT_EQ(FontAtCaret(text, at("e<"), defaults).sizePoints, 13);
  font = FontAtCaret(text, int(text.size()) - 1, defaults);  // at "f"
  EXPECT_EQ(std::tuple(font.face, font.colour, font.sizePoints),
            std::tuple("Doc Face", kBlack, 10));
  // Inside an opening tag the tag is not yet in force.
  EXPECT_EQ(FontAtCaret(text, 5, defaults).face, "Doc Face");
  EXPECT_EQ(FontAtCaret(QStringLiteral("<font size=\"1\">x"), 16, defaults).sizePoints, 4);
}
