// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colour names and "#RRGGBB" codes as pages write them: the one table of
// names the page commands share, and the conversions between a colour's text
// in a page and its red, green and blue values.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace wrenpad {

// A colour as three bytes (0..255 each), free of Qt Gui.
struct RgbColour {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const RgbColour&, const RgbColour&) = default;
};

// A colour of the settings file, written the Windows way: 0x00BBGGRR.
inline RgbColour RgbOfWindowsColour(std::uint32_t value) {
  return {int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF)};
}

// Rows "name   #RRGGBB" (lower-case name, blanks, upper-case code): first the
// twenty names aqua, black, blue, brown, fuchsia, gray, green, lime, maroon,
// navy, olive, orange, pink, purple, red, silver, teal, violet, white, yellow;
// then the 147 extended colour keywords of CSS (the X11 names, both "gray" and
// "grey" spellings) in alphabetical order, aliceblue to yellowgreen. Names of
// the first twenty come again among the extended ones, so the first row wins.
const QStringList& ColorNameTable();

// The colour a page's text names, compared in lower case.
// - Text holding "#": the six characters after the first "#" are RRGGBB;
//   nothing when they are not six hexadecimal digits (the caller reports the
//   text and where it stands). What follows them is ignored.
// - Otherwise a name: the row whose name is exactly the text, else the first
//   row, in table order, whose name contains the text ("violetred" gives
//   mediumvioletred, "blue" gives blue). An exact name is looked up first so
//   that "cyan", "gold" or "grey" are not taken for darkcyan, darkgoldenrod or
//   darkgrey, which come earlier. Only names are searched, never codes or the
//   blanks between them, so "80" or "navy " name nothing.
// - Empty text, and text no name contains, give white.
std::optional<RgbColour> ColorFromText(const QString& text);

// The name for a code: "#ff0000" gives "red", the first row holding the code
// ("#00FFFF" gives "aqua", not "cyan"). Only a whole "#" + six hexadecimal
// digits is looked up; any other text, and a code no row holds, comes back
// upper-cased ("#123456", "#F", "RED").
QString ColorToText(const QString& code);

// "RRGGBB" in upper case; each part is held to 0..255.
QString RgbHex(RgbColour colour);

}  // namespace wrenpad
