// SPDX-License-Identifier: GPL-3.0-or-later
// Colour names and codes both ways, and the table they share.
#include <gtest/gtest.h>

#include "text/colour_names.h"

#include <QRegularExpression>

namespace wrenpad {

void PrintTo(const RgbColour& colour, std::ostream* out) {
  *out << "#" << RgbHex(colour).toStdString();
}

namespace {

constexpr RgbColour kWhite{0xFF, 0xFF, 0xFF};

TEST(ColorFromText, NamesAndCodesInAnyCase) {
  EXPECT_EQ(ColorFromText("NAVY"), (RgbColour{0x00, 0x00, 0x80}));
  EXPECT_EQ(ColorFromText("#12aB5c"), (RgbColour{0x12, 0xAB, 0x5C}));
  EXPECT_EQ(ColorFromText("#12ab5c; "), (RgbColour{0x12, 0xAB, 0x5C}));  // what follows is ignored
  EXPECT_EQ(ColorFromText("nosuchcolour"), kWhite);
  // A fragment of a name finds the first row holding it, unless a name is exact.
  EXPECT_EQ(ColorFromText("violetred"), (RgbColour{0xC7, 0x15, 0x85}));  // mediumvioletred
  EXPECT_EQ(ColorFromText("blue"), (RgbColour{0x00, 0x00, 0xFF}));
  // Exact names that longer, earlier names contain.
  EXPECT_EQ(ColorFromText("cyan"), (RgbColour{0x00, 0xFF, 0xFF}));  // not darkcyan
  EXPECT_EQ(ColorFromText("grey"), (RgbColour{0x80, 0x80, 0x80}));  // not darkgrey
  EXPECT_EQ(ColorFromText("Gold"), (RgbColour{0xFF, 0xD7, 0x00}));   // not darkgoldenrod
  // Codes and the blanks of a row are not names.
  EXPECT_EQ(ColorFromText("000080"), kWhite);
  EXPECT_EQ(ColorFromText("navy "), kWhite);
  // A code without six hexadecimal digits fails.
  EXPECT_EQ(ColorFromText("#12zz56"), std::nullopt);
  EXPECT_EQ(ColorFromText("#fff"), std::nullopt);
  EXPECT_EQ(ColorFromText("red#"), std::nullopt);
  EXPECT_EQ(ColorFromText("#+12345"), std::nullopt);  // a number reader would take the sign
}

TEST(ColorToText, NamesForCodesElseUpperCaseAndRgbHex) {
  EXPECT_EQ(ColorToText("#ff0000"), "red");
  EXPECT_EQ(ColorToText("#00ffff"), "aqua");  // the first of aqua and cyan
  EXPECT_EQ(ColorToText("#a9a9a9"), "darkgray");
  EXPECT_EQ(ColorToText("#123456"), "#123456");
  EXPECT_EQ(ColorToText("#abcdef"), "#ABCDEF");
  // Only whole codes are looked up: part of one would match the first row holding it.
  EXPECT_EQ(ColorToText("#f"), "#F");
  // RgbHex: upper-case digits of each byte, clamped.
  EXPECT_EQ(RgbHex({0xFF, 0x00, 0x8A}), "FF008A");
  EXPECT_EQ(RgbHex({-4, 300, 15}), "00FF0F");
}

// Every row of the table reads back as itself through the name it is
// written as; the basic names come first, then the extended ones sorted.
TEST(ColorNameTable, EveryRowReadsBackThroughItsName) {
  const QStringList& table = ColorNameTable();
  ASSERT_EQ(table.size(), 20 + 147);
  const QRegularExpression row("^([a-z]+) +(#[0-9A-F]{6})$");
  QStringList names;
  for (const QString& text : table) {
    const QRegularExpressionMatch match = row.match(text);
    ASSERT_TRUE(match.hasMatch()) << text.toStdString();
    names.append(match.captured(1));
    const std::optional<RgbColour> colour = ColorFromText(match.captured(2));
    ASSERT_TRUE(colour.has_value());
    EXPECT_EQ(ColorFromText(ColorToText(match.captured(2))), colour) << text.toStdString();
  }
  QStringList extended = names.mid(20);
  EXPECT_TRUE(std::is_sorted(extended.begin(), extended.end()));
  EXPECT_EQ(extended.removeDuplicates(), 0);
}

}  // namespace
}  // namespace wrenpad
