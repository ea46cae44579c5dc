// SPDX-License-Identifier: GPL-3.0-or-later
// Rich text as RTF: the writer's snapshots read back exactly, pages written by
// word processors read sensibly, and broken bytes neither crash nor hang.
#include <gtest/gtest.h>

#include "text/rich_text.h"


namespace wrenpad {

void PrintTo(const RichDocument& document, std::ostream* out) {
  for (const RichParagraph& paragraph : document.paragraphs) {
    *out << "\n  [" << int(paragraph.alignment) << "]";
    for (const RichRun& run : paragraph.runs) {
      *out << " {" << run.fontName.toStdString() << " " << run.sizePoints << " #"
           << RgbHex(run.colour).toStdString() << (run.bold ? " b" : "") << (run.italic ? " i" : "")
           << (run.underline ? " u" : "") << " '" << run.text.toStdString() << "'}";
    }
  }
}

namespace {

RichRun Span(const QString& text, const QString& font = {}, int size = 10, RgbColour colour = {},
            bool bold = false, bool italic = false, bool underline = false) {
  return RichRun{text, font, size, colour, bold, italic, underline};
}

// The body text of one paragraph read from hand-written RTF.
RichDocument Read(const char* rtf) {
  const std::optional<RichDocument> document = ReadRtf(QByteArray(rtf));
  EXPECT_TRUE(document.has_value()) << rtf;
  return document.value_or(RichDocument{});
}

TEST(RichText, ColouredJapanesePageReadsBackExactly) {
  const QString gothic = QStringLiteral(u"ＭＳ Ｐゴシック");
  RichDocument page;
  page.paragraphs = {
      {RichAlignment::Center,
       {Span(QStringLiteral(u"見出し"), gothic, 18, {0x80, 0, 0}, true),
        Span(" {title} \\ ", "Arial", 18, {0x80, 0, 0}, true, true)}},
      {RichAlignment::Left, {}},
      {RichAlignment::Right,
       {Span(QStringLiteral(u"日本語と English\tタブ"), {}, 10, {0, 0, 0xFF}, false, false, true),
        Span(QStringLiteral(u"𠮷野家 😀"), "Courier New", 9, {0x12, 0x34, 0x56}),
        Span("plain", {}, 10)}},
      {RichAlignment::Left, {Span("1;2 \\par {\\b not bold}", "Arial", 12, {0xFF, 0xFF, 0xFF})}},
      {RichAlignment::Center, {}},
  };
  const QByteArray rtf = WriteRtf(page);
  EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
  EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return c > 0 && c < 0x7F; }));
  // The Japanese font name is escaped and marked with the Japanese charset.
  EXPECT_TRUE(rtf.contains("\\fcharset128 \\u-211?\\u-205?"));
  // 𠮷 is the surrogate pair D842 DFB7, both written as signed values.
  EXPECT_TRUE(rtf.contains("\\u-10174?\\u-8265?"));

  EXPECT_EQ(ReadRtf(rtf), page);
  EXPECT_EQ(PlainTextOf(*ReadRtf(rtf)),
            QStringLiteral(u"見出し {title} \\ \r\n\r\n日本語と English\tタブ𠮷野家 😀plain\r\n"
                           u"1;2 \\par {\\b not bold}\r\n"));
}

TEST(RichText, SnapshotsAreNormalizedOnTheWayBack) {
  // Runs split needlessly, empty runs and sizes out of reach come back tidied;
  // no paragraphs at all is one empty line; a named font that is also the
  // first one keeps its name apart from the default font.
  RichDocument split;
  split.paragraphs = {{RichAlignment::Left,
                       {Span("a", "Arial"), Span("", "Times"), Span("b", "Arial"), Span("c"),
                        Span("d", {}, 0), Span("e", {}, 5000, {300, -4, 7})}}};
  RichDocument tidy;
  tidy.paragraphs = {{RichAlignment::Left,
                      {Span("ab", "Arial"), Span("c"), Span("d", {}, 1), Span("e", {}, 1638, {255, 0, 7})}}};
  EXPECT_EQ(Normalized(split), tidy);
  EXPECT_EQ(ReadRtf(WriteRtf(split)), tidy);

  const RichDocument none;
  EXPECT_EQ(ReadRtf(WriteRtf(none)), Normalized(none));
  EXPECT_EQ(Normalized(none).paragraphs.size(), 1u);

  RichDocument fonts;
  fonts.paragraphs = {{RichAlignment::Left, {Span("default"), Span("named", "Arial")}}};
  EXPECT_EQ(ReadRtf(WriteRtf(fonts)), fonts);
}

