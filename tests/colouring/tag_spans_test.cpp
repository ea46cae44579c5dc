// SPDX-License-Identifier: GPL-3.0-or-later
// The tag painter's spans. Most cases are checked through a picture of the
// result: one letter per character for the colouring it ends with once the
// spans are applied in order (t tag, v quoted value, c comment, . none).
#include <gtest/gtest.h>

#include <random>

#include "colouring/tag_spans.h"

namespace wrenpad {

void PrintTo(const ColourSpan& span, std::ostream* os) {
  *os << "{" << span.start << ", " << span.length << ", " << static_cast<int>(span.kind) << "}";
}
void PrintTo(const ProgressStep& step, std::ostream* os) {
  *os << "{" << step.spansApplied << " -> " << step.value << "}";
}

namespace {

char Letter(SpanKind kind) {
  switch (kind) {
    case SpanKind::Tag:
    case SpanKind::ClosedTag:
      return 't';
    case SpanKind::QuotedValue:
      return 'v';
    case SpanKind::Comment:
    case SpanKind::ClosedComment:
      return 'c';
    default:  // program text is not the tag painter's
      return 'p';
  }
  return '?';
}

std::string Picture(const QString& text, const TagPaint& paint) {
  std::string picture(text.size(), '.');
  for (const ColourSpan& span : paint.spans) {
    EXPECT_GT(span.length, 0);
    EXPECT_GE(span.start, 0);
    EXPECT_LE(span.start + span.length, text.size());
    for (int i = span.start; i < span.start + span.length; ++i) picture[i] = Letter(span.kind);
  }
  return picture;
}

std::string Whole(const QString& text) {
  return Picture(text, PaintTagsInRange(text, 0, text.size(), {0, 100}));
}

std::string Range(const QString& text, int start, int finish) {
  return Picture(text, PaintTagsInRange(text, start, finish, {0, 100}));
}

TEST(PaintTagsInRange, TagsThenQuotedValuesThenComments) {
  const QString text = R"(<p class="x">a</p>)";
  const TagPaint paint = PaintTagsInRange(text, 0, text.size(), {0, 100});
  const std::vector<ColourSpan> expected = {{0, 13, SpanKind::Tag},
                                            {14, 4, SpanKind::Tag},
                                            {9, 3, SpanKind::QuotedValue}};
  EXPECT_EQ(paint.spans, expected);
  EXPECT_EQ(Whole("<!-- <b>x</b> -->"), "ccccccccccccccccc");
  EXPECT_EQ(Whole(R"(a "b" c " d)"), "..vvv......");
  // A ">" inside a quoted value still closes the tag: pairing ignores quotes.
  EXPECT_EQ(Whole(R"(<a href="x" title=">">)"), "ttttttttvvvtttttttvvv.");
}

TEST(PaintTagsInRange, EachTagRunsFromTheFirstLessAfterTheLastGreater) {
  // A "<" inside a tag opens nothing of its own.
  EXPECT_EQ(Whole("<a<b>c<d>"), "ttttt.ttt");
  EXPECT_EQ(Whole("<b>x<i"), "ttt...");
}

TEST(PaintTagsInRange, AStrayGreaterClosesNothingAndLaterTagsKeepTheirColour) {
  EXPECT_EQ(Whole("a > b <c>"), "......ttt");
  EXPECT_EQ(Whole("<a<b>c>"), "ttttt..");
  EXPECT_EQ(Whole("<p>3 > 2</p><b>x</b>"), "ttt.....ttttttt.tttt");
  // A comparison in a second script block, whose body is not skipped.
  const QString scripts = "<script>a</script><script>if (c > d) e</script><b>f</b>";
  EXPECT_EQ(Whole(scripts).substr(scripts.indexOf("</script><b>")),
            "tttttttttttt.tttt");
  // A range that starts after a tag, as the recolouring of a changed stretch.
  const QString text = "<i>x</i> 3 > 2 <b>y</b>";
  EXPECT_EQ(Range(text, 4, text.size()), "....tttt.......ttt.tttt");
}

TEST(PaintTagsInRange, ScriptBodyIsNotTakenForTags) {
  EXPECT_EQ(Whole("<p><script>if (a<b) x=1;</script><i>"),
            "ttttttttttt.............tttttttttttt");
  EXPECT_EQ(Whole("<SCRIPT type=x>a<b</Script>"), "ttttttttttttttt...ttttttttt");
  // Only the first block is skipped.
  EXPECT_EQ(Whole("<script>a<b</script><script>c<d</script>"),
            "tttttttt...ttttttttttttttttt.ttttttttttt");
  // Without "</script" the tags after the opening tag are painted.
  EXPECT_EQ(Whole("<script>a<b>c"), "tttttttt.ttt.");
}

TEST(PaintTagsInRange, RangeStartingInsideATag) {
  const QString text = "<a href=x>link</a><b>";
  EXPECT_EQ(Range(text, 3, 18), "..............tttt...");
  // A range whose first "<" comes before its first ">" starts at the range.
  EXPECT_EQ(Range(text, 10, 21), "..............ttttttt");
}

TEST(PaintTagsInRange, RangeWithoutGreaterPaintsNothing) {
  const QString text = R"(<b>"x" <!-- a)";
  const TagPaint paint = PaintTagsInRange(text, 3, 13, {10, 60});
  EXPECT_TRUE(paint.spans.empty());
  EXPECT_TRUE(paint.progress.empty());
  EXPECT_EQ(paint.finalProgress, 60);
  // From position 0 the test does not apply: quotes and comments are painted.
  EXPECT_EQ(Whole(R"("x" <!-- a)"), "vvv.ccc...");
}

TEST(PaintTagsInRange, RangeStaysWithinItsTagsAndQuotes) {
  const QString text = R"(<b>"x"</b> "y" <i>)";
  EXPECT_EQ(Range(text, 0, 10), "tttvvvtttt........");
  // A script block after the range does not pull tag painting past finish.
  const QString scripted = "<b>x</b> <!-- <i> --> <script>a<b</script>";
  EXPECT_EQ(Range(scripted, 0, 8), "ttt.tttt" + std::string(34, '.'));
}

TEST(PaintTagsInRange, CommentsRunToTheirEndAndBeyondTheRange) {
  EXPECT_EQ(Range("<!-- a --> <!-- b -->", 0, 10), "cccccccccc.cccccccccc");
  // A comment opened in the range is painted up to its "-->".
  EXPECT_EQ(Range("x <!-- a --> y", 0, 6), "..cccccccccc..");
  // The first "<!--" must lie wholly in the range.
  EXPECT_EQ(Range("x <!-- a --> y", 0, 4), "..............");
  // Without "-->" only "<!-" is painted and the search ends there.
  EXPECT_EQ(Whole("<!-- a <!-- b"), "ccc..........");
  EXPECT_EQ(Whole("<!-->x-->"), "ccccc....");
}

TEST(PaintTagsInRange, CommentsInTheLastScriptBlockAreLeftToTheProgramColouring) {
  // The comment of the last block keeps whatever the script painting gives it.
  EXPECT_EQ(Whole("<script><!-- a --></script>"), "tttttttt..........ttttttttt");
  // A comment followed by another script block is grey.
  EXPECT_EQ(Whole("<script><!--a--></script><script>x</script>"),
            "ttttttttccccccccttttttttttttttttt.ttttttttt");
  // Comments after the last block, or before any, are grey.
  EXPECT_EQ(Whole("<!--a--><script>x</script><!--b-->"),
            "cccccccctttttttt.tttttttttcccccccc");
}

TEST(PaintTagsInRange, ProgressFillsSeventyTwentyAndTenPercent) {
  const QString text = R"(<a>"x"<!--c-->)";
  const TagPaint paint = PaintTagsInRange(text, 0, text.size(), {0, 100});
  const std::vector<ProgressStep> expected = {{1, 0}, {2, 30}, {3, 74}, {4, 100}};
  EXPECT_EQ(paint.progress, expected);
  EXPECT_EQ(paint.finalProgress, 100);

  // A part of the bar: low 20, high 97.
  const TagPaint part = PaintTagsInRange(text, 0, text.size(), {20, 97});
  const std::vector<ProgressStep> partExpected = {{1, 20}, {2, 43}, {3, 76}, {4, 96}};
  EXPECT_EQ(part.progress, partExpected);
  EXPECT_EQ(part.finalProgress, 97);

  // A comment far past the range does not push the bar past high.
  const QString tail = "<!--a-->" + QString(200, u'x') + "<!--b-->";
  const TagPaint clamped = PaintTagsInRange(tail, 0, 10, {0, 50});
  ASSERT_FALSE(clamped.progress.empty());
  EXPECT_EQ(clamped.progress.back().value, 50);
  EXPECT_EQ(clamped.spans.size(), 3u);
}

TEST(PaintTagsInRange, EmptyAndOutOfBoundsRanges) {
  EXPECT_TRUE(PaintTagsInRange("", 0, 0, {0, 100}).spans.empty());
  EXPECT_EQ(Range("<b>", -4, 99), "ttt");
  EXPECT_EQ(Range("<b><i>", 5, 2), "......");
}

// Random texts of the characters that matter: every span stays in the text,
// tags and quotes stay in the range, and the bar stays in its part.
TEST(PaintTagsInRange, RandomTextsKeepSpansAndProgressInBounds) {
  const QString pieces[] = {"<", ">", "\"", "<!--", "-->", "<script>", "</SCRIPT>", "a", "\r\n"};
  std::mt19937 random(20240611);
  for (int round = 0; round < 2000; ++round) {
    QString text;
    const int count = static_cast<int>(random() % 40);
    for (int i = 0; i < count; ++i) text += pieces[random() % std::size(pieces)];
    const int length = static_cast<int>(text.size());
    const int start = length == 0 ? 0 : static_cast<int>(random() % (length + 1));
    const int finish = start + static_cast<int>(random() % (length - start + 1));
    const TagPaint paint = PaintTagsInRange(text, start, finish, {10, 90});
    SCOPED_TRACE(text.toStdString() + " from " + std::to_string(start) + " to " +
                 std::to_string(finish));
    std::size_t applied = 0;
    for (const ProgressStep& step : paint.progress) {
      EXPECT_GE(step.value, 10);
      EXPECT_LE(step.value, 90);
      EXPECT_GE(static_cast<std::size_t>(step.spansApplied), applied);
      EXPECT_LE(static_cast<std::size_t>(step.spansApplied), paint.spans.size());
      applied = step.spansApplied;
    }
    for (const ColourSpan& span : paint.spans) {
      EXPECT_GT(span.length, 0);
      EXPECT_GE(span.start, start);
      EXPECT_LE(span.start + span.length, length);
      if (span.kind != SpanKind::Comment) {
        EXPECT_LE(span.start + span.length, finish);
      }
    }
    for (const ColourSpan& span : PaintSingleTag(text, start, finish).spans) {
      EXPECT_GE(span.start, start);
      EXPECT_LE(span.start + span.length, finish);
    }
  }
}

TEST(PaintSingleTag, TagWithItsQuotedValues) {
  const QString text = R"(x<font color="red" face="a">y)";
  const TagPaint paint = PaintSingleTag(text, 1, 28);
  const std::vector<ColourSpan> expected = {{1, 27, SpanKind::ClosedTag},
                                            {13, 5, SpanKind::QuotedValue},
                                            {24, 3, SpanKind::QuotedValue}};
  EXPECT_EQ(paint.spans, expected);
  EXPECT_TRUE(paint.progress.empty());
  EXPECT_EQ(Picture(R"(<a b="c>)", PaintSingleTag(R"(<a b="c>)", 0, 8)), "tttttttt");
}

TEST(PaintSingleTag, AStrayGreaterPaintsNothing) {
  // The tag before it is already closed: the ">" just typed closes nothing.
  EXPECT_TRUE(PaintSingleTag("<p>3 >", 0, 6).spans.empty());
  EXPECT_TRUE(PaintSingleTag("<!-- a --> b >", 0, 14).spans.empty());
  // A ">" inside a comment that is still open does not end it.
  const std::vector<ColourSpan> comment = {{0, 14, SpanKind::ClosedComment}};
  EXPECT_EQ(PaintSingleTag("<!-- a > b -->", 0, 14).spans, comment);
}

TEST(PaintSingleTag, CommentOpenerMakesItAComment) {
  const QString text = R"(<!-- "a" -->)";
  const std::vector<ColourSpan> expected = {{0, 12, SpanKind::ClosedComment}};
  EXPECT_EQ(PaintSingleTag(text, 0, 12).spans, expected);
  EXPECT_TRUE(PaintSingleTag(text, 4, 4).spans.empty());
  EXPECT_EQ(PaintSingleTag("<!-", 0, 3).spans.front().kind, SpanKind::ClosedTag);
}

TEST(FormatOfSpan, OnlyTagsCarryFontValuesAndOnlyRangeTagsClearTheStyle) {
  TagPaintStyle style;
  style.editorFontSize = 14;
  const SpanFormat tag = FormatOfSpan(SpanKind::Tag, style);
  EXPECT_TRUE(tag.setsFont && tag.clearsStyle);
  EXPECT_EQ(tag.pointSize, 14);
  EXPECT_EQ(tag.charset, 128);
  EXPECT_FALSE(FormatOfSpan(SpanKind::QuotedValue, style).setsFont);
  EXPECT_FALSE(FormatOfSpan(SpanKind::Comment, style).setsFont);
  EXPECT_FALSE(FormatOfSpan(SpanKind::ClosedTag, style).clearsStyle);
  EXPECT_EQ(FormatOfSpan(SpanKind::ClosedComment, style).colour, QColor(128, 128, 128));
}

}  // namespace
}  // namespace wrenpad
