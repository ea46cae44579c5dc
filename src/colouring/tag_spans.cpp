// SPDX-License-Identifier: GPL-3.0-or-later
#include "colouring/tag_spans.h"

#include <QStringView>
#include <algorithm>
#include <cstdint>

#include "text/occurrence_table.h"

namespace wrenpad {

namespace {

const QString kLess = QStringLiteral("<");
const QString kGreater = QStringLiteral(">");
const QString kQuote = QStringLiteral("\"");
const QString kScriptOpen = QStringLiteral("<script");
const QString kScriptClose = QStringLiteral("</script");
const QString kCommentOpen = QStringLiteral("<!--");

constexpr int kLessColumn = 1;
constexpr int kGreaterColumn = 2;
constexpr int kQuoteColumn = 1;

// Records progress values, keeping only changes, held within the run's part.
class ProgressLog {
 public:
  ProgressLog(ProgressRange range, TagPaint& paint) : range_(range), paint_(paint) {}

  int width() const { return range_.high - range_.low; }

  void report(std::int64_t offsetInRun) {
    const int lowest = std::min(range_.low, range_.high);
    const int highest = std::max(range_.low, range_.high);
    const int value =
        static_cast<int>(std::clamp<std::int64_t>(range_.low + offsetInRun, lowest, highest));
    const int applied = static_cast<int>(paint_.spans.size());
    if (!paint_.progress.empty() && paint_.progress.back().value == value) return;
    paint_.progress.push_back({applied, value});
  }