TEST(RichText, ReadsWhatWordProcessorsWrite) {
  // Shift-JIS bytes and \u escapes with their fallback skipped.
  EXPECT_EQ(PlainTextOf(Read("{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0\\'95\\'5c}")), u"あ表");
  EXPECT_EQ(PlainTextOf(Read("{\\rtf1\\uc1\\u12354?x\\uc2\\u12356\\'82\\'a2y}")), u"あxいy");
  EXPECT_EQ(PlainTextOf(Read("{\\rtf1 \\u-10179?\\u-8704 ?}")), u"😀");  // joined; blank is the delimiter
  EXPECT_EQ(PlainTextOf(Read("{\\rtf1 {\\uc0\\u26085}?}")), u"日?");

  // Destinations that hold no text, and \bin data with braces in it.
  EXPECT_EQ(PlainTextOf(Read("{\\rtf1{\\*\\generator Riched20 10.0;}{\\info{\\title T}{\\author A}}"
                             "{\\stylesheet{\\s0 Normal;}}{\\pict\\bin3 }{x}Body\\~text}")),
            u"Body\u00A0text");

  // \line and \par start lines; \plain and group ends restore the format.
  const RichDocument styled = Read(
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times;}{\\f1\\fswiss\\fcharset0 Arial;}}"
      "{\\colortbl;\\red255\\green0\\blue0;}"
      "\\pard\\qc\\f1\\fs20\\cf1\\b bold {\\i both}\\plain  plain\\line\\pard\\qj x{\\b\\ul\\f7 y}z\\par }");
  RichDocument expected;
  expected.paragraphs = {
      {RichAlignment::Center,
       {Span("bold ", "Arial", 10, {255, 0, 0}, true), Span("both", "Arial", 10, {255, 0, 0}, true, true),
        Span(" plain", {}, 12)}},
      {RichAlignment::Left, {Span("x", {}, 12), Span("y", {}, 12, {}, true, false, true), Span("z", {}, 12)}},
      {RichAlignment::Left, {}},
  };
  EXPECT_EQ(styled, expected);

  // Font names in Shift-JIS, a table without groups, and the default font's runs.
  const RichDocument fonts = Read(
      "{\\rtf1\\ansi\\ansicpg932\\deff1{\\fonttbl\\f0\\fnil \\'82\\'6c\\'82\\'72 \\'96\\'be\\'92\\'a9;"
      "\\f1\\fnil Default;}\\f0 a\\f1 b}");
  ASSERT_EQ(fonts.paragraphs.at(0).runs.size(), 2u);
  EXPECT_EQ(fonts.paragraphs[0].runs[0].fontName, u"ＭＳ 明朝");
  EXPECT_EQ(fonts.paragraphs[0].runs[1].fontName, u"");
}

TEST(RichText, BrokenBytesGiveNothingOrWhatCameBefore) {
  EXPECT_EQ(ReadRtf(""), std::nullopt);
  EXPECT_EQ(ReadRtf("plain text"), std::nullopt);
  EXPECT_EQ(ReadRtf("{\\rt"), std::nullopt);
  EXPECT_EQ(ReadRtf("{\\rtf1{\\fonttbl{\\f0 Ari"), std::nullopt);  // formats never complete
  EXPECT_TRUE(ReadRtf(" \r\n{\\rtf1}").has_value());

  EXPECT_EQ(PlainTextOf(Read("{\\rtf1 abc\\pa")), u"abc");
  EXPECT_EQ(PlainTextOf(Read("{\\rtf1 abc\\'8")), u"abc8");
  EXPECT_EQ(PlainTextOf(Read("{\\rtf1 abc\\")), u"abc");
  EXPECT_EQ(PlainTextOf(Read("{\\rtf1 a{b{c")), u"abc");
  EXPECT_EQ(PlainTextOf(Read("{\\rtf1 a}}}b}")), u"a");
  EXPECT_EQ(PlainTextOf(Read("{\\rtf1 \\fs99999999999999999999999 \\u99999999999 \\cf-99999999999 x\\bin9999999999")),
            u"x");
  EXPECT_EQ(Read("{\\rtf1 \\fs99999999999999999999 x}").paragraphs[0].runs.at(0).sizePoints, 1638);

  // Deep nesting is skipped, not followed (its cost is in rich_text_bench).
  QByteArray deep = "{\\rtf1 a";
  deep += QByteArray(100000, '{') + "hidden" + QByteArray(100000, '}') + "b}";
  QByteArray open = "{\\rtf1 a" + QByteArray(100000, '{');
  EXPECT_EQ(PlainTextOf(Read(deep.constData())), u"ab");
  EXPECT_EQ(PlainTextOf(Read(open.constData())), u"a");
}

}  // namespace
}  // namespace wrenpad
