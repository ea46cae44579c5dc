// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/alignment.h"

#include "text/text_helpers.h"
#include "editing/caret_context.h"

#include <algorithm>

namespace wrenpad {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
const QString kBreakTag = QStringLiteral("<br>");

int length(const QString& text) { return int(text.size()); }

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

int skipBlanks(const QString& text, int at) {
  while (at < text.size() && isBlank(text.at(at))) ++at;
  return at;
}

// The end of an attribute value that starts at `at`: a quoted value through
// its closing quote, an unquoted one up to a blank or ">". Nothing when there
// is no value.
std::optional<int> attributeValueEnd(const QString& text, int at) {
  if (at >= text.size()) return std::nullopt;
  const QChar first = text.at(at);
  if (first == u'"' || first == u'\'') {
    const int close = int(text.indexOf(first, at + 1));
    if (close < 0) return std::nullopt;
    return close + 1;
  }
  int end = at;
  while (end < text.size() && !isBlank(text.at(end)) && text.at(end) != u'>') ++end;
  if (end == at) return std::nullopt;
  return end;
}

// The blank before the last " align" attribute that lies before the caret.
int lastAlignAttribute(const QString& lower, int caret) {
  const QString name = QStringLiteral("align");
  for (int from = caret - length(name); from >= 1;) {
    const int at = int(lower.lastIndexOf(name, from));
    if (at < 1) return -1;
    if (isBlank(lower.at(at - 1))) return at - 1;
    from = at - 1;
  }
  return -1;
}

AlignmentPlan finish(AlignmentPlan plan, const AlignmentRequest& request) {
  plan.caret = positionAfter(request.caret, plan.changes);
  return plan;
}

AlignmentPlan removeAlign(const AlignmentRequest& request) {
  const QString& text = request.text;
  const int blank = lastAlignAttribute(LowerKeepingPositions(text), request.caret);
  const std::optional<int> extent = blank < 0 ? std::nullopt : AlignAttributeLength(text, blank);
  if (!extent) return {};
  AlignmentPlan plan;
  plan.kind = AlignmentCase::Remove;
  plan.changes = {{blank, *extent, QString()}};
  const QString after = LowerKeepingPositions(appliedTo(text, plan.changes));
  // The display alignment is reset up to the end of the element: the
  // caret's line for a heading, else the next "</div>" or "</p>".
  int displayEnd = blank;
  if (request.headingIndex < 1) {
    const int windowStart = std::max(0, blank - 30);
    const bool inDivision = after.mid(windowStart, blank - windowStart).contains(QStringLiteral("div"));
    const int close = int(after.indexOf(inDivision ? QStringLiteral("</div>") : QStringLiteral("</p>"),
                                        std::max(0, blank - 1)));
    if (close >= 0) displayEnd = close;
  }
  plan.display = TextRange{blank, displayEnd};
  plan.displayAlign = QStringLiteral("left");
  const int tagStart = blank > 0 ? int(after.lastIndexOf(u'<', blank - 1)) : -1;
  const int tagEnd = int(after.indexOf(u'>', blank));
  if (tagStart >= 0 && tagEnd >= 0 && tagEnd < blank + 10) plan.singleTag = TextRange{tagStart, tagEnd + 1};
  return finish(plan, request);
}

AlignmentPlan changeAlignValue(const AlignmentRequest& request) {
  const QString& text = request.text;
  const QString before = LowerKeepingPositions(text.left(request.caret));
  const int tagStart = std::max(int(before.lastIndexOf(QStringLiteral("<p align"))),
                                int(before.lastIndexOf(QStringLiteral("<div align"))));
  if (tagStart < 0) return {};
  const int tagClose = int(text.indexOf(u'>', tagStart));
  const int tagEnd = tagClose < 0 ? request.caret : tagClose;
  const int valueAt = int(text.indexOf(request.currentAlign, tagStart));
  if (valueAt < 0 || valueAt + length(request.currentAlign) > tagEnd) return {};
  AlignmentPlan plan;
  plan.kind = AlignmentCase::ChangeValue;
  plan.changes = {{valueAt, length(request.currentAlign), request.align}};
  plan.resultingAlign = request.align;
  plan.refreshCaretContext = true;
  return finish(plan, request);
}

// Where the new paragraph's opening tag goes, and whether a "<br>" after the
// caret must become its "</p>".
struct ParagraphOpening {
  int at = 0;
  int replaced = 0;
  bool needsClosing = true;
};

std::optional<ParagraphOpening> paragraphOpening(const QString& lowerBefore) {
  const int lastBreak = LastPosition(kBreakTag, lowerBefore);
  const int lastParagraph = LastPosition(QStringLiteral("<p>"), lowerBefore);
  if (lastBreak > lastParagraph) return ParagraphOpening{lastBreak - 1, length(kBreakTag), true};
  if (lowerBefore.contains(QStringLiteral("<p>")))
    return ParagraphOpening{int(lowerBefore.lastIndexOf(QStringLiteral("<p>"))), 3, false};
  const int body = int(lowerBefore.indexOf(QStringLiteral("<body")));
  const int bodyEnd = body < 0 ? -1 : int(lowerBefore.indexOf(u'>', body));
  if (bodyEnd < 0) return std::nullopt;
  return ParagraphOpening{bodyEnd + 1, 0, true};
}

AlignmentPlan openParagraph(const AlignmentRequest& request) {
  const QString& text = request.text;
  const QString lower = LowerKeepingPositions(text);
  const std::optional<ParagraphOpening> opening = paragraphOpening(lower.left(request.caret));
  if (!opening) return {};
  const QString tag = QStringLiteral("<p align = \"%1\">").arg(request.align);
  AlignmentPlan plan;
  plan.kind = AlignmentCase::NewParagraph;
  int closeAt = -1;
  if (opening->needsClosing) {
    const int selectionEnd = request.caret + request.selLength;
    closeAt = int(lower.indexOf(kBreakTag, std::max(selectionEnd - length(kBreakTag),
                                                    opening->at + opening->replaced)));
    if (closeAt < 0) return {};
    plan.changes.push_back({closeAt, length(kBreakTag), QStringLiteral("</p>")});
  }
  plan.changes.push_back({opening->at, opening->replaced, tag});
  plan.resultingAlign = request.align;
  const QString after = appliedTo(text, plan.changes);
  const int tagEnd = opening->at + length(tag);
  const int caretAfter = positionAfter(request.caret, plan.changes);
  const int closeAfter = closeAt < 0 ? int(LowerKeepingPositions(after).indexOf(QStringLiteral("</p>"), caretAfter))
                                     : positionAfter(closeAt, plan.changes);
  const int displayStart = after.mid(tagEnd, 2) == kLineBreak ? tagEnd + 2 : tagEnd;
  plan.display = TextRange{displayStart, closeAfter < 0 ? caretAfter : closeAfter};
  plan.displayAlign = request.align;
  const int repaintEnd = (closeAt < 0 ? tagEnd : closeAfter + 4) + 10;
  plan.repaint = TextRange{std::max(0, opening->at - 5), std::min(length(after), repaintEnd)};
  return finish(plan, request);
}

AlignmentPlan alignHeading(const AlignmentRequest& request) {
  const QString& text = request.text;
  const LineAt line = lineAtPosition(text, request.caret);
  const int level = request.headingIndex;
  const int headingAt = int(LowerKeepingPositions(line.text).indexOf(QStringLiteral("<h%1").arg(level)));
  const int headingEnd = headingAt < 0 ? -1 : int(line.text.indexOf(u'>', headingAt));
  if (headingEnd < 0) return {};
  const QString tag = QStringLiteral("<h%1 align = \"%2\">").arg(level).arg(request.align);
  AlignmentPlan plan;
  plan.kind = AlignmentCase::Heading;
  const int start = line.start + headingAt;
  plan.changes = {{start, headingEnd - headingAt + 1, tag}};
  const QString after = LowerKeepingPositions(appliedTo(text, plan.changes));
  const int closing = int(after.indexOf(QStringLiteral("</h"), start + length(tag)));
  const int lineEnd = lineAtPosition(after, start).start + length(lineAtPosition(after, start).text);
  const int end = closing < 0 ? lineEnd : std::min(length(after), closing + 5);
  plan.repaint = TextRange{start, end};
  plan.display = TextRange{start, end};
  plan.displayAlign = request.align;
  plan.resultingAlign = request.align;
  plan.refreshCaretContext = true;
  return finish(plan, request);
}

}  // namespace

