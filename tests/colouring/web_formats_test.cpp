// SPDX-License-Identifier: GPL-3.0-or-later
// The in-editor rendering of a page's web formats: font tags, headings,
// paragraph alignment, bold and italic.
#include <gtest/gtest.h>


#include "colouring/web_formats.h"

namespace wrenpad {
namespace {

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kSilver(192, 192, 192);

// A rendering read back at the first character of a marker in the text: the
// attributes after applying the runs in order, each setting only what it
// names, and the alignment of the last alignment run there.
struct Rendered {
  QString text;
  WebFormats formats;

  Rendered(const QString& page, int from = 0, int to = -1, int size = 10)
      : text(page), formats(RenderWebFormats(page, from, to < 0 ? int(page.size()) : to, size)) {}

  CharAttributes at(const QString& marker) const {
    const qsizetype position = text.indexOf(marker);
    EXPECT_GE(position, 0) << marker.toStdString();
    CharAttributes result;
    for (const EditorControl::FormatRun& run : formats.runs) {
      if (position < run.start || position >= run.start + run.length) continue;
      const CharAttributes& a = run.attributes;
      EXPECT_FALSE(a.underline || a.strikeOut);
      if (a.color) result.color = a.color;
      if (a.fontName) result.fontName = a.fontName;
      if (a.sizePoints) result.sizePoints = a.sizePoints;
      if (a.charset) result.charset = a.charset;
      if (a.bold) result.bold = a.bold;
      if (a.italic) result.italic = a.italic;
    }
    return result;
  }
  std::optional<Alignment> alignment(const QString& marker) const {
    const qsizetype position = text.indexOf(marker);
    std::optional<Alignment> result;
    for (const EditorControl::AlignmentRun& run : formats.alignments) {
      if (position >= run.start && position < run.start + run.length) result = run.alignment;
    }
    return result;
  }
};

TEST(WebFormatsFontTags, SizeColourAndFaceFromTheOpeningTag) {
  const Rendered sizes(
      "<font size=5>big</font><FONT SIZE=\"+1\">up</FONT><font size=-1>down</font>"
      "<font size=x>word</font><fontx size=7>other</fontx>");
  EXPECT_EQ(sizes.at("big").sizePoints, 14);
  EXPECT_EQ(sizes.at("up").sizePoints, 12);
  EXPECT_EQ(sizes.at("down").sizePoints, 8);
  EXPECT_FALSE(sizes.at("word").sizePoints);
  EXPECT_FALSE(sizes.at("other").sizePoints);
  EXPECT_FALSE(sizes.at("size=5").sizePoints || sizes.at("</font>").sizePoints);  // the tags stay as they are
  EXPECT_FALSE(sizes.at("big").color || sizes.at("big").fontName || sizes.at("big").bold);
  EXPECT_EQ(Rendered("<font size=1>a</font>", 0, -1, 2).at("a<").sizePoints, 1);

  const Rendered colours(
      "<font color=white>w1</font><font color=\"#FFFFFF\">w2</font><font color=nosuchname>w3</font>"
      "<font color=\"#12\">bad</font><font color=red>red</font>");
  EXPECT_EQ(colours.at("w1").color, kSilver);
  EXPECT_EQ(colours.at("w2").color, kSilver);
  EXPECT_EQ(colours.at("w3").color, kSilver);
  EXPECT_FALSE(colours.at("bad").color);
  EXPECT_EQ(colours.at("red<").color, kRed);

  const Rendered faces(QStringLiteral("<font face=\"Symbol\">s</font><font face=\"Arial, Helvetica\">a</font>"
                                      "<font face=\"\uFF2D\uFF33 \u660E\u671D\">j</font>"));
  EXPECT_EQ(faces.at("s<").fontName, "Symbol");
  EXPECT_EQ(faces.at("s<").charset, 161);
  EXPECT_EQ(faces.at("a<").fontName, "Arial");
  EXPECT_EQ(faces.at("a<").charset, 1);
  EXPECT_EQ(faces.at("j<").fontName, QStringLiteral("\uFF2D\uFF33 \u660E\u671D"));
  EXPECT_EQ(faces.at("j<").charset, 128);
}

TEST(WebFormatsFontTags, NestedSiblingAndUnclosedElements) {
  const QString page = "<font color=red size=5>A<font color=blue>B</font>C</font>D";
  const Rendered nested(page);
  EXPECT_EQ(nested.at("A").color, kRed);
  EXPECT_EQ(nested.at("B").color, kBlue);
  EXPECT_EQ(nested.at("B").sizePoints, 14);
  EXPECT_EQ(nested.at("C").color, kRed);
  EXPECT_FALSE(nested.at("D").color);
  // A part holding only the inner element renders only that one.
  const Rendered inner(page, int(page.indexOf('A')));
  EXPECT_FALSE(inner.at("A").color);
  EXPECT_EQ(inner.at("B").color, kBlue);

  const Rendered siblings("<font color=red>A<font size=5>B</font>C<font size=1>D</font>E</font>F");
  EXPECT_EQ(siblings.at("D").sizePoints, 6);
  EXPECT_EQ(siblings.at("E").color, kRed);
  EXPECT_FALSE(siblings.at("E").sizePoints);
  EXPECT_FALSE(siblings.at("F").color);

  // Two levels deep, the outer element ends at the second closing tag.
  const Rendered deep("<font color=red>A<font><font>B</font>C</font>D</font>E");
  EXPECT_EQ(deep.at("C").color, kRed);
  EXPECT_FALSE(deep.at("D").color);
  // Elements left open reach the end of the text.
  EXPECT_EQ(Rendered("<font color=red>A\r\nB<font size=5>C</font>D").at("D").color, kRed);
}

TEST(WebFormatsBlocks, HeadingsParagraphsAndDivisions) {
  const QString headingPage =
      "<h1 align=\"center\">Top</h1>\r\n<H2 ALIGN=right>Two</H2>\r\n<h5>Small</h5>\r\n<h6>Tiny</h6>";
  const Rendered headings(headingPage);
  EXPECT_EQ(headings.at("Top").sizePoints, 14);
  EXPECT_EQ(headings.at("Top").bold, true);
  EXPECT_EQ(headings.alignment("Top"), Alignment::Center);
  EXPECT_EQ(headings.alignment("Two"), Alignment::Right);
  EXPECT_EQ(headings.at("Small").sizePoints, 6);
  EXPECT_FALSE(headings.alignment("Small"));
  EXPECT_FALSE(headings.at("Tiny").sizePoints || headings.at("Tiny").bold);
  // A part renders the headings that open inside it.
  const Rendered laterHeadings(headingPage, int(headingPage.indexOf("<H2")));
  EXPECT_FALSE(laterHeadings.at("Top").bold);
  EXPECT_EQ(laterHeadings.at("Two").bold, true);

  const QString page =
      "<p align=center>one</p>\r\n<P ALIGN=\"right\">two</P>\r\n<p class=x>three</p>\r\n"
      "<div align=center>four</div>\r\n<div align=right>five</div>";
  const Rendered whole(page);
  EXPECT_EQ(whole.alignment("one"), Alignment::Center);
  EXPECT_EQ(whole.alignment("two"), Alignment::Right);
  EXPECT_FALSE(whole.alignment("three"));
  EXPECT_EQ(whole.alignment("four"), Alignment::Center);
  EXPECT_EQ(whole.alignment("five"), Alignment::Right);
  EXPECT_TRUE(whole.formats.runs.empty());
  // A part after the first paragraph aligns no paragraph; one that ends
  // inside the first division aligns no division.
  const Rendered afterFirst(page, int(page.indexOf("<P")));
  EXPECT_FALSE(afterFirst.alignment("two"));
  EXPECT_EQ(afterFirst.alignment("four"), Alignment::Center);
  const Rendered beforeFour(page, 0, int(page.indexOf("four")));
  EXPECT_EQ(beforeFour.alignment("one"), Alignment::Center);
  EXPECT_FALSE(beforeFour.alignment("four"));
}

TEST(WebFormatsStyles, BoldAndItalicNestEitherWayAndSkipTheFirstScript) {
  const Rendered page("<b>x<i>y</i>z</b> <I>p<B>q</B>r</I> <strong>s</strong><em>t</em> <b>open");
  const auto style = [&page](const QString& marker) {
    return std::pair(page.at(marker).bold.value_or(false), page.at(marker).italic.value_or(false));
  };
  EXPECT_EQ(style("x"), std::pair(true, false));
  EXPECT_EQ(style("y"), std::pair(true, true));
  EXPECT_EQ(style("z"), std::pair(true, false));
  EXPECT_EQ(style("p"), std::pair(false, true));
  EXPECT_EQ(style("q"), std::pair(true, true));
  EXPECT_EQ(style("r"), std::pair(false, true));
  EXPECT_EQ(style("s</strong>"), std::pair(true, false));
  EXPECT_EQ(style("t</em>"), std::pair(false, true));
  EXPECT_EQ(style("open"), std::pair(false, false));
  EXPECT_EQ(style("<b>"), std::pair(false, false));

  const Rendered script(
      "<script>\r\n<font color=red>in</font> <b>bold</b> <h1>head</h1>\r\n</SCRIPT>\r\n"
      "<font color=red>out</font> <b>after</b>");
  EXPECT_FALSE(script.at("in").color || script.at("bold").bold || script.at("head").bold);
  EXPECT_EQ(script.at("out").color, kRed);
  EXPECT_EQ(script.at("after").bold, true);
}

TEST(WebFormatsRanges, ClampedAndLinear) {
  EXPECT_EQ(RenderWebFormats("<b>a</b>", -5, 100, 10).runs.size(), 1u);
  EXPECT_TRUE(RenderWebFormats("<b>a</b>", 5, 2, 10).runs.empty());

  // A 1 MiB page of small elements inside one element around it all.
  QString page = "<font color=red><p align=center>";
  const QString piece =
      "<font size=4>a</font><font color=blue>b</font> <b>c<i>d</i></b> <h2>e</h2> <p align=right>f</p>\r\n";
  while (page.size() < (1 << 20)) page += piece;
  page += "last</p></font>";
  // Its cost (linear, no rescanning per tag) is in web_rendering_bench.
  const Rendered rendered(page);
  EXPECT_EQ(rendered.at("last").color, kRed);
}

TEST(RenderedFontAt, InnermostTagGivesEachPart) {
  const QString page =
      "<font face=\"Arial\" color=red size=5><font color=blue>ab</font>cd</font>ef<font size=";
  const auto at = [&page](const QString& marker) {
    return RenderedFontAt(page, int(page.indexOf(marker)) + 1, 10);  // between the marker's two letters
  };
  const RenderedFont inner = at("ab");
  EXPECT_EQ(inner.colour, kBlue);
  EXPECT_EQ(inner.sizePoints, 14);
  EXPECT_EQ(inner.face, "Arial");
  EXPECT_EQ(inner.charset, 1);
  EXPECT_EQ(at("cd").colour, kRed);
  const RenderedFont outside = at("ef");
  EXPECT_FALSE(outside.colour || outside.sizePoints || outside.face || outside.charset);
  EXPECT_FALSE(RenderedFontAt(page, int(page.size()), 10).sizePoints);  // inside an unfinished tag
  EXPECT_EQ(RenderedFontAt("<font color=white>", 18, 10).colour, kSilver);
}

}  // namespace
}  // namespace wrenpad
