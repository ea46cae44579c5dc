// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font element as the font command writes it: where the command works
// (a selection, or the element whose opening tag holds the caret), the font
// in force at a place of the text, and the mark-up built from the values the
// font dialog gave. Plain functions over text and values; no widgets.
//
// Positions are 0-based offsets in the editor text (a line break counts two).

#include "text/colour_names.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace wrenpad {

// The opening font tag [start, end) that holds `caret`: its "<font" starts
// before the caret, no ">" lies between that "<" and the caret, and a ">"
// (not a "<") is the next bracket at or after the caret. A caret just after
// the "<" or just before the ">" is inside; a caret just after the ">" is not.
struct TagRange {
  int start = 0;
  int end = 0;  // just past the ">"
};
std::optional<TagRange> OpeningFontTagAt(const QString& text, int caret);

// Start of the "</font" that closes the font element whose content starts
// at `from`: font elements opened inside the content are skipped together
// with their own closing tags, at any depth. -1 when the element is not
// closed.
int MatchingFontClose(const QString& text, int from);

// What the font command works on.
struct FontTarget {
  // Whether an existing opening tag is rewritten (the caret was inside one).
  bool editing = false;
  // Where the written text begins: the old opening tag's "<" when editing,
  // else the selection's start.
  int replaceFrom = 0;
  // The text the element encloses: the selection, or the content of the
  // edited element up to its closing tag.
  int contentStart = 0;
  int contentLength = 0;
  // Editing: the old opening tag, and whether its element has a closing tag.
  QString oldTag;
  bool closed = true;
};
FontTarget FontTargetAt(const QString& text, int selStart, int selLength);

// "+3", "+0", "-2": a size of 0 or more with its plus sign, a negative one
// with its minus sign.
QString FontSizeText(int size);

// The font in force at a place of the page.
struct FontDefaults {
  QString face;             // the page's or the document's face
  int editorFontSize = 10;  // points of text outside every font tag
  RgbColour colour;         // black
};
struct CaretFont {
  QString face;
  RgbColour colour;
  int sizePoints = 10;
};
// The face, colour and size in points in force at `caret`, read from the
// font elements that enclose it (an opening tag complete before the caret,
// its "</font" not yet reached), innermost first: each of the three comes
// from the innermost tag that gives it, else from `defaults`.
//
// Sizes step 3 points per HTML size step from the editor font size: a
// signed value ("+1", "-2") is that many steps; an unsigned value is an
// HTML size 1 to 7 (3 being normal text, other values taken as the nearest
// of 1 to 7), so size="4" counts as "+1". A size that is not a number, or a
// colour that does not convert (a "#" without six hexadecimal digits), is
// passed over and the walk goes on outward. A size never falls below 1 point.
CaretFont FontAtCaret(const QString& text, int caret, const FontDefaults& defaults);

// The index of `pageFontName` among `faces`, searched from the second item
// on: the face preselected in the font dialog when no face is chosen yet.
// -1 when it is not there (the first item is never preselected so).
int PreselectedFaceIndex(const QStringList& faces, const QString& pageFontName);

// What the font dialog gave, with what was in force when it was shown; the
// attributes written are those that differ from it.
struct FontTagRequest {
  QString content;             // the enclosed text (a blank for an empty selection)
  bool wholeText = false;      // the content is the whole editor text
  bool editing = false;        // an existing opening tag is rewritten
  // Chosen in the dialog.
  QString face;                // empty: no face chosen
  RgbColour colour;
  int size = 0;                // relative size, -3 to 3
  QString className;           // empty: no class
  // In force when the dialog was shown.
  QString documentFontName;
  QString faceInEffect;
  RgbColour colourInEffect;
  int presetSize = 0;
};

// The attributes of the opening tag, each but the class followed by a blank:
// the face when one is chosen that is not the document's face and differs
// from the face in force (or a tag is edited); the colour, as a colour name
// when the colour table has one and as "#RRGGBB" otherwise, when it differs
// from the colour in force (or a tag is edited); the size when it differs
// from the preset (or a tag is edited); the class when one is given.
QString FontAttributes(const FontTagRequest& request);

struct FontInsertion {
  QString text;           // what replaces the selection or the old opening tag
  int openingLength = 0;  // the new opening tag
  int closingLength = 0;  // the "</font>" written; 0 when editing (the old one stays)
  int suffixLength = 0;   // the line break after the opening tag
};
// "<font " + attributes + ">" + suffix + content + closing: the suffix is a
// line break when the content is the whole text; the closing is "</font>"
// unless an existing tag is edited. Nothing when no attribute is written.
std::optional<FontInsertion> FontTagInsertion(const FontTagRequest& request);

}  // namespace wrenpad