std::optional<int> AlignAttributeLength(const QString& text, int blank) {
  if (blank < 0 || blank >= text.size() || !isBlank(text.at(blank))) return std::nullopt;
  const int name = blank + 1;
  if (text.mid(name, 5).compare(QStringLiteral("align"), Qt::CaseInsensitive) != 0) return std::nullopt;
  const int equals = skipBlanks(text, name + 5);
  if (equals >= text.size() || text.at(equals) != u'=') return std::nullopt;
  const std::optional<int> end = attributeValueEnd(text, skipBlanks(text, equals + 1));
  if (!end) return std::nullopt;
  return *end - blank;
}

std::vector<int> LineStartsToAlign(const QString& text, int from, int to) {
  from = std::clamp(from, 0, length(text));
  std::vector<int> starts{from};
  for (int at = from;;) {
    const int lineBreak = int(text.indexOf(kLineBreak, std::max(at - 1, 0)));
    if (lineBreak < 0) break;
    at = lineBreak + length(kLineBreak);
    if (at > to - 1) break;
    starts.push_back(at);
  }
  return starts;
}

AlignmentPlan PlanAlignment(const AlignmentRequest& request) {
  if (request.currentAlign == request.align) return removeAlign(request);
  if (request.headingIndex < 1)
    return request.currentAlign.isEmpty() ? openParagraph(request) : changeAlignValue(request);
  return alignHeading(request);
}

}  // namespace wrenpad
