// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tag painter produces: stretches of the editor text with the kind
// of colouring each receives, and the character attributes of each kind.
// An adapter applies them to the editor in order, later spans over earlier.

#include <QColor>
#include <QString>

namespace wrenpad {

enum class SpanKind {
  Tag,            // a tag from "<" to ">" during a range repaint
  QuotedValue,    // double-quoted text, quotes included: colour only
  Comment,        // "<!--" to "-->": colour only
  ClosedTag,      // the tag just closed by the user (single-tag painting)
  ClosedComment,  // a single-tag painting that starts with "<!--"
  ProgramText,    // program text outside keywords, strings and comments: plain colour, no style
  ProgramKeyword, // a keyword of the language: the tag colour, style kept
  ProgramString,  // a string literal with its quotes: no style
  ProgramComment, // a comment with its markers: no style
};

struct ColourSpan {
  int start = 0;   // 0-based editor position (a line break counts two)
  int length = 0;  // at least 1
  SpanKind kind = SpanKind::Tag;

  friend bool operator==(const ColourSpan&, const ColourSpan&) = default;
};

// The values the painter takes from the rest of the program.
struct TagPaintStyle {
  QColor tagColour{0, 0, 255};  // also the colour of program keywords
  QColor valueColour{0, 128, 128};
  QColor commentColour{128, 128, 128};
  int editorFontSize = 10;  // points; the settings' FontSize until a page sets its own
  QColor textColour{0, 0, 0};  // program text outside keywords, strings and comments
};

// The style for text on the editor's `background`: `style` itself on a light
// background; on a dark one (IsDarkBackground) light plain text, and tags,
// values and comments in lighter colours that read on it.
TagPaintStyle StyleOnBackground(TagPaintStyle style, const QColor& background);

// Character attributes of one kind of span. Only the colour is always set;
// the font fields apply when `setsFont` is true.
struct SpanFormat {
  QColor colour;
  bool setsFont = false;
  int pointSize = 0;
  QString fontName;
  int charset = 0;
  bool clearsStyle = false;  // make the text neither bold, italic, underlined nor struck out
};

// Tags take the tag colour, the editor's font size, the proportional gothic
// face and the Shift-JIS character set; a range repaint also clears their
// style. Quoted values and comments of a range repaint change the colour only.
SpanFormat FormatOfSpan(SpanKind kind, const TagPaintStyle& style);

}  // namespace wrenpad
