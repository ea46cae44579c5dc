// SPDX-License-Identifier: GPL-3.0-or-later
// Small text-only decisions of the colouring: class names read from the
// page's style block, the first script stretch of the whole-document repaint,
// and the colours of spans on the editor's background (today's set on a
// light background, a lighter set and light plain text on a dark one, the
// switch where black and white text contrast equally with the background).
#include "colouring/colour_span.h"
#include "colouring/style_classes.h"
#include "colouring/whole_repaint.h"
#include "editor/text_on_background.h"

#include <gtest/gtest.h>

namespace wrenpad {
namespace {

TEST(CollectStyleClasses, ClassSelectorsInOrderAndNothingElse) {
  const std::pair<QString, QStringList> cases[] = {
      {"<html><head><style type=\"text/css\">\r\n.red{color:red}\r\n.big, p{font-size:20pt}\r\n</style></head></html>",
       {"red", "big,p"}},
      {"<style>\r\n  body{margin:0}\r\n  .Note { color:red }\r\n</style>", {"note"}},
      {"<style>p.note{}a:hover{}.a,.b{}</style>", {"a,.b"}},
      {"<style>.{}</style>", {}},
      {"<p class=x>no block</p>", {}},
      {"<style>.open{color:red", {}},
      // A block hidden in a comment, and a rule written after the comment's end.
      {"<style>\r\n<!--\r\n.x{}\r\n.y{}\r\n-->\r\n</style>", {"x", "y"}},
      {"<style>\r\n<!--\r\n.x{}\r\n-->\r\n  .my_box{border-style:outset}\r\n</style>", {"x", "my_box"}},
  };
  for (const auto& [page, classes] : cases) EXPECT_EQ(CollectStyleClasses(page), classes) << page.toStdString();
}

// The rows and the name length are limited; the limit does not split a
// character beyond 16 bits.
TEST(CollectStyleClasses, Limits) {
  QString many = "<style>";
  for (int i = 1; i <= 35; ++i) many += QString(".c%1{}").arg(i);
  many += "</style>";
  EXPECT_EQ(CollectStyleClasses(many).size(), kStyleClassRows);
  const QString wide = QString::fromUcs4(U"\U0001F600");
  EXPECT_EQ(CollectStyleClasses("<style>." + QString(999, u'n') + wide + "{}</style>").front(),
            QString(999, u'n'));
  // The list shows the names up to the first empty row.
  EXPECT_EQ(FillStyleClassList({"a", "b", "", "c"}), QStringList({"a", "b"}));
}

TEST(FirstScriptStretch, FromAfterTheOpeningTagToTheLastLineBreakOrNothing) {
  const QString page =
      "<head>\r\n<script language=\"JavaScript\"><!--\r\nvar a;\r\n// --></script>\r\n";
  const std::optional<ProgramStretch> stretch = FirstScriptStretch(page);
  ASSERT_TRUE(stretch.has_value());
  // 1-based: the "<" after ">" is position 39; the CR before "// -->" is 51.
  EXPECT_EQ(stretch->from, 39);
  EXPECT_EQ(stretch->to, 51);
  // One stretch from the first block to the last.
  const QString two = "<SCRIPT type=\"text/javascript\">\r\na();\r\n</SCRIPT>\r\n<script>\r\nb();\r\n</script>";
  const std::optional<ProgramStretch> both = FirstScriptStretch(two);
  ASSERT_TRUE(both.has_value());
  EXPECT_EQ(both->from, 32);
  EXPECT_EQ(two.mid(both->to - 1), "\r\n</script>");

  // Nothing without JavaScript or a stretch.
  EXPECT_FALSE(FirstScriptStretch("<script>\r\nx\r\n</script>"));  // no "javascript"
  EXPECT_FALSE(FirstScriptStretch("<script>javascript"));           // no "</script>"
  EXPECT_FALSE(FirstScriptStretch("javascript</script>"));          // no "<script"
  EXPECT_FALSE(FirstScriptStretch("<script>javascript</script>"));  // no line break
  EXPECT_FALSE(FirstScriptStretch("<script\r\njavascript</script>"));  // tag never closed
}

double contrast(const QColor& a, const QColor& b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

auto coloursOf(const TagPaintStyle& style) {
  return std::tuple(style.tagColour, style.valueColour, style.commentColour, style.textColour,
                    style.editorFontSize);
}

TEST(ColoursOnBackground, LightBackgroundsKeepTodaysSetAndDarkOnesGetOneThatReads) {
  TagPaintStyle today;
  today.editorFontSize = 14;
  // #767676 is the lightest grey on which white text would read better than
  // black; it and everything lighter keep the set as it is.
  for (const char* light : {"#ffffff", "#767676", "#ffff00"}) {
    EXPECT_EQ(coloursOf(StyleOnBackground(today, QColor(light))), coloursOf(today)) << light;
    EXPECT_EQ(PlainTextColourOn(QColor(light)), QColor(Qt::black)) << light;
  }
  for (const char* dark : {"#757575", "#1e1e1e", "#000080", "#800000"}) {
    const QColor background(dark);
    const TagPaintStyle shown = StyleOnBackground(today, background);
    EXPECT_EQ(shown.editorFontSize, 14) << dark;
    EXPECT_EQ(shown.textColour, PlainTextColourOn(background)) << dark;
    EXPECT_EQ(FormatOfSpan(SpanKind::ProgramText, shown).colour, shown.textColour) << dark;
    // Each kind keeps a colour of its own, lighter than the background; on the
    // near-black of dark desktop themes every colour reads well.
    const QList<QColor> colours = {shown.tagColour, shown.valueColour, shown.commentColour, shown.textColour};
    for (const QColor& colour : colours) {
      EXPECT_EQ(colours.count(colour), 1) << dark;
      EXPECT_GT(RelativeLuminance(colour), RelativeLuminance(background)) << dark;
      if (background == QColor("#1e1e1e")) {
        EXPECT_GE(contrast(colour, background), 6.0);
      }
    }
  }
}

}  // namespace
}  // namespace wrenpad
