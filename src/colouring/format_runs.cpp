// SPDX-License-Identifier: GPL-3.0-or-later
#include "colouring/format_runs.h"

namespace wrenpad {

namespace {

void ClearStyle(CharAttributes& attributes) {
  attributes.bold = false;
  attributes.italic = false;
  attributes.underline = false;
  attributes.strikeOut = false;
}

}  // namespace

CharAttributes AttributesOf(const SpanFormat& format) {
  CharAttributes attributes;
  attributes.color = format.colour;
  if (format.setsFont) {
    attributes.fontName = format.fontName;
    attributes.sizePoints = format.pointSize;
    attributes.charset = format.charset;
  }
  if (format.clearsStyle) ClearStyle(attributes);
  return attributes;
}

void AppendFormatRuns(std::span<const ColourSpan> spans, const TagPaintStyle& style,
                      std::vector<EditorControl::FormatRun>& runs) {
  // Every span of one kind takes the same attributes: work them out once.
  constexpr SpanKind kKinds[] = {SpanKind::Tag,          SpanKind::QuotedValue,    SpanKind::Comment,
                                 SpanKind::ClosedTag,    SpanKind::ClosedComment,  SpanKind::ProgramText,
                                 SpanKind::ProgramKeyword, SpanKind::ProgramString, SpanKind::ProgramComment};
  CharAttributes byKind[std::size(kKinds)];
  for (SpanKind kind : kKinds)
    byKind[static_cast<int>(kind)] = AttributesOf(FormatOfSpan(kind, style));
  runs.reserve(runs.size() + spans.size());
  for (const ColourSpan& span : spans)
    runs.push_back({span.start, span.length, byKind[static_cast<int>(span.kind)]});
}

EditorControl::FormatRun PlainRun(int length, const EditorFont& font) {
  CharAttributes attributes;
  attributes.color = font.color;
  attributes.fontName = font.name;
  attributes.sizePoints = font.sizePoints;
  attributes.charset = font.charset;
  ClearStyle(attributes);
  return {0, length, attributes};
}

}  // namespace wrenpad
