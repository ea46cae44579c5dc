// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/colour_names.h"

#include <algorithm>
#include <iterator>

namespace wrenpad {

namespace {

struct NamedColour {
  QStringView name;  // lower case
  QStringView code;  // "#" and six upper-case hexadecimal digits
};

// The rows of the table, in its order: the twenty names every page knows,
// then the extended CSS keywords alphabetically.
constexpr NamedColour kColours[] = {
    {u"aqua", u"#00FFFF"}, {u"black", u"#000000"}, {u"blue", u"#0000FF"}, {u"brown", u"#A52A2A"},
    {u"fuchsia", u"#FF00FF"}, {u"gray", u"#808080"}, {u"green", u"#008000"}, {u"lime", u"#00FF00"},
    {u"maroon", u"#800000"}, {u"navy", u"#000080"}, {u"olive", u"#808000"}, {u"orange", u"#FFA500"},
    {u"pink", u"#FFC0CB"}, {u"purple", u"#800080"}, {u"red", u"#FF0000"}, {u"silver", u"#C0C0C0"},
    {u"teal", u"#008080"}, {u"violet", u"#EE82EE"}, {u"white", u"#FFFFFF"}, {u"yellow", u"#FFFF00"},
    {u"aliceblue", u"#F0F8FF"}, {u"antiquewhite", u"#FAEBD7"}, {u"aqua", u"#00FFFF"},
    {u"aquamarine", u"#7FFFD4"}, {u"azure", u"#F0FFFF"}, {u"beige", u"#F5F5DC"},
    {u"bisque", u"#FFE4C4"}, {u"black", u"#000000"}, {u"blanchedalmond", u"#FFEBCD"},
    {u"blue", u"#0000FF"}, {u"blueviolet", u"#8A2BE2"}, {u"brown", u"#A52A2A"},
    {u"burlywood", u"#DEB887"}, {u"cadetblue", u"#5F9EA0"}, {u"chartreuse", u"#7FFF00"},
    {u"chocolate", u"#D2691E"}, {u"coral", u"#FF7F50"}, {u"cornflowerblue", u"#6495ED"},
    {u"cornsilk", u"#FFF8DC"}, {u"crimson", u"#DC143C"}, {u"cyan", u"#00FFFF"},
    {u"darkblue", u"#00008B"}, {u"darkcyan", u"#008B8B"}, {u"darkgoldenrod", u"#B8860B"},
    {u"darkgray", u"#A9A9A9"}, {u"darkgreen", u"#006400"}, {u"darkgrey", u"#A9A9A9"},
    {u"darkkhaki", u"#BDB76B"}, {u"darkmagenta", u"#8B008B"}, {u"darkolivegreen", u"#556B2F"},
    {u"darkorange", u"#FF8C00"}, {u"darkorchid", u"#9932CC"}, {u"darkred", u"#8B0000"},
    {u"darksalmon", u"#E9967A"}, {u"darkseagreen", u"#8FBC8F"}, {u"darkslateblue", u"#483D8B"},
    {u"darkslategray", u"#2F4F4F"}, {u"darkslategrey", u"#2F4F4F"}, {u"darkturquoise", u"#00CED1"},
    {u"darkviolet", u"#9400D3"}, {u"deeppink", u"#FF1493"}, {u"deepskyblue", u"#00BFFF"},
    {u"dimgray", u"#696969"}, {u"dimgrey", u"#696969"}, {u"dodgerblue", u"#1E90FF"},
    {u"firebrick", u"#B22222"}, {u"floralwhite", u"#FFFAF0"}, {u"forestgreen", u"#228B22"},
    {u"fuchsia", u"#FF00FF"}, {u"gainsboro", u"#DCDCDC"}, {u"ghostwhite", u"#F8F8FF"},
    {u"gold", u"#FFD700"}, {u"goldenrod", u"#DAA520"}, {u"gray", u"#808080"},
    {u"green", u"#008000"}, {u"greenyellow", u"#ADFF2F"}, {u"grey", u"#808080"},
    {u"honeydew", u"#F0FFF0"}, {u"hotpink", u"#FF69B4"}, {u"indianred", u"#CD5C5C"},
    {u"indigo", u"#4B0082"}, {u"ivory", u"#FFFFF0"}, {u"khaki", u"#F0E68C"},
    {u"lavender", u"#E6E6FA"}, {u"lavenderblush", u"#FFF0F5"}, {u"lawngreen", u"#7CFC00"},
    {u"lemonchiffon", u"#FFFACD"}, {u"lightblue", u"#ADD8E6"}, {u"lightcoral", u"#F08080"},
    {u"lightcyan", u"#E0FFFF"}, {u"lightgoldenrodyellow", u"#FAFAD2"}, {u"lightgray", u"#D3D3D3"},
    {u"lightgreen", u"#90EE90"}, {u"lightgrey", u"#D3D3D3"}, {u"lightpink", u"#FFB6C1"},
    {u"lightsalmon", u"#FFA07A"}, {u"lightseagreen", u"#20B2AA"}, {u"lightskyblue", u"#87CEFA"},
    {u"lightslategray", u"#778899"}, {u"lightslategrey", u"#778899"},
    {u"lightsteelblue", u"#B0C4DE"}, {u"lightyellow", u"#FFFFE0"}, {u"lime", u"#00FF00"},
    {u"limegreen", u"#32CD32"}, {u"linen", u"#FAF0E6"}, {u"magenta", u"#FF00FF"},
    {u"maroon", u"#800000"}, {u"mediumaquamarine", u"#66CDAA"}, {u"mediumblue", u"#0000CD"},
    {u"mediumorchid", u"#BA55D3"}, {u"mediumpurple", u"#9370DB"}, {u"mediumseagreen", u"#3CB371"},
    {u"mediumslateblue", u"#7B68EE"}, {u"mediumspringgreen", u"#00FA9A"},
    {u"mediumturquoise", u"#48D1CC"}, {u"mediumvioletred", u"#C71585"},
    {u"midnightblue", u"#191970"}, {u"mintcream", u"#F5FFFA"}, {u"mistyrose", u"#FFE4E1"},
    {u"moccasin", u"#FFE4B5"}, {u"navajowhite", u"#FFDEAD"}, {u"navy", u"#000080"},
    {u"oldlace", u"#FDF5E6"}, {u"olive", u"#808000"}, {u"olivedrab", u"#6B8E23"},
    {u"orange", u"#FFA500"}, {u"orangered", u"#FF4500"}, {u"orchid", u"#DA70D6"},
    {u"palegoldenrod", u"#EEE8AA"}, {u"palegreen", u"#98FB98"}, {u"paleturquoise", u"#AFEEEE"},
    {u"palevioletred", u"#DB7093"}, {u"papayawhip", u"#FFEFD5"}, {u"peachpuff", u"#FFDAB9"},
    {u"peru", u"#CD853F"}, {u"pink", u"#FFC0CB"}, {u"plum", u"#DDA0DD"},
    {u"powderblue", u"#B0E0E6"}, {u"purple", u"#800080"}, {u"red", u"#FF0000"},
    {u"rosybrown", u"#BC8F8F"}, {u"royalblue", u"#4169E1"}, {u"saddlebrown", u"#8B4513"},
    {u"salmon", u"#FA8072"}, {u"sandybrown", u"#F4A460"}, {u"seagreen", u"#2E8B57"},
    {u"seashell", u"#FFF5EE"}, {u"sienna", u"#A0522D"}, {u"silver", u"#C0C0C0"},
    {u"skyblue", u"#87CEEB"}, {u"slateblue", u"#6A5ACD"}, {u"slategray", u"#708090"},
    {u"slategrey", u"#708090"}, {u"snow", u"#FFFAFA"}, {u"springgreen", u"#00FF7F"},
    {u"steelblue", u"#4682B4"}, {u"tan", u"#D2B48C"}, {u"teal", u"#008080"},
    {u"thistle", u"#D8BFD8"}, {u"tomato", u"#FF6347"}, {u"turquoise", u"#40E0D0"},
    {u"violet", u"#EE82EE"}, {u"wheat", u"#F5DEB3"}, {u"white", u"#FFFFFF"},
    {u"whitesmoke", u"#F5F5F5"}, {u"yellow", u"#FFFF00"}, {u"yellowgreen", u"#9ACD32"},
};

constexpr qsizetype kNameColumn = 22;  // where the codes of the table's rows line up

bool IsHexDigit(QChar c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Whether `text` is a whole code: "#" and six hexadecimal digits.
bool IsWholeCode(QStringView text) {
  return text.size() == 7 && text[0] == u'#' &&
         std::all_of(text.begin() + 1, text.end(), IsHexDigit);
}

RgbColour FromHex(QStringView sixDigits) {
  const auto part = [sixDigits](qsizetype at) { return sixDigits.mid(at, 2).toInt(nullptr, 16); };
  return {part(0), part(2), part(4)};
}

QStringView CodeOfName(const QString& lowerName) {
  if (lowerName.isEmpty()) return u"#FFFFFF";
  for (const NamedColour& row : kColours) {
    if (row.name == lowerName) return row.code;
  }
  for (const NamedColour& row : kColours) {
    if (row.name.contains(lowerName)) return row.code;
  }
  return u"#FFFFFF";
}

}  // namespace

const QStringList& ColorNameTable() {
  static const QStringList rows = [] {
    QStringList table;
    table.reserve(std::size(kColours));
    for (const NamedColour& row : kColours) {
      const QString blanks(std::max<qsizetype>(1, kNameColumn - row.name.size()), u' ');
      table.append(row.name.toString() + blanks + row.code.toString());
    }
    return table;
  }();
  return rows;
}

std::optional<RgbColour> ColorFromText(const QString& text) {
  const QString lower = text.toLower();
  const qsizetype hash = lower.indexOf(u'#');
  if (hash < 0) return FromHex(CodeOfName(lower).sliced(1));
  const QStringView digits = QStringView(lower).sliced(hash + 1).left(6);
  if (digits.size() != 6 || !std::all_of(digits.begin(), digits.end(), IsHexDigit)) {
    return std::nullopt;
  }
  return FromHex(digits);
}

QString ColorToText(const QString& code) {
  const QString upper = code.toUpper();
  if (!IsWholeCode(upper)) return upper;
  for (const NamedColour& row : kColours) {
    if (row.code == upper) return row.name.toString();
  }
  return upper;
}

QString RgbHex(RgbColour colour) {
  const auto byte = [](int value) { return std::clamp(value, 0, 255); };
  return QString::asprintf("%02X%02X%02X", byte(colour.red), byte(colour.green), byte(colour.blue));
}

}  // namespace wrenpad
