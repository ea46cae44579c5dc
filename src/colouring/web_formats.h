// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Showing a web page partly as a browser would, inside the editor: font tags
// change size, colour and face, headings grow and turn bold, paragraphs and
// divisions take their alignment, and bold and italic elements look so. These
// functions only work out the formats from the text; the caller applies them.
//
// Positions are 0-based editor positions, each line break "\r\n" counting as
// two. Tags are found without regard to case. The first script block (from
// the first "<script" to the first "</script" after it) is left alone: no
// font, heading, bold or italic format starts inside it.

#include <QColor>
#include <QString>
#include <optional>
#include <vector>

#include "editor/editor_control.h"

namespace wrenpad {

struct WebFormats {
  // Applied in order, later over earlier; each run sets only the attributes
  // it names (size, colour, face with character set, bold, italic).
  std::vector<EditorControl::FormatRun> runs;
  // Applied in order after the runs.
  std::vector<EditorControl::AlignmentRun> alignments;
};

// The formats of the part [from, to) of `text`, in this order: font elements
// (inner ones after, so over, outer ones), headings 1 to 5, the alignment of
// paragraphs and divisions, then bold and italic. `editorFontSize` is the
// base size in points. Headings, paragraphs and divisions are paired with
// their closing tags by counting over the whole text, so the same element
// comes out the same whether the whole text or a part of it is rendered;
// paragraph and division alignments are only given while every paragraph
// (division) from the first one lies inside the part.
WebFormats RenderWebFormats(const QString& text, int from, int to, int editorFontSize);

// The font the rendering gives text at `caret` inside font elements, for text
// typed just after a tag. Each part comes from the innermost enclosing font
// tag that gives it; a part no enclosing tag gives is unset. Only the 32768
// characters before the caret are looked at.
struct RenderedFont {
  std::optional<int> sizePoints;
  std::optional<QString> face;
  std::optional<int> charset;  // set together with the face
  std::optional<QColor> colour;
};
RenderedFont RenderedFontAt(const QString& text, int caret, int editorFontSize);
// The same read from the stretch before the caret that the font tags are
// looked for in.
RenderedFont RenderedFontAt(const PieceText& text, int caret, int editorFontSize);

}  // namespace wrenpad
