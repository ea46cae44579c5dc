// SPDX-License-Identifier: GPL-3.0-or-later
// The rich-text model's own functions. RTF is written by rich_text_writer.cpp
// and read by rich_text_reader.cpp.
#include "text/rich_text.h"

#include "text/rich_text_format.h"

#include <algorithm>

namespace wrenpad {

namespace {

bool SameFormat(const RichRun& a, const RichRun& b) {
  return a.fontName == b.fontName && a.sizePoints == b.sizePoints && a.colour == b.colour &&
         a.bold == b.bold && a.italic == b.italic && a.underline == b.underline;
}

}  // namespace

RichDocument Normalized(const RichDocument& document) {
  RichDocument result;
  result.paragraphs.reserve(std::max<size_t>(document.paragraphs.size(), 1));
  for (const RichParagraph& paragraph : document.paragraphs) {
    RichParagraph& out = result.paragraphs.emplace_back();
    out.alignment = paragraph.alignment;
    for (const RichRun& run : paragraph.runs) {
      if (run.text.isEmpty()) continue;
      RichRun clean = run;
      clean.sizePoints = rtf::ClampPoints(run.sizePoints);
      clean.colour = rtf::ClampColour(run.colour);
      if (!out.runs.empty() && SameFormat(out.runs.back(), clean)) {
        out.runs.back().text += clean.text;
      } else {
        out.runs.push_back(std::move(clean));
      }
    }
  }
  if (result.paragraphs.empty()) result.paragraphs.emplace_back();
  return result;
}

QString PlainTextOf(const RichDocument& document) {
  QString text;
  for (size_t p = 0; p < document.paragraphs.size(); ++p) {
    if (p > 0) text += QStringLiteral("\r\n");
    for (const RichRun& run : document.paragraphs[p].runs) text += run.text;
  }
  return text;
}

}  // namespace wrenpad
