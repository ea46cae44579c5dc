#include "editing/caret_context.h"

#include "text/tag_attribute.h"
#include "text/text_helpers.h"

#include <algorithm>
#include <optional>

namespace wrenpad {

namespace {

// More openings than closings of a tag pair in the lower-cased text.
bool isOpen(const QString& lower, const QString& opening, const QString& closing) {
  return CountOccurrences(opening, lower) > CountOccurrences(closing, lower);
}

// 1-based position of the first occurrence, 0 for none.
int firstPosition(const QString& needle, const QString& text) {
  return int(text.indexOf(needle)) + 1;
}

// The opening tag that starts at `from` in the text as written, up to and
// including its ">" (or the rest of the text when it is not closed).
QString openingTagAt(const QString& text, int from) {
  constexpr int kLongestTag = 1000;
  const int close = int(text.indexOf(u'>', from));
  const int end = close < 0 ? int(text.size()) : close + 1;
  return text.mid(from, WholeCharacterPosition(text, std::min(end, from + kLongestTag)) - from);
}

// The align of the element `opening` when its first opening before the caret
// is not preceded by a first closing; nullopt when no such element is open.
std::optional<QString> enclosingAlign(const QString& text, const QString& lowerBefore,
                                      const QString& opening, const QString& closing) {
  const int open = firstPosition(opening, lowerBefore);
  const int close = firstPosition(closing, lowerBefore);
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

LineAt lineAtPosition(const QString& text, int position) {
  position = std::clamp(position, 0, int(text.size()));
  const int breakBefore = position >= 2 ? int(text.lastIndexOf(QStringLiteral("\r\n"), position - 2)) : -1;
  LineAt line;
  line.start = breakBefore < 0 ? 0 : breakBefore + 2;
  const int breakAfter = int(text.indexOf(QStringLiteral("\r\n"), line.start));
  line.text = text.mid(line.start, (breakAfter < 0 ? int(text.size()) : breakAfter) - line.start);
  return line;
}

namespace {
// 1-based position of the first `needle` in the text before the caret, any
// case; 0 for none.
int firstBefore(const QString& text, int caret, QStringView needle) {
  const QStringView before = QStringView(text).left(std::clamp(caret, 0, int(text.size())));
  return int(before.indexOf(needle, 0, Qt::CaseInsensitive)) + 1;
}
}  // namespace

bool InScriptAt(const QString& text, int caret) {
  return firstBefore(text, caret, u"<script") > 0 && firstBefore(text, caret, u"</script") == 0;
}

bool InHeadOrScriptAt(const QString& text, int caret) {
  return firstBefore(text, caret, u"</head>") < firstBefore(text, caret, u"<head") ||
         InScriptAt(text, caret);
}

CaretContext AnalyseCaretContext(const QString& text, int caret) {
  caret = std::clamp(caret, 0, int(text.size()));
  const QString lower = LowerKeepingPositions(text.left(caret));
  CaretContext context;
  context.inBold = isOpen(lower, QStringLiteral("<b>"), QStringLiteral("</b>"));
  context.inItalic = isOpen(lower, QStringLiteral("<i>"), QStringLiteral("</i>"));
  context.inUnderline = isOpen(lower, QStringLiteral("<u>"), QStringLiteral("</u>"));
  context.inTable = isOpen(lower, QStringLiteral("<table"), QStringLiteral("</table"));
  context.inScript = InScriptAt(text, caret);
  context.inHeadOrScript = InHeadOrScriptAt(text, caret);

  const struct {
    const char16_t* opening;
    const char16_t* closing;
  } blocks[] = {{u"<p ", u"</p>"}, {u"<div ", u"</div>"}};
  for (const auto& block : blocks) {
    const std::optional<QString> align = enclosingAlign(
        text, lower, QString::fromUtf16(block.opening), QString::fromUtf16(block.closing));
    if (align && !align->isEmpty()) context.currentAlign = *align;
  }
  analyseHeading(lineAtPosition(text, caret), context);
  return context;
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
