// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/format_writer.h"

#include "editor/aligning_layout.h"
#include "editor/backslash_face.h"
#include "editor/crlf_text.h"
#include "editor/editor_widget.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <utility>

// The format writer: many runs of formats and paragraph alignments written in
// one edit block (applyFormats), or only where a line's formats differ from
// the wanted ones (repaintLines). Both run inside a FormattingScope, so
// colouring never counts as a change.

namespace wrenpad {

using FormatRun = EditorControl::FormatRun;
using AlignmentRun = EditorControl::AlignmentRun;

QStringList familiesOf(const QString& face, bool drawsBackslash) {
  return drawsBackslash ? familiesDrawingBackslash(face) : QStringList{face};
}

QString faceOf(const QTextCharFormat& format) {
  const QStringList families = format.fontFamilies().toStringList();
  return families.isEmpty() ? QString() : families.last();
}

QTextCharFormat formatOf(const CharAttributes& attributes, bool drawsBackslash) {
  QTextCharFormat format;
  if (attributes.color) format.setForeground(*attributes.color);
  if (attributes.fontName) format.setFontFamilies(familiesOf(*attributes.fontName, drawsBackslash));
  if (attributes.sizePoints) format.setFontPointSize(*attributes.sizePoints);
  if (attributes.charset) format.setProperty(kCharsetProperty, *attributes.charset);
  if (attributes.bold) format.setFontWeight(*attributes.bold ? QFont::Bold : QFont::Normal);
  if (attributes.italic) format.setFontItalic(*attributes.italic);
  if (attributes.underline) format.setFontUnderline(*attributes.underline);
  if (attributes.strikeOut) format.setFontStrikeOut(*attributes.strikeOut);
  return format;
}

// The layout then looks at paragraph formats (see aligning_layout.h).
void mergeAlignment(QTextCursor& cursor, Alignment alignment) {
  QTextBlockFormat format;
  switch (alignment) {
    case Alignment::Left: format.setAlignment(Qt::AlignLeft); break;
    case Alignment::Right: format.setAlignment(Qt::AlignRight); break;
    case Alignment::Center: format.setAlignment(Qt::AlignHCenter); break;
  }
  AligningLayout::noteAlignmentsIn(*cursor.document());
  cursor.mergeBlockFormat(format);
}

Alignment alignmentOf(const QTextBlock& block) {
  const QTextBlockFormat format = block.blockFormat();
  if (!format.hasProperty(QTextFormat::BlockAlignment)) return Alignment::Left;
  const Qt::Alignment horizontal = format.alignment() & Qt::AlignHorizontal_Mask;
  if (horizontal & Qt::AlignRight) return Alignment::Right;
  if (horizontal & Qt::AlignHCenter) return Alignment::Center;
  return Alignment::Left;
}

void EditorControl::applyFormats(const std::vector<FormatRun>& runs, bool fromPlain,
                                 const std::vector<AlignmentRun>& alignments) {
  if (runs.empty() && !fromPlain && alignments.empty()) return;
  FormattingScope scope(*this);
  // Control positions map to document positions by line: a position on line
  // L lies L characters further on in the control than in the document. A
  // few runs (what a key paints) look their lines up in the document; a
  // batch of many looks every line start up once in the text, so a whole
  // repaint stays linear in its runs.
  constexpr std::size_t kFewRuns = 64;
  std::vector<int> lineStarts;
  if (runs.size() + alignments.size() > kFewRuns) {
    const QString whole = text();
    lineStarts.push_back(0);
    for (int i = 0; i + 1 < whole.size(); ++i)
      if (whole.at(i) == u'\r' && whole.at(i + 1) == u'\n') lineStarts.push_back(i + 2);
  }
  const QTextBlock caretBlock = edit_->textCursor().block();
  const auto lineOf = [&](int position) {
    if (lineStarts.empty()) return lineAtCrLfPosition(*edit_->document(), position, caretBlock);
    return int(std::upper_bound(lineStarts.begin(), lineStarts.end(), position) - lineStarts.begin()) - 1;
  };
  const auto toDocument = [&lineOf](int position) { return position - lineOf(position); };
  QTextCursor cursor(edit_->document());
  cursor.beginEditBlock();
  if (fromPlain) {
    cursor.select(QTextCursor::Document);
    cursor.setCharFormat(QTextCharFormat());
    QTextBlockFormat left;
    left.setAlignment(Qt::AlignLeft);
    cursor.mergeBlockFormat(left);
  }
  for (const FormatRun& run : runs) {
    if (run.length <= 0) continue;
    cursor.setPosition(toDocument(run.start));
    cursor.setPosition(toDocument(run.start + run.length), QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(formatOf(run.attributes, drawsBackslash_));
  }
  // The lines a stretch touches, counted as repaintLines counts them.
  const QTextDocument* document = edit_->document();
  for (const AlignmentRun& run : alignments) {
    const int start = std::max(0, run.start);
    const int lastTouched = std::max(start, run.start + run.length - 1);
    cursor.setPosition(document->findBlockByNumber(lineOf(start)).position());
    cursor.setPosition(document->findBlockByNumber(lineOf(lastTouched)).position(), QTextCursor::KeepAnchor);
    mergeAlignment(cursor, run.alignment);
  }
  cursor.endEditBlock();
}

namespace {
// One line's characters as stretches of one format each, positions from the
// line's start, adjacent stretches of the same format joined.
struct FormatStretch {
  int end = 0;
  QTextCharFormat format;

  friend bool operator==(const FormatStretch&, const FormatStretch&) = default;
};
using LineFormats = std::vector<FormatStretch>;

void appendStretch(LineFormats& line, int end, const QTextCharFormat& format) {
  if (!line.empty() && line.back().format == format)
    line.back().end = end;
  else
    line.push_back({end, format});
}

// The formats the line's characters hold now (its line break aside).
LineFormats formatsOf(const QTextBlock& block) {
  LineFormats line;
  const int length = block.length() - 1;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment fragment = it.fragment();
    const int end = std::min(length, fragment.position() + fragment.length() - block.position());
    if (end > (line.empty() ? 0 : line.back().end)) appendStretch(line, end, fragment.charFormat());
  }
  return line;
}

// `format` merged into the characters [from, to) of `line`.
void mergeInto(LineFormats& line, int from, int to, const QTextCharFormat& format) {
  LineFormats merged;
  merged.reserve(line.size() + 2);
  int start = 0;
  for (const FormatStretch& stretch : line) {
    const int a = std::clamp(from, start, stretch.end);
    const int b = std::clamp(to, start, stretch.end);
    if (a > start) appendStretch(merged, a, stretch.format);
    if (b > a) {
      QTextCharFormat inside = stretch.format;
      inside.merge(format);
      appendStretch(merged, b, inside);
    }
    if (stretch.end > b) appendStretch(merged, stretch.end, stretch.format);
    start = stretch.end;
  }
  line = std::move(merged);
}


// The lines [firstLine, lastLine] of the document in control positions, with
// the runs that touch each line and the alignment each line should have.
struct LinePlan {
  int firstLine = 0;
  std::vector<int> lineStarts;  // the control position where each line starts
  int rangeStart = 0;
  int rangeEnd = 0;             // the end of the last line, its break aside
  std::vector<QTextCharFormat> formats;  // one per run that reaches the lines
  std::vector<std::vector<std::pair<const FormatRun*, std::size_t>>> runsOfLine;
  std::vector<Alignment> alignmentOfLine;

  // The index (from firstLine) of the line a control position lies on.
  int lineOf(int position) const {
    return int(std::upper_bound(lineStarts.begin(), lineStarts.end(), position) - lineStarts.begin()) - 1;
  }
};

// The control positions where the lines start, looked up once, and the end
// of the last line.
void locateLines(LinePlan& plan, const QTextDocument& document, int lastLine) {
  plan.lineStarts.reserve(std::size_t(lastLine - plan.firstLine + 2));
  QTextBlock block = document.findBlockByNumber(plan.firstLine);
  for (int line = plan.firstLine; line <= lastLine; ++line, block = block.next())
    plan.lineStarts.push_back(block.position() + line);
  plan.rangeStart = plan.lineStarts.front();
  const QTextBlock lastBlock = document.findBlockByNumber(lastLine);
  plan.rangeEnd = lastBlock.position() + lastLine + lastBlock.length() - 1;
}

// Each run goes to the lines it touches, in the order given, so later runs
// still lie over earlier ones; its format is made once.
void placeRuns(LinePlan& plan, const std::vector<FormatRun>& runs, bool drawsBackslash) {
  plan.runsOfLine.resize(plan.lineStarts.size());
  for (const FormatRun& run : runs) {
    const int start = std::max(run.start, plan.rangeStart);
    const int end = std::min(run.start + run.length, plan.rangeEnd);
    if (start >= end) continue;
    plan.formats.push_back(formatOf(run.attributes, drawsBackslash));
    for (int line = plan.lineOf(start), last = plan.lineOf(end - 1); line <= last; ++line)
      plan.runsOfLine[std::size_t(line)].push_back({&run, plan.formats.size() - 1});
  }
}

// The alignment each line should have: left unless a run touches it.
void placeAlignments(LinePlan& plan, const std::vector<AlignmentRun>& alignments) {
  plan.alignmentOfLine.assign(plan.lineStarts.size(), Alignment::Left);
  for (const AlignmentRun& run : alignments) {
    const int start = std::max(run.start, 0);
    const int lastTouched = std::max(start, run.start + run.length - 1);
    if (lastTouched < plan.rangeStart || start > plan.rangeEnd + 1) continue;
    const int first = plan.lineOf(std::max(start, plan.rangeStart));
    const int last = plan.lineOf(std::min(lastTouched, plan.rangeEnd));
    for (int line = first; line <= last; ++line) plan.alignmentOfLine[std::size_t(line)] = run.alignment;
  }
}

// The formats line `index` of the plan should hold, its `length` characters
// plain where no run lies.
LineFormats wantedFormats(const LinePlan& plan, std::size_t index, int length) {
  const int lineStart = plan.lineStarts[index];
  LineFormats wanted;
  if (length > 0) wanted.push_back({length, QTextCharFormat()});
  for (const auto& [run, format] : plan.runsOfLine[index])
    mergeInto(wanted, std::max(0, run->start - lineStart),
              std::min(length, run->start + run->length - lineStart), plan.formats[format]);
  return wanted;
}

// Gives one line the wanted formats and alignment where they differ from
// what it holds; true when something was written.
bool rewriteLine(QTextCursor& cursor, const QTextBlock& block, const LineFormats& wanted,
                 Alignment alignment) {
  const bool formatsDiffer = formatsOf(block) != wanted;
  const bool alignmentDiffers = alignmentOf(block) != alignment;
  if (!formatsDiffer && !alignmentDiffers) return false;
  cursor.setPosition(block.position());
  if (alignmentDiffers) mergeAlignment(cursor, alignment);
  if (!formatsDiffer) return true;
  int start = 0;
  for (const FormatStretch& stretch : wanted) {
    cursor.setPosition(block.position() + start);
    cursor.setPosition(block.position() + stretch.end, QTextCursor::KeepAnchor);
    cursor.setCharFormat(stretch.format);
    start = stretch.end;
  }
  return true;
}
}  // namespace

int EditorControl::repaintLines(int firstLine, int lastLine, const std::vector<FormatRun>& runs,
                                const std::vector<AlignmentRun>& alignments) {
  const QTextDocument* document = edit_->document();
  firstLine = std::max(0, firstLine);
  lastLine = std::min(lastLine, document->blockCount() - 1);
  if (firstLine > lastLine) return 0;
  LinePlan plan;
  plan.firstLine = firstLine;
  locateLines(plan, *document, lastLine);
  placeRuns(plan, runs, drawsBackslash_);
  placeAlignments(plan, alignments);
  FormattingScope scope(*this);
  QTextCursor cursor(edit_->document());
  cursor.beginEditBlock();
  int changed = 0;
  QTextBlock block = document->findBlockByNumber(firstLine);
  for (std::size_t index = 0; index < plan.lineStarts.size(); ++index, block = block.next()) {
    const LineFormats wanted = wantedFormats(plan, index, block.length() - 1);
    if (rewriteLine(cursor, block, wanted, plan.alignmentOfLine[index])) ++changed;
  }
  cursor.endEditBlock();
  return changed;
}

}  // namespace wrenpad
