// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turning the painter's spans into the editor's format runs.

#include <span>
#include <vector>

#include "colouring/colour_span.h"
#include "editor/editor_control.h"

namespace wrenpad {

// The editor attributes of one kind of span: the colour always; face, size
// and character set when the format sets the font; bold, italic, underline
// and strike-out cleared when it clears the style.
CharAttributes AttributesOf(const SpanFormat& format);

// Appends one run per span, in the spans' order, so later spans land over
// earlier ones.
void AppendFormatRuns(std::span<const ColourSpan> spans, const TagPaintStyle& style,
                      std::vector<EditorControl::FormatRun>& runs);

// A run over the first `length` characters that sets every attribute a
// format can carry: the face, size, character set and colour of `font`, no
// style. Applied first in a batch it wipes what earlier colouring left, in
// the same edit block as the new colours.
EditorControl::FormatRun PlainRun(int length, const EditorFont& font);

}  // namespace wrenpad