 private:
  ProgressRange range_;
  TagPaint& paint_;
};

// Finds "<script", "</script" (without regard to case) or "<!--" from
// `from`; with a `limit`, only one that starts before it. Walking from one "<"
// to the next is many times faster than a string search over a page that
// holds few of them.
qsizetype NextTagStart(QStringView text, QStringView tag, qsizetype from,
                       qsizetype limit = -1) {
  if (limit >= 0) text = text.left(limit + tag.size() - 1);
  for (qsizetype at = text.indexOf(u'<', from); at >= 0; at = text.indexOf(u'<', at + 1)) {
    if (text.mid(at).startsWith(tag, Qt::CaseInsensitive)) return at;
  }
  return -1;
}

void AddSpan(TagPaint& paint, int first, int last, SpanKind kind) {
  if (last >= first) paint.spans.push_back({first, last - first + 1, kind});
}

// Offset of the painting origin from `start`: 0 when the range begins
// outside a tag, else just past the ">" that ends the cut tag. Nothing when
// the range holds no ">".
std::optional<int> OriginOffset(const QString& text, int start, int finish) {
  const QStringView range = QStringView(text).mid(start, finish - start);
  const qsizetype greater = range.indexOf(u'>');
  if (greater < 0) return std::nullopt;
  const qsizetype less = range.indexOf(u'<');
  if (less < 0 || less < greater) return 0;
  return static_cast<int>(greater) + 1;
}

// Paints the tags from the origin through the first script block's opening
// tag, and returns where the painting with progress starts: at the block's
// "</script", so the script body is skipped.
int PaintUpToScriptBody(const QString& text, int origin, int finish, TagPaint& paint) {
  const qsizetype open = NextTagStart(text, kScriptOpen, origin, finish);
  if (open < 0) return origin;
  const qsizetype openEnd = text.indexOf(u'>', open);
  if (openEnd < 0) return origin;
  const int afterOpen = static_cast<int>(openEnd) + 1;
  PaintTagSpans(text, origin, std::min(afterOpen, finish), std::nullopt, paint);
  const qsizetype close = NextTagStart(text, kScriptClose, afterOpen);
  return close < 0 ? afterOpen : static_cast<int>(close);
}

// Pairs the double quotes of [from, to) in order and paints each pair with
// what lies between. `log`, when given, reports the quote phase's progress.
void PaintQuotePairs(const QString& text, int from, int to, TagPaint& paint, ProgressLog* log) {
  OccurrenceTable table;
  FindAllOccurrences(text, kQuote, from + 1, to, table, kQuoteColumn);
  const auto quotes = table.positions(kQuoteColumn);
  for (std::size_t k = 0; k + 1 < quotes.size(); k += 2) {
    AddSpan(paint, quotes[k], quotes[k + 1], SpanKind::QuotedValue);
    if (log == nullptr) continue;
    const std::int64_t share = std::int64_t{quotes[k] - from} * log->width() / (to - from);
    log->report(share * 2 / 10 + std::int64_t{log->width()} * 7 / 10);
  }
}

// Where the page's last script block begins, for the comment rule below.
struct ScriptBounds {
  qsizetype lastOpen = -1;
  qsizetype lastClose = -1;
};

ScriptBounds FindScriptBounds(QStringView text) {
  ScriptBounds bounds;
  for (qsizetype at = text.indexOf(u'<'); at >= 0; at = text.indexOf(u'<', at + 1)) {
    const QStringView rest = text.mid(at);
    if (rest.startsWith(kScriptOpen, Qt::CaseInsensitive)) bounds.lastOpen = at;
    if (rest.startsWith(kScriptClose, Qt::CaseInsensitive)) bounds.lastClose = at;
  }
  return bounds;
}

// Start of the first "-->" at or after `from`, or -1.
qsizetype CommentCloseFrom(QStringView text, qsizetype from) {
  for (qsizetype at = text.indexOf(u'>', from + 2); at >= 0; at = text.indexOf(u'>', at + 1)) {
    if (text[at - 1] == u'-' && text[at - 2] == u'-') return at - 2;
  }
  return -1;
}

// A comment whose "<" lies after the last "<script" and before a "</script"
// belongs to the last script block: its colours come from the program
// colouring of the whole-document repaint, so it is left unpainted. Every
// other comment, including one followed by another script block, is grey.
bool InLastScriptBlock(const ScriptBounds& bounds, qsizetype comment) {
  return bounds.lastOpen >= 0 && comment > bounds.lastOpen && bounds.lastClose > comment;
}

void PaintComments(const QString& text, int start, int finish, TagPaint& paint, ProgressLog& log) {
  qsizetype open = NextTagStart(text, kCommentOpen, start);
  if (open < 0 || open + kCommentOpen.size() > finish) return;
  const ScriptBounds bounds = FindScriptBounds(text);
  while (open >= 0) {
    const qsizetype close = CommentCloseFrom(text, open + 1);
    // Up to and including "-->"; without one only "<!-" is painted and the
    // search ends.
    const qsizetype end = close < 0 ? open + 3 : close + 3;
    if (!InLastScriptBlock(bounds, open)) {
      AddSpan(paint, static_cast<int>(open), static_cast<int>(end) - 1, SpanKind::Comment);
    }
    const std::int64_t share = std::int64_t{end - start} * log.width() / (finish - start);
    log.report(share / 10 + std::int64_t{log.width()} * 9 / 10);
    if (close < 0) break;
    open = NextTagStart(text, kCommentOpen, end);
  }
}

// Whether the ">" that ends `tag` is a stray one: the comment `tag` opens
// ended before it, or a ">" after the last "<" before it closed the tag
// already.
bool ClosesNothing(QStringView tag) {
  if (!tag.endsWith(u'>')) return false;
  const QStringView before = tag.chopped(1);
  if (tag.startsWith(kCommentOpen)) {
    const qsizetype close = CommentCloseFrom(tag, 1);
    return close >= 0 && close + 2 < before.size();
  }
  return before.lastIndexOf(u'>') > before.lastIndexOf(u'<');
}

}  // namespace

void PaintTagSpans(const QString& text, int from, int to, std::optional<ProgressRange> progress,
                   TagPaint& paint) {
  if (to <= from) return;
  OccurrenceTable table;
  FindAllOccurrences(text, kLess, from + 1, to, table, kLessColumn);
  FindAllOccurrences(text, kGreater, from + 1, to, table, kGreaterColumn);
  const auto opens = table.positions(kLessColumn);
  std::optional<ProgressLog> log;
  if (progress) log.emplace(*progress, paint);
  // Both lists are in text order: one walk through each pairs every ">" with
  // the first "<" after the ">" before it.
  auto open = opens.begin();
  int previousClose = from - 1;
  for (const int close : table.positions(kGreaterColumn)) {
    open = std::find_if(open, opens.end(), [previousClose](int at) { return at > previousClose; });
    previousClose = close;
    // A ">" with no "<" since the previous ">" (a stray one in the text or a
    // script) closes nothing.
    if (open == opens.end() || *open > close) continue;
    AddSpan(paint, *open, close, SpanKind::Tag);
    if (log) log->report(std::int64_t{*open - from} * log->width() * 7 / 10 / (to - from));
  }
}

TagPaint PaintTagsInRange(const QString& text, int start, int finish, ProgressRange progress) {
  TagPaint paint;
  paint.finalProgress = progress.high;
  const int length = static_cast<int>(text.size());
  start = std::clamp(start, 0, length);
  finish = std::clamp(finish, start, length);
  int origin = start;
  if (start > 0) {
    const std::optional<int> offset = OriginOffset(text, start, finish);
    if (!offset) return paint;
    origin = start + *offset;
  }
  const int resume = PaintUpToScriptBody(text, origin, finish, paint);
  PaintTagSpans(text, resume, finish, progress, paint);
  ProgressLog log(progress, paint);
  PaintQuotePairs(text, start, finish, paint, &log);
  PaintComments(text, start, finish, paint, log);
  return paint;
}

TagPaint PaintSingleTag(const QString& text, int from, int to) {
  TagPaint paint;
  const int length = static_cast<int>(text.size());
  from = std::clamp(from, 0, length);
  to = std::clamp(to, from, length);
  if (to == from) return paint;
  if (ClosesNothing(QStringView(text).mid(from, to - from))) return paint;
  if (QStringView(text).mid(from, to - from).startsWith(kCommentOpen)) {
    AddSpan(paint, from, to - 1, SpanKind::ClosedComment);
    return paint;
  }
  AddSpan(paint, from, to - 1, SpanKind::ClosedTag);
  PaintQuotePairs(text, from, to, paint, nullptr);
  return paint;
}

}  // namespace wrenpad
