// SPDX-License-Identifier: GPL-3.0-or-later
// The mark-up the small commands build, on plain text.
#include "text/text_change.h"
#include "html/headings.h"
#include "html/lists.h"
#include "html/markup.h"

#include <gtest/gtest.h>

using namespace wrenpad;

namespace {
// The text after a plan's changes, with "|" at its caret.
template <typename Plan>
QString after(const QString& text, const Plan& plan) {
  return appliedTo(text, plan.changes).insert(plan.caret, u'|');
}
}  // namespace

// The worked examples of each command are checked through the commands.
TEST(Markup, UnwrappingCentringAndHeadingsAtTheirEdges) {
  const auto plan = PlanUnwrapTag("a <B>bold</b> c", 7, "b");
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->enclosed, (TextRange{2, 6}));
  // The caret right after the opening tag, and an empty pair.
  EXPECT_EQ(after(QString("<b></b>"), *PlanUnwrapTag("<b></b>", 3, "b")), "|");
  EXPECT_FALSE(PlanUnwrapTag("bold</b>", 2, "b"));  // no opening tag before the caret

  EXPECT_FALSE(CaretFollowsCentreTag("<center><p align=\"right\">T", 26));
  EXPECT_FALSE(PlanCentreRemoval("<center>Title", 10));  // no closing tag

  EXPECT_EQ(StripHeadingTags("<h2 align = \"center\">Title</h2>"), "align = \"center\">Title");
  EXPECT_EQ(HeadingLine("<h2 align = \"right\">T</h2>", 4), "<h4 align = \"right\">T</h4>");
  EXPECT_EQ(HeadingLine("<H1>T</H1><br>", 0), "T");
  // A paragraph tag on a plain line is not taken for a heading's remains.
  EXPECT_EQ(HeadingLine("<p align=\"center\">x<br>", 0), "<p align=\"center\">x");
  EXPECT_EQ(HeadingLine("<p align=\"center\">x<br>", 2), "<h2><p align=\"center\">x</h2>");
}

// "\u0130" lower-cases to two characters with QString::toLower; positions
// must still be those of the text as written.
TEST(Markup, ACharacterWithALongerLowerCaseBeforeTheTagKeepsEveryPlace) {
  const QString i = QString(QChar(0x130));
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
  EXPECT_EQ(after(list, PlanList(list, 18, 0, ListKind::Bullet)), i + "<ul>\r\n    <li>a\r\n    <li>|b");
}

TEST(Markup, ListsFromTheSelectionOrAroundTheLine) {
  EXPECT_EQ(ListFromSelection("a<BR>\r\nb<br>", ListKind::Numbered),
            "<ol>\r\n    <li>a\r\n    <li>b\r\n    <li>\r\n</ol>");
  const QString text = "one\r\ntwo\r\nthree";
  const ListPlan around = PlanList(text, 7, 0, ListKind::Bullet);
  EXPECT_EQ(after(text, around), "one\r\n<ul>\r\n    <li>tw|o\r\n</ul>three");
  ASSERT_EQ(around.tagRanges.size(), 2u);
  EXPECT_EQ(around.tagRanges[1], (TextRange{24, 29}));
}
