// SPDX-License-Identifier: GPL-3.0-or-later
// The tag painter's spans. Most cases are checked through a picture of the
// result: one letter per character for the colouring it ends with once the
// spans are applied in order (t tag, v quoted value, c comment, . none).
#include <gtest/gtest.h>

#include "colouring/tag_spans.h"

namespace wrenpad {

void PrintTo(const ColourSpan& span, std::ostream* os) {
  *os << "{" << span.start << ", " << span.length << ", " << static_cast<int>(span.kind) << "}";
}

namespace {

char Letter(SpanKind kind) {
  if (kind == SpanKind::Tag || kind == SpanKind::ClosedTag) return 't';
  if (kind == SpanKind::QuotedValue) return 'v';
  if (kind == SpanKind::Comment || kind == SpanKind::ClosedComment) return 'c';
  return 'p';  // program text is not the tag painter's
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

std::string Range(const QString& text, int start, int finish) {
  return Picture(text, PaintTagsInRange(text, start, finish, {0, 100}));
}

// The picture of a text painted from start to finish (-1: its end).
TEST(PaintTagsInRange, Pictures) {
  const struct {
    QString text;
    int start, finish;
    std::string picture;
  } cases[] = {
      {"<!-- <b>x</b> -->", 0, -1, "ccccccccccccccccc"},
      {R"(a "b" c " d)", 0, -1, "..vvv......"},
      // A ">" inside a quoted value still closes the tag: pairing ignores quotes.
      {R"(<a href="x" title=">">)", 0, -1, "ttttttttvvvtttttttvvv."},
      // Each tag runs from the first "<" after the last ">"; a "<" inside opens nothing.
      {"<a<b>c<d>", 0, -1, "ttttt.ttt"},
      {"<b>x<i", 0, -1, "ttt..."},
      // A stray ">" closes nothing and later tags keep their colour.
      {"a > b <c>", 0, -1, "......ttt"},
      {"<a<b>c>", 0, -1, "ttttt.."},
      {"<p>3 > 2</p><b>x</b>", 0, -1, "ttt.....ttttttt.tttt"},
      {"<i>x</i> 3 > 2 <b>y</b>", 4, -1, "....tttt.......ttt.tttt"},  // as a changed stretch is recoloured
      // The first script body is not taken for tags; without "</script" it is.
      {"<p><script>if (a<b) x=1;</script><i>", 0, -1, "ttttttttttt.............tttttttttttt"},
      {"<SCRIPT type=x>a<b</Script>", 0, -1, "ttttttttttttttt...ttttttttt"},
      {"<script>a<b</script><script>c<d</script>", 0, -1, "tttttttt...ttttttttttttttttt.ttttttttttt"},
      {"<script>a<b>c", 0, -1, "tttttttt.ttt."},
      // A comparison in a second script block, whose body is not skipped.
      {"<script>a</script><script>if (c > d) e</script><b>f</b>", 0, -1,
       "tttttttt.ttttttttttttttttt" + std::string(12, '.') + "tttttttttttt.tttt"},
      // A range starting inside a tag; one whose first "<" comes before its first ">" starts at the range.
      {"<a href=x>link</a><b>", 3, 18, "..............tttt..."},
      {"<a href=x>link</a><b>", 10, 21, "..............ttttttt"},
      {R"("x" <!-- a)", 0, -1, "vvv.ccc..."},  // from 0 quotes and comments are painted
      // Tags and quotes stay within the range; a later script does not pull painting past it.
      {R"(<b>"x"</b> "y" <i>)", 0, 10, "tttvvvtttt........"},
      {"<b>x</b> <!-- <i> --> <script>a<b</script>", 0, 8, "ttt.tttt" + std::string(34, '.')},
      // Comments run to their end beyond the range; the first "<!--" must lie wholly in it.
      {"<!-- a --> <!-- b -->", 0, 10, "cccccccccc.cccccccccc"},
      {"x <!-- a --> y", 0, 6, "..cccccccccc.."},
      {"x <!-- a --> y", 0, 4, ".............."},
      {"<!-- a <!-- b", 0, -1, "ccc.........."},  // without "-->" only "<!-" and the search ends
      {"<!-->x-->", 0, -1, "ccccc...."},
      // A comment in the last script block is left to the program colouring; others are grey.
      {"<script><!-- a --></script>", 0, -1, "tttttttt..........ttttttttt"},
      {"<script><!--a--></script><script>x</script>", 0, -1, "ttttttttccccccccttttttttttttttttt.ttttttttt"},
      {"<!--a--><script>x</script><!--b-->", 0, -1, "cccccccctttttttt.tttttttttcccccccc"},
      // Out of bounds.
      {"<b>", -4, 99, "ttt"},
      {"<b><i>", 5, 2, "......"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    EXPECT_EQ(Range(c.text, c.start, c.finish < 0 ? int(c.text.size()) : c.finish), c.picture);
  }
}

// The tag or comment that a ">" just typed closes.
TEST(PaintSingleTag, TheTagWithItsQuotedValuesOrTheComment) {
  using K = SpanKind;
  const struct {
    QString text;
    int from, to;
    std::vector<ColourSpan> spans;
  } cases[] = {
      {R"(x<font color="red" face="a">y)", 1, 28,
       {{1, 27, K::ClosedTag}, {13, 5, K::QuotedValue}, {24, 3, K::QuotedValue}}},
      {R"(<a b="c>)", 0, 8, {{0, 8, K::ClosedTag}}},  // a quote left open
      // The tag before it is already closed: the ">" just typed closes nothing.
      {"<p>3 >", 0, 6, {}},
      {"<!-- a --> b >", 0, 14, {}},
      // A ">" inside a comment that is still open does not end it.
      {"<!-- a > b -->", 0, 14, {{0, 14, K::ClosedComment}}},
      {R"(<!-- "a" -->)", 0, 12, {{0, 12, K::ClosedComment}}},
      {R"(<!-- "a" -->)", 4, 4, {}},
      {"<!-", 0, 3, {{0, 3, K::ClosedTag}}},
  };
  for (const auto& c : cases) {
    const TagPaint paint = PaintSingleTag(c.text, c.from, c.to);
    EXPECT_EQ(paint.spans, c.spans) << c.text.toStdString();
    EXPECT_TRUE(paint.progress.empty());
  }
}

}  // namespace
}  // namespace wrenpad
