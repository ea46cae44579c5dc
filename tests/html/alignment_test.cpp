// SPDX-License-Identifier: GPL-3.0-or-later
// Alignment as mark-up: the four cases, and the texts that give no safe
// place, which must stay as they are.
#include "text/text_change.h"
#include "html/alignment.h"

#include <gtest/gtest.h>

using namespace wrenpad;

namespace {
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
}  // namespace

// The plain case of each is checked through the commands.
TEST(Alignment, NewParagraphReplacesTheBreakTagsAroundTheCaretsLine) {
  // With the caret at the end of its line, right after its own "<br>".
  EXPECT_EQ(align("a<br>\r\ntext<br>|\r\nb<br>", "center").text,
            "a<p align = \"center\">\r\ntext</p>|\r\nb<br>");
  EXPECT_EQ(align("<p>\r\nx|", "right").text, "<p align = \"right\">\r\nx|");
  EXPECT_EQ(align("<BODY bgcolor=\"#FFFFFF\">\r\nx|<br>", "center").text,
            "<BODY bgcolor=\"#FFFFFF\"><p align = \"center\">\r\nx|</p>");
}

TEST(Alignment, NewParagraphWithoutAPlaceChangesNothing) {
  EXPECT_EQ(align("text<br>\r\nmore|", "right").kind, AlignmentCase::Nothing);  // no "<br>" after
  EXPECT_EQ(align("just text|<br>", "right").kind, AlignmentCase::Nothing);     // no body tag
}

TEST(Alignment, RemoveAndChangeTheValueThatIsThere) {
  EXPECT_EQ(align("<p align=right class=a>x|", "right", "right").text, "<p class=a>x|");
  EXPECT_EQ(align("<td valign=\"top\">x|", "right", "right").kind, AlignmentCase::Nothing);

  const Aligned changed = align("<p align = \"center\">x|</p>", "right", "center");
  EXPECT_EQ(changed.kind, AlignmentCase::ChangeValue);
  EXPECT_EQ(changed.text, "<p align = \"right\">x|</p>");
  EXPECT_EQ(align("<div align=\"center\">x|", "left", "center").text, "<div align=\"left\">x|");
  // The value came from somewhere the command does not write: no change.
  EXPECT_EQ(align("<h1>center</h1><p class=\"c\">x|", "right", "center").kind, AlignmentCase::Nothing);
}

TEST(Alignment, HeadingsTakeTheAlignInTheirOpeningTag) {
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
}

TEST(Alignment, AttributeExtentsAndDisplayLines) {
  EXPECT_EQ(AlignAttributeLength(" align = \"center\">", 0), 17);
  EXPECT_EQ(AlignAttributeLength(" ALIGN=right>", 0), 12);
  EXPECT_FALSE(AlignAttributeLength(" align>", 0));
  EXPECT_EQ(LineStartsToAlign("ab\r\ncd\r\nef", 1, 6), (std::vector<int>{1, 4}));
  EXPECT_EQ(LineStartsToAlign("ab\r\ncd", 1, 1), (std::vector<int>{1}));
}
