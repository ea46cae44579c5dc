// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page's style block (its text from "<style" through "</style>") as plain
// text: reading and setting one property of one rule, building a new block,
// and reading what the page's body start tag says about colours.
//
// The block is edited in place. Text the model does not understand (other
// rules, comments, at-rules, unknown properties, the author's spacing) comes
// back byte for byte; a change touches only the one value it sets, or inserts
// one declaration or one rule.
//
// How the block is read:
// - The rules lie between the end of the "<style ...>" start tag and the first
//   "</style" (the end of the text when there is none). Comments ("/* */"),
//   quoted strings and the "<!--" "-->" markers that hide a block from old
//   browsers are skipped; nothing inside a comment or string is taken for a
//   selector, brace, property or ";".
// - A rule's selector is the text before its "{", with comments left out and
//   blanks (line breaks too) collapsed, compared whole and without regard to
//   case: "body" finds "BODY  {" and "/* page */ body{" but not "tbody{",
//   "body td{" or "body, td{"; "a" finds neither "table{" nor "a:hover{".
//   Rules inside "@media" rules ("@media screen{ body{...} }") are searched
//   too, in their place in the block, so a value they set is read and set
//   where it stands instead of being overridden by a new rule; rules inside
//   other at-rules ("@font-face", "@page") are not the page's and are not
//   searched. A declaration is only ever inserted into a rule outside "@media".
// - A declaration runs to the next ";" outside strings, comments and
//   brackets (so "url(data:image/png;base64,...)" stays whole) or to the
//   rule's "}"; its property is the text before its first ":", trimmed and
//   compared whole without regard to case: "color" never finds
//   "background-color", wherever the declaration stands in the rule.
// - When several rules of a selector, or several declarations in them, name
//   the property, the last one counts, as in a browser; that is the one read
//   and the one set.

#include "text/colour_names.h"

#include <QString>
#include <optional>

namespace wrenpad {

// The value of `property` in the rule of `selector`; empty when either is
// missing (or empty). A value holding a quote reads as the text inside its
// first quotes, double or single ("\"MS Gothic\", serif" reads "MS Gothic");
// any other value loses all its blanks and line breaks ("1px solid" reads
// "1pxsolid"). Comments are left out.
QString GetStyleProperty(const QString& block, const QString& selector, const QString& property);

// The block with `property` of the rule of `selector` set to `value`:
// - a declared property gets the new value in place of the old one; blanks
//   and comments around the old value, and the property's own spelling, stay;
// - an undeclared one is inserted first in the selector's first rule, as
//   "property:value; " right after its "{";
// - a selector without a rule gets "\r\n  selector{property:value}" before
//   the line break that precedes "</style" (the block's last line); without
//   such a line break the rule goes on a line of its own before "</style" or
//   at the end of the text. The line break is written as the block writes
//   the one it goes before (CR LF or LF).
// The block comes back unchanged, byte for byte, when the declared value is
// already `value` as written or as GetStyleProperty reads it, when `value` is
// empty and nothing is declared, and when the selector or property is empty.
QString SetStyleProperty(const QString& block, const QString& selector, const QString& property,
                         const QString& value);

// "12.5pt" -> {"12.5", "pt"}; "120" -> {"120", ""}: the number is a leading
// sign ("-" or "+") followed by the leading run of "0".."9", "." and ",";
// the unit is the rest, as written. A sign without digits is a unit ("-x").
struct NumberUnit {
  QString number;
  QString unit;
};
NumberUnit SplitNumberUnit(const QString& text);

// What the page settings write into a new block.
struct PageStyleInput {
  int lineHeight = 120;
  QString lineHeightUnit = QStringLiteral("%");
  int marginTop = 10, marginBottom = 10, marginLeft = 10, marginRight = 10;
  QString marginUnit = QStringLiteral("mm");
  bool colourChosen = true;  // background colour; false: the picture imageFile
  RgbColour background{0xFF, 0xFF, 0xBD};
  QString imageFile;
  bool sizeChecked = false;  // whether font-size is written
  int fontSize = 10;
  QString fontSizeUnit = QStringLiteral("pt");
  QString fontSizeAsWritten;  // a size the fields cannot hold, written instead of the two above
  QString fontName;
  RgbColour fontColour;  // black is not written
  bool linkUnderlineOnHover = false;
};

// A new block, lines ending in CR LF:
//   <style type="text/css">
//     body{line-height:120%; margin-top:10mm; margin-bottom:10mm;
//          margin-left:10mm; margin-right:10mm; background-color:#FFFFBD
//          [; font-size:10pt][; font-family:"name"][; color:navy]}
//     [a{text-decoration:none}
//     a:hover{text-decoration:underline}]
//   </style>
// (the body rule on one line). The background is the colour's name when the
// table has one, else its code, or "background-image:url(file)". The font
// family is written even when the name is empty, but never for the default
// "ＭＳ Ｐゴシック".
QString BuildPageStyleBlock(const PageStyleInput& input);

// The page's text from its first "<style" start tag through the end of the
// first "</style>" after it (tag names found in any case, the text kept in its
// own), or nothing when either tag is missing. "<styles" is no style tag, nor
// is one inside a comment or a script.
std::optional<QString> PageStyleBlockIn(const QString& pageText);

// The page's body start tag. It is the first "<body" tag outside comments,
// scripts and style blocks, so "<body" written inside a script, before the
// body or after it, is not taken for it. Its attribute text runs from after
// "<body" to the tag's ">" (a ">" inside a quoted value does not end it; with
// no ">" at all, at most 200 characters are taken).
// Attributes are read as HTML writes them (name="value", name='value',
// name=value, blanks around "=" allowed, names in any case), and a value is
// only ever that of the attribute of that very name: "text" is not found in
// style="text-align:center" nor in a value, "background" not in
// "background-color" of a style attribute; "bgcolor" names the background
// colour, "background" the background picture, "text" the text colour.
// A value is trimmed; an attribute written without a value reads as empty;
// the first of two attributes of one name counts. All empty without a body.
struct BodyAttributes {
  QString attributeText;
  std::optional<QString> bgcolor;
  std::optional<QString> background;
  std::optional<QString> textColour;
};
BodyAttributes ReadBodyAttributes(const QString& pageText);

// The "font-size", "color" and "font-family" values of the rule of
// `selector`, read as GetStyleProperty reads them; nothing for a property
// that is missing or empty.
struct StyleFont {
  std::optional<QString> size;
  std::optional<QString> colour;
  std::optional<QString> family;
};
StyleFont ReadFontFromStyle(const QString& block, const QString& selector);

}  // namespace wrenpad
