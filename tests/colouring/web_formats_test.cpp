// The in-editor rendering of a page's web formats: font tags, headings,
// paragraph alignment, bold and italic.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "colouring/web_formats.h"

namespace wrenpad {
namespace {

// The attributes at `position` after applying the runs in order, each run
// setting only what it names.
CharAttributes AttributesAt(const WebFormats& formats, int position) {
  CharAttributes result;
  for (const EditorControl::FormatRun& run : formats.runs) {
    if (position < run.start || position >= run.start + run.length) continue;
    const CharAttributes& a = run.attributes;
    if (a.color) result.color = a.color;
    if (a.fontName) result.fontName = a.fontName;
    if (a.sizePoints) result.sizePoints = a.sizePoints;
    if (a.charset) result.charset = a.charset;
    if (a.bold) result.bold = a.bold;
    if (a.italic) result.italic = a.italic;
    EXPECT_FALSE(a.underline || a.strikeOut) << "a run touched an attribute it has no business with";
  }
  return result;
}

// The attributes of the first character of `marker` in `text`.
CharAttributes AttributesOf(const WebFormats& formats, const QString& text, const QString& marker) {
  const qsizetype at = text.indexOf(marker);
  EXPECT_GE(at, 0) << marker.toStdString();
  return AttributesAt(formats, int(at));
}

std::optional<Alignment> AlignmentOf(const WebFormats& formats, const QString& text, const QString& marker) {
  const int at = int(text.indexOf(marker));
  std::optional<Alignment> result;
  for (const EditorControl::AlignmentRun& run : formats.alignments) {
    if (at >= run.start && at < run.start + run.length) result = run.alignment;
  }
  return result;
}

WebFormats RenderAll(const QString& text, int size = 10) { return RenderWebFormats(text, 0, int(text.size()), size); }

const QColor kSilver(192, 192, 192);

TEST(WebFormatsFontTags, SizeColourAndFaceFromTheOpeningTag) {
  const QString sizes =
      "<font size=5>big</font><FONT SIZE=\"+1\">up</FONT><font size=-1>down</font>"
      "<font size=x>word</font><fontx size=7>other</fontx>";
  WebFormats formats = RenderAll(sizes);
  EXPECT_EQ(AttributesOf(formats, sizes, "big").sizePoints, 14);
  EXPECT_EQ(AttributesOf(formats, sizes, "up").sizePoints, 12);
  EXPECT_EQ(AttributesOf(formats, sizes, "down").sizePoints, 8);
  EXPECT_FALSE(AttributesOf(formats, sizes, "word").sizePoints);
  EXPECT_FALSE(AttributesOf(formats, sizes, "other").sizePoints);
  EXPECT_FALSE(AttributesOf(formats, sizes, "</font>").sizePoints) << "the run ends before the closing tag";
  EXPECT_FALSE(AttributesOf(formats, sizes, "size=5").sizePoints) << "the run starts after the opening tag";
  const CharAttributes sizeOnly = AttributesOf(formats, sizes, "big");
  EXPECT_FALSE(sizeOnly.color || sizeOnly.fontName || sizeOnly.charset || sizeOnly.bold);
  EXPECT_EQ(AttributesAt(RenderAll("<font size=1>a</font>", 2), 13).sizePoints, 1);

  const QString colours =
      "<font color=white>w1</font><font color=\"#FFFFFF\">w2</font><font color=nosuchname>w3</font>"
      "<font color=\"#12\">bad</font><font color=red>red</font>";
  formats = RenderAll(colours);
  EXPECT_EQ(AttributesOf(formats, colours, "w1").color, kSilver);
  EXPECT_EQ(AttributesOf(formats, colours, "w2").color, kSilver);
  EXPECT_EQ(AttributesOf(formats, colours, "w3").color, kSilver);
  EXPECT_FALSE(AttributesOf(formats, colours, "bad").color);
  EXPECT_EQ(AttributesOf(formats, colours, "red<").color, QColor(255, 0, 0));

  const QString faces = QString("<font face=\"Symbol\">s</font><font face=\"Arial, Helvetica\">a</font>") +
                        QStringLiteral("<font face=\"\uFF2D\uFF33 \u660E\u671D\">j</font>");
  formats = RenderAll(faces);
  const CharAttributes symbol = AttributesOf(formats, faces, "s<");
  EXPECT_EQ(symbol.fontName, "Symbol");
  EXPECT_EQ(symbol.charset, 161);
  const CharAttributes arial = AttributesOf(formats, faces, "a<");
  EXPECT_EQ(arial.fontName, "Arial");
  EXPECT_EQ(arial.charset, 1);
  const CharAttributes japanese = AttributesOf(formats, faces, "j<");
  EXPECT_EQ(japanese.fontName, QStringLiteral("\uFF2D\uFF33 \u660E\u671D"));
  EXPECT_EQ(japanese.charset, 128);
}

TEST(WebFormatsFontTags, NestedAndSiblingElements) {
  const QString nested = "<font color=red size=5>A<font color=blue>B</font>C</font>D";
  WebFormats formats = RenderAll(nested);
  EXPECT_EQ(AttributesOf(formats, nested, "A").color, QColor(255, 0, 0));
  EXPECT_EQ(AttributesOf(formats, nested, "B").color, QColor(0, 0, 255));
  EXPECT_EQ(AttributesOf(formats, nested, "B").sizePoints, 14) << "the outer size reaches inside";
  EXPECT_EQ(AttributesOf(formats, nested, "C").color, QColor(255, 0, 0));
  EXPECT_FALSE(AttributesOf(formats, nested, "D").color);

  const QString siblings = "<font color=red>A<font size=5>B</font>C<font size=1>D</font>E</font>F";
  formats = RenderAll(siblings);
  EXPECT_EQ(AttributesOf(formats, siblings, "D").sizePoints, 6);
  EXPECT_EQ(AttributesOf(formats, siblings, "D").color, QColor(255, 0, 0));
  EXPECT_EQ(AttributesOf(formats, siblings, "E").color, QColor(255, 0, 0));
  EXPECT_FALSE(AttributesOf(formats, siblings, "E").sizePoints);
  EXPECT_FALSE(AttributesOf(formats, siblings, "F").color);

  // Two levels deep, the outer element ends at the second closing tag.
  const QString deep = "<font color=red>A<font><font>B</font>C</font>D</font>E";
  formats = RenderAll(deep);
  EXPECT_EQ(AttributesOf(formats, deep, "C").color, QColor(255, 0, 0));
  EXPECT_FALSE(AttributesOf(formats, deep, "D").color);

  // Never closed: to the end of the text, as is an outer element whose
  // stretches run out of closing tags.
  const QString open = "<font color=red>A\r\nB<font size=5>C</font>D";
  formats = RenderAll(open);
  EXPECT_EQ(AttributesOf(formats, open, "D").color, QColor(255, 0, 0));
  EXPECT_EQ(AttributesAt(formats, int(open.size()) - 1).color, QColor(255, 0, 0));

  // A part holding only the inner element renders only that one.
  formats = RenderWebFormats(nested, int(nested.indexOf("A")), int(nested.size()), 10);
  EXPECT_FALSE(AttributesOf(formats, nested, "A").color);
  EXPECT_EQ(AttributesOf(formats, nested, "B").color, QColor(0, 0, 255));
}

TEST(WebFormatsBlocks, HeadingsGrowBoldAndAlign) {
  const QString page =
      "<h1 align=\"center\">Top</h1>\r\n<H2 ALIGN=right>Two</H2>\r\n<h5>Small</h5>\r\n<h6>Tiny</h6>\r\n"
      "<hr>\r\n<h3>Mid</h3>";
  WebFormats formats = RenderAll(page);
  const CharAttributes top = AttributesOf(formats, page, "Top");
  EXPECT_EQ(top.sizePoints, 14);
  EXPECT_EQ(top.bold, true);
  EXPECT_EQ(AlignmentOf(formats, page, "Top"), Alignment::Center);
  EXPECT_FALSE(AttributesOf(formats, page, "</h1>").bold);
  EXPECT_EQ(AlignmentOf(formats, page, "Two"), Alignment::Right);
  EXPECT_EQ(AttributesOf(formats, page, "Two").sizePoints, 12);
  EXPECT_EQ(AttributesOf(formats, page, "Small").sizePoints, 6);
  EXPECT_FALSE(AlignmentOf(formats, page, "Small"));
  EXPECT_FALSE(AttributesOf(formats, page, "Tiny").sizePoints);
  EXPECT_FALSE(AttributesOf(formats, page, "Tiny").bold);
  EXPECT_EQ(AttributesOf(formats, page, "Mid").sizePoints, 10);

  // A part renders the headings that open inside it, paired over the text.
  const int second = int(page.indexOf("<H2"));
  formats = RenderWebFormats(page, second, int(page.size()), 10);
  EXPECT_FALSE(AttributesOf(formats, page, "Top").bold);
  EXPECT_EQ(AttributesOf(formats, page, "Two").bold, true);
}

TEST(WebFormatsBlocks, ParagraphAndDivisionAlignmentOnlyFromTheFirst) {
  const QString page =
      "<p align=center>one</p>\r\n<P ALIGN=\"right\">two</P>\r\n<p class=x>three</p>\r\n"
      "<div align=center>four</div>\r\n<div align=right>five</div>";
  WebFormats formats = RenderAll(page);
  EXPECT_EQ(AlignmentOf(formats, page, "one"), Alignment::Center);
  EXPECT_EQ(AlignmentOf(formats, page, "two"), Alignment::Right);
  EXPECT_FALSE(AlignmentOf(formats, page, "three"));
  EXPECT_EQ(AlignmentOf(formats, page, "four"), Alignment::Center);
  EXPECT_EQ(AlignmentOf(formats, page, "five"), Alignment::Right);
  EXPECT_TRUE(formats.runs.empty());

  // A part after the first paragraph aligns no paragraph, but the divisions
  // that all lie inside it.
  formats = RenderWebFormats(page, int(page.indexOf("<P")), int(page.size()), 10);
  EXPECT_FALSE(AlignmentOf(formats, page, "two"));
  EXPECT_EQ(AlignmentOf(formats, page, "four"), Alignment::Center);
  // A part that ends inside the first division aligns no division.
  formats = RenderWebFormats(page, 0, int(page.indexOf("four")), 10);
  EXPECT_EQ(AlignmentOf(formats, page, "one"), Alignment::Center);
  EXPECT_FALSE(AlignmentOf(formats, page, "four"));
}

TEST(WebFormatsStyles, BoldAndItalicNestEitherWay) {
  const QString page = "<b>x<i>y</i>z</b> <I>p<B>q</B>r</I> <strong>s</strong><em>t</em> <b>open";
  const WebFormats formats = RenderAll(page);
  auto style = [&](const QString& marker) {
    const CharAttributes a = AttributesOf(formats, page, marker);
    return std::pair(a.bold.value_or(false), a.italic.value_or(false));
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
}

TEST(WebFormatsScript, TheFirstScriptBlockIsLeftAlone) {
  const QString page =
      "<script>\r\n<font color=red>in</font> <b>bold</b> <h1>head</h1>\r\n</SCRIPT>\r\n"
      "<font color=red>out</font> <b>after</b>";
  const WebFormats formats = RenderAll(page);
  EXPECT_FALSE(AttributesOf(formats, page, "in").color);
  EXPECT_FALSE(AttributesOf(formats, page, "bold").bold);
  EXPECT_FALSE(AttributesOf(formats, page, "head").bold);
  EXPECT_EQ(AttributesOf(formats, page, "out").color, QColor(255, 0, 0));
  EXPECT_EQ(AttributesOf(formats, page, "after").bold, true);
}

TEST(WebFormatsRanges, ClampedAndFast) {
  EXPECT_TRUE(RenderWebFormats("<b>a</b>", -5, 100, 10).runs.size() == 1);
  EXPECT_TRUE(RenderWebFormats("<b>a</b>", 5, 2, 10).runs.empty());
  EXPECT_TRUE(RenderWebFormats("", 0, 0, 10).runs.empty());

  // A 1 MiB page of many small elements, with an element open around it all.
  QString page = "<font color=red><p align=center>";
  const QString piece =
      "<font size=4>a</font><font color=blue>b</font> <b>c<i>d</i></b> <h2>e</h2> <p align=right>f</p>\r\n";
  while (page.size() < (1 << 20)) page += piece;
  page += "</p></font>";
  QElapsedTimer timer;
  timer.start();
  const WebFormats formats = RenderAll(page);
  EXPECT_LT(timer.elapsed(), 1000) << "rendering must not rescan the page per tag";
  EXPECT_EQ(AttributesAt(formats, int(page.size()) - 20).color, QColor(255, 0, 0));
}

TEST(RenderedFontAt, InnermostTagGivesEachPart) {
  const QString page = "<font face=\"Arial\" color=red size=5><font color=blue>ab</font>cd</font>ef<font size=";
  const auto at = [&](const QString& marker) { return RenderedFontAt(page, int(page.indexOf(marker)) + 1, 10); };
  RenderedFont font = at("ab");
  EXPECT_EQ(font.colour, QColor(0, 0, 255));
  EXPECT_EQ(font.sizePoints, 14);
  EXPECT_EQ(font.face, "Arial");
  EXPECT_EQ(font.charset, 1);
  font = at("cd");
  EXPECT_EQ(font.colour, QColor(255, 0, 0));
  font = at("ef");
  EXPECT_FALSE(font.colour || font.sizePoints || font.face || font.charset);
  font = RenderedFontAt(page, int(page.size()), 10);  // inside an unfinished tag
  EXPECT_FALSE(font.sizePoints);
  EXPECT_EQ(RenderedFontAt("<font color=white>", 18, 10).colour, kSilver);
}

}  // namespace
}  // namespace wrenpad
