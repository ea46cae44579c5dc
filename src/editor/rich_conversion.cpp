// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/editor_control.h"

#include "editor/editor_widget.h"
#include "editor/format_writer.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

// Rich documents in and out: the text with its formats and alignments, as the
// rich-text reader and writer (text/rich_text.h) take and give them.

namespace wrenpad {

namespace {
RgbColour rgbOf(const QColor& colour) { return {colour.red(), colour.green(), colour.blue()}; }

RichAlignment richAlignmentOf(const QTextBlock& block) {
  switch (alignmentOf(block)) {
    case Alignment::Right: return RichAlignment::Right;
    case Alignment::Center: return RichAlignment::Center;
    case Alignment::Left: break;
  }
  return RichAlignment::Left;
}
}  // namespace

RichDocument EditorControl::richDocument() const {
  RichDocument document;
  const QFont base = edit_->document()->defaultFont();
  // A coloured page has a few dozen distinct formats over many thousands of
  // fragments: each format is read out once.
  std::vector<std::optional<RichRun>> byFormat;
  auto attributesOf = [&](const QTextFragment& fragment) -> const RichRun& {
    const size_t index = size_t(fragment.charFormatIndex());
    if (index >= byFormat.size()) byFormat.resize(index + 1);
    if (!byFormat[index]) byFormat[index] = richAttributesOf(fragment.charFormat(), base.pointSizeF());
    return *byFormat[index];
  };
  for (QTextBlock block = edit_->document()->begin(); block.isValid(); block = block.next()) {
    RichParagraph paragraph;
    paragraph.alignment = richAlignmentOf(block);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      RichRun run = attributesOf(fragment);
      run.text = fragment.text();
      paragraph.runs.push_back(std::move(run));
    }
    document.paragraphs.push_back(std::move(paragraph));
  }
  return document;
}

RichRun EditorControl::richAttributesOf(const QTextCharFormat& format, double basePoints) const {
  RichRun run;
  run.fontName = faceOf(format);
  const double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : basePoints;
  run.sizePoints = std::max(1, qRound(points));
  run.colour = rgbOf(format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                       : defaultFont_.color);
  run.bold = format.fontWeight() >= QFont::Bold;
  run.italic = format.fontItalic();
  run.underline = format.fontUnderline();
  return run;
}

void EditorControl::setRichDocument(const RichDocument& document) {
  setText(PlainTextOf(document));
  std::vector<FormatRun> runs;
  std::vector<AlignmentRun> alignments;
  int position = 0;
  for (const RichParagraph& paragraph : document.paragraphs) {
    const int lineStart = position;
    for (const RichRun& run : paragraph.runs) {
      FormatRun format{position, int(run.text.size()), {}};
      format.attributes.color = QColor(run.colour.red, run.colour.green, run.colour.blue);
      if (!run.fontName.isEmpty()) format.attributes.fontName = run.fontName;
      format.attributes.sizePoints = run.sizePoints;
      format.attributes.bold = run.bold;
      format.attributes.italic = run.italic;
      format.attributes.underline = run.underline;
      runs.push_back(std::move(format));
      position += int(run.text.size());
    }
    if (paragraph.alignment != RichAlignment::Left)
      alignments.push_back({lineStart, position - lineStart,
                            paragraph.alignment == RichAlignment::Right ? Alignment::Right : Alignment::Center});
    position += 2;  // the line break
  }
  applyFormats(runs, true, alignments);
}
}  // namespace wrenpad
