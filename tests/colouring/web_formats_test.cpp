// SPDX-License-Identifier: GPL-3.0-or-later
// The in-editor rendering of a page's web formats: font tags, headings,
// paragraph alignment, bold and italic.
#include <gtest/gtest.h>

#include "colouring/web_formats.h"

namespace wrenpad {
namespace {

// What the rendering of `page` (from, to) gives the first character of each
// marker, one word a marker: the attributes after applying the runs in
// order, each setting only what it names, then the alignment of the last
// alignment run there, as in "14pt/#ff0000/Arial/cs1/b/i/right"; "nb" and
// "ni" for bold and italic set off, "-" when nothing is set.
std::string Rendered(const QString& page, const QStringList& markers, int from = 0, int to = -1,
                     int size = 10) {
  const WebFormats formats = RenderWebFormats(page, from, to < 0 ? int(page.size()) : to, size);
  QStringList words;
  for (const QString& marker : markers) {
    const qsizetype position = page.indexOf(marker);
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
    std::optional<Alignment> alignment;
    for (const EditorControl::AlignmentRun& run : formats.alignments) {
      if (position >= run.start && position < run.start + run.length) alignment = run.alignment;
    }
    QStringList parts;
    if (result.sizePoints) parts << QString::number(*result.sizePoints) + "pt";
    if (result.color) parts << result.color->name();
    if (result.fontName) parts << *result.fontName;
    if (result.charset) parts << "cs" + QString::number(*result.charset);
    if (result.bold) parts << (*result.bold ? "b" : "nb");
    if (result.italic) parts << (*result.italic ? "i" : "ni");
    if (alignment == Alignment::Center) parts << "centre";
    if (alignment == Alignment::Right) parts << "right";
    if (alignment == Alignment::Left) parts << "left";
    words << (parts.isEmpty() ? "-" : parts.join('/'));
  }
  return words.join(' ').toStdString();
}

TEST(WebFormatsFontTags, SizeColourAndFaceFromTheOpeningTag) {
  // The tags themselves stay as they are.
  EXPECT_EQ(Rendered("<font size=5>big</font><FONT SIZE=\"+1\">up</FONT><font size=-1>down</font>"
                     "<font size=x>word</font><fontx size=7>other</fontx>",
                     {"big", "up", "down", "word", "other", "size=5", "</font>"}),
            "14pt 12pt 8pt - - - -");
  EXPECT_EQ(Rendered("<font size=1>a</font>", {"a<"}, 0, -1, 2), "1pt");
  // White would vanish on the editor's paper: silver; a broken code sets nothing.
  EXPECT_EQ(Rendered("<font color=white>w1</font><font color=\"#FFFFFF\">w2</font>"
                     "<font color=nosuchname>w3</font><font color=\"#12\">bad</font>"
                     "<font color=red>red</font>",
                     {"w1", "w2", "w3", "bad", "red<"}),
            "#c0c0c0 #c0c0c0 #c0c0c0 - #ff0000");
  EXPECT_EQ(Rendered(QStringLiteral("<font face=\"Symbol\">s</font>"
                                    "<font face=\"Arial, Helvetica\">a</font>"
                                    "<font face=\"\uFF2D\uFF33 \u660E\u671D\">j</font>"),
                     {"s<", "a<", "j<"}),
            QStringLiteral("Symbol/cs161 Arial/cs1 \uFF2D\uFF33 \u660E\u671D/cs128").toStdString());
  // Two levels deep, the outer element ends at the second closing tag.
  EXPECT_EQ(Rendered("<font color=red>A<font><font>B</font>C</font>D</font>E", {"C", "D"}),
            "#ff0000 -");
}

TEST(WebFormatsBlocks, HeadingsParagraphsAndDivisions) {
  const QString headings =
      "<h1 align=\"center\">Top</h1>\r\n<H2 ALIGN=right>Two</H2>\r\n<h5>Small</h5>\r\n<h6>Tiny</h6>";
  EXPECT_EQ(Rendered(headings, {"Top", "Two", "Small", "Tiny"}),
            "14pt/b/centre 12pt/b/right 6pt/b -");
  // A part renders the headings that open inside it.
  EXPECT_EQ(Rendered(headings, {"Top", "Two"}, int(headings.indexOf("<H2"))), "- 12pt/b/right");

  const QString page =
      "<p align=center>one</p>\r\n<P ALIGN=\"right\">two</P>\r\n<p class=x>three</p>\r\n"
      "<div align=center>four</div>\r\n<div align=right>five</div>";
  const QStringList markers = {"one", "two", "three", "four", "five"};
  EXPECT_EQ(Rendered(page, markers), "centre right - centre right");
  EXPECT_TRUE(RenderWebFormats(page, 0, int(page.size()), 10).runs.empty());
  // A part after the first paragraph aligns no paragraph; one that ends
  // inside the first division aligns no division.
  EXPECT_EQ(Rendered(page, markers, int(page.indexOf("<P"))), "- - - centre right");
  EXPECT_EQ(Rendered(page, {"one", "four"}, 0, int(page.indexOf("four"))), "centre -");
}

TEST(WebFormatsStyles, BoldAndItalicNestEitherWayAndSkipTheFirstScript) {
  EXPECT_EQ(Rendered("<b>x<i>y</i>z</b> <I>p<B>q</B>r</I> <strong>s</strong><em>t</em> <b>open",
                     {"x", "y", "z", "p", "q", "r", "s</strong>", "t</em>", "open", "<b>"}),
            "b b/i b i b/i i b i - -");
  EXPECT_EQ(Rendered("<script>\r\n<font color=red>in</font> <b>bold</b> <h1>head</h1>\r\n"
                     "</SCRIPT>\r\n<font color=red>out</font> <b>after</b>",
                     {"in", "bold", "head", "out", "after"}),
            "- - - #ff0000 b");
  // Ranges out of bounds are clamped.
  EXPECT_EQ(RenderWebFormats("<b>a</b>", -5, 100, 10).runs.size(), 1u);
  EXPECT_TRUE(RenderWebFormats("<b>a</b>", 5, 2, 10).runs.empty());
}

TEST(RenderedFontAt, InnermostTagGivesEachPart) {
  const QString page =
      "<font face=\"Arial\" color=red size=5><font color=blue>ab</font>cd</font>ef<font size=";
  const auto at = [&page](const QString& marker) {
    return RenderedFontAt(page, int(page.indexOf(marker)) + 1, 10);  // between the marker's two letters
  };
  const RenderedFont inner = at("ab");
  EXPECT_EQ(std::tuple(inner.colour, inner.sizePoints, inner.face, inner.charset),
            std::tuple(QColor(Qt::blue), 14, "Arial", 1));
  EXPECT_EQ(at("cd").colour, QColor(Qt::red));
  const RenderedFont outside = at("ef");
  EXPECT_FALSE(outside.colour || outside.sizePoints || outside.face || outside.charset);
  EXPECT_FALSE(RenderedFontAt(page, int(page.size()), 10).sizePoints);  // inside an unfinished tag
  EXPECT_EQ(RenderedFontAt("<font color=white>", 18, 10).colour, QColor(192, 192, 192));
}

}  // namespace
}  // namespace wrenpad
