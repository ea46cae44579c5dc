// SPDX-License-Identifier: GPL-3.0-or-later
// The colours of spans on the editor's background: today's set on a light
// background, a lighter set and light plain text on a dark one, the switch
// where black and white text contrast equally with the background.
#include "colouring/colour_span.h"
#include "editor/text_on_background.h"

#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

double contrast(const QColor& a, const QColor& b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

auto coloursOf(const TagPaintStyle& style) {
  return std::tuple(style.tagColour, style.valueColour, style.commentColour, style.textColour,
                    style.editorFontSize);
}

}  // namespace

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
