// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/caret_context.h"

#include "text/tag_attribute.h"
#include "text/tag_index.h"
#include "text/text_helpers.h"

#include <algorithm>
#include <optional>

namespace wrenpad {

namespace {

// More openings than closings of a tag pair before the caret.
bool isOpen(const TagIndex& tags, int caret, TagIndex::Tag opening, TagIndex::Tag closing) {
  return tags.countBefore(opening, caret) > tags.countBefore(closing, caret);
}

// An opening tag is read up to this length.
constexpr int kLongestTag = 1000;

// The opening tag that starts at `from` in the text as written, up to and
// including its ">" (or the rest of the text when it is not closed).
QString openingTagAt(const QString& text, int from) {
  const int close = int(text.indexOf(u'>', from));
  const int end = close < 0 ? int(text.size()) : close + 1;
  return text.mid(from, WholeCharacterPosition(text, std::min(end, from + kLongestTag)) - from);
}

// The same read from the stretch that can hold it: the tag's longest length
// and the character after, which tells whether its end splits a pair.
QString openingTagAt(const PieceText& text, int from) {
  return openingTagAt(text.mid(from, kLongestTag + 1), 0);
}

// The align of the element `opening` when its first opening before the caret
// is not preceded by a first closing; nullopt when no such element is open.
std::optional<QString> enclosingAlign(const PieceText& text, const TagIndex& tags, int caret,
                                      TagIndex::Tag opening, TagIndex::Tag closing) {
  const int open = tags.firstBefore(opening, caret);
  const int close = tags.firstBefore(closing, caret);
  if (open == 0 || open <= close) return std::nullopt;
  return TagAttributeValue(openingTagAt(text, open - 1), QStringLiteral("align"));
}

void analyseHeading(const LineAt& line, CaretContext& context) {
  const QString lower = LowerKeepingPositions(line.text);
  for (int level = 1; level <= 5; ++level) {
    const int at = int(lower.indexOf(QStringLiteral("<h%1").arg(level)));
    if (at < 0) continue;
    context.headingLevel = level;
    const QString align = TagAttributeValue(openingTagAt(line.text, at), QStringLiteral("align"));
    if (!align.isEmpty()) context.currentAlign = align;
    return;
  }
}

}  // namespace

LineAt lineAtPosition(const PieceText& text, int position) {
  position = std::clamp(position, 0, int(text.size()));
  const int breakBefore = position >= 2 ? int(text.lastIndexOf(QStringLiteral("\r\n"), position - 2)) : -1;
  LineAt line;
  line.start = breakBefore < 0 ? 0 : breakBefore + 2;
  const int breakAfter = int(text.indexOf(QStringLiteral("\r\n"), line.start));
  line.text = text.mid(line.start, (breakAfter < 0 ? int(text.size()) : breakAfter) - line.start);
  return line;
}

bool InScriptAt(const TagIndex& tags, int caret) {
  return tags.firstBefore(TagIndex::Script, caret) > 0 &&
         tags.firstBefore(TagIndex::ScriptEnd, caret) == 0;
}

bool InHeadOrScriptAt(const TagIndex& tags, int caret) {
  return tags.firstBefore(TagIndex::HeadEnd, caret) < tags.firstBefore(TagIndex::Head, caret) ||
         InScriptAt(tags, caret);
}

bool InScriptAt(const QString& text, int caret) {
  TagIndex tags;
  tags.rebuild(text);
  return InScriptAt(tags, caret);
}

bool InHeadOrScriptAt(const QString& text, int caret) {
  TagIndex tags;
  tags.rebuild(text);
  return InHeadOrScriptAt(tags, caret);
}

CaretContext AnalyseCaretContext(const PieceText& text, int caret, const TagIndex& tags) {
  caret = std::clamp(caret, 0, int(text.size()));
  CaretContext context;
  context.inBold = isOpen(tags, caret, TagIndex::Bold, TagIndex::BoldEnd);
  context.inItalic = isOpen(tags, caret, TagIndex::Italic, TagIndex::ItalicEnd);
  context.inUnderline = isOpen(tags, caret, TagIndex::Underline, TagIndex::UnderlineEnd);
  context.inTable = isOpen(tags, caret, TagIndex::Table, TagIndex::TableEnd);
  context.inScript = InScriptAt(tags, caret);
  context.inHeadOrScript = InHeadOrScriptAt(tags, caret);
  const std::pair<TagIndex::Tag, TagIndex::Tag> blocks[] = {
      {TagIndex::Paragraph, TagIndex::ParagraphEnd}, {TagIndex::Division, TagIndex::DivisionEnd}};
  for (const auto& [opening, closing] : blocks) {
    const std::optional<QString> align = enclosingAlign(text, tags, caret, opening, closing);
    if (align && !align->isEmpty()) context.currentAlign = *align;
  }
  analyseHeading(lineAtPosition(text, caret), context);
  return context;
}

CaretContext AnalyseCaretContext(const QString& text, int caret) {
  TagIndex tags;
  tags.rebuild(text);
  return AnalyseCaretContext(text, caret, tags);
}

void storeCaretContext(const CaretContext& context, CaretContextFlags& flags) {
  flags.InBold = context.inBold;
  flags.InItalic = context.inItalic;
  flags.InUnderline = context.inUnderline;
  flags.InScript = context.inScript;
  flags.InHeadOrScript = context.inHeadOrScript;
  flags.CurrentAlign = context.currentAlign;
}

}  // namespace wrenpad
