// SPDX-License-Identifier: GPL-3.0-or-later
#include "colouring/colour_span.h"

#include "editor/text_on_background.h"
#include "settings/settings.h"

namespace wrenpad {

namespace {

SpanFormat ColourOnly(const QColor& colour) {
  SpanFormat format;
  format.colour = colour;
  return format;
}

SpanFormat Unstyled(const QColor& colour) {
  SpanFormat format = ColourOnly(colour);
  format.clearsStyle = true;
  return format;
}

SpanFormat TagFont(const QColor& colour, int pointSize) {
  SpanFormat format = ColourOnly(colour);
  format.setsFont = true;
  format.pointSize = pointSize;
  format.fontName = kProportionalGothic;
  format.charset = kShiftJisCharset;
  return format;
}

}  // namespace

SpanFormat FormatOfSpan(SpanKind kind, const TagPaintStyle& style) {
  switch (kind) {
    case SpanKind::Tag: {
      SpanFormat format = TagFont(style.tagColour, style.editorFontSize);
      format.clearsStyle = true;
      return format;
    }
    case SpanKind::QuotedValue:
      return ColourOnly(style.valueColour);
    case SpanKind::Comment:
      return ColourOnly(style.commentColour);
    case SpanKind::ClosedTag:
      return TagFont(style.tagColour, style.editorFontSize);
    case SpanKind::ClosedComment:
      return TagFont(style.commentColour, style.editorFontSize);
    case SpanKind::ProgramText:
      return Unstyled(style.textColour);
    case SpanKind::ProgramKeyword:
      return ColourOnly(style.tagColour);
    case SpanKind::ProgramString:
      return Unstyled(style.valueColour);
    case SpanKind::ProgramComment:
      return Unstyled(style.commentColour);
  }
  return {};
}

// The dark set keeps the hues of the light one (blue tags, teal values, grey
// comments), lightened so that each contrasts with a near-black background
// (#1e1e1e) by 6 to 1 or more.
TagPaintStyle StyleOnBackground(TagPaintStyle style, const QColor& background) {
  if (!IsDarkBackground(background)) return style;
  style.tagColour = QColor(0x7a, 0xb4, 0xff);
  style.valueColour = QColor(0x5f, 0xd7, 0xd7);
  style.commentColour = QColor(0xa0, 0xa0, 0xa0);
  style.textColour = PlainTextColourOn(background);
  return style;
}

}  // namespace wrenpad
