// SPDX-License-Identifier: GPL-3.0-or-later
#include "large_view/screen_text.h"

#include <algorithm>

namespace wrenpad::large {

namespace {
// More than a screen shows, so that no line on it is read again at every key.
constexpr std::size_t kLongLinesKept = 256;
}

LineColumns& ScreenText::columns(const LineIndex::Span& span) {
  for (auto it = longLines_.begin(); it != longLines_.end(); ++it) {
    if (it->start() != span.start) continue;
    if (it->end() != span.end) {
      longLines_.erase(it);
      break;
    }
    longLines_.splice(longLines_.begin(), longLines_, it);
    return longLines_.front();
  }
  longLines_.emplace_front(document_, span.start, span.end, tabColumns_);
  if (longLines_.size() > kLongLinesKept) longLines_.pop_back();
  return longLines_.front();
}

qint64 ScreenText::columnOf(const LineIndex::Span& span, qint64 offset) {
  if (span.end - span.start > kWholeLineBytes) return columns(span).columnOf(offset);
  return LineColumns(document_, span.start, span.end, tabColumns_).columnOf(offset);
}

qint64 ScreenText::offsetAtColumn(const LineIndex::Span& span, qint64 column) {
  if (span.end - span.start > kWholeLineBytes) return columns(span).offsetAtColumn(column);
  return LineColumns(document_, span.start, span.end, tabColumns_).offsetAtColumn(column);
}

qint64 ScreenText::widthOf(const LineIndex::Span& span) {
  if (span.end - span.start <= kWholeLineBytes)
    return LineColumns(document_, span.start, span.end, tabColumns_).totalColumns();
  LineColumns& known = columns(span);
  return known.totalKnown() ? known.totalColumns() : span.end - span.start;
}

ShownLine ScreenText::line(const LineIndex::Span& span, qint64 left, qint64 width) {
  ShownLine shown{span.line, span.start, span.end, span.start, span.end, 0, {}};
  if (span.end - span.start > kWholeLineBytes) {
    LineColumns& known = columns(span);
    shown.from = known.offsetAtColumn(std::max<qint64>(0, left - kMarginColumns));
    shown.to = known.offsetAtColumn(left + width + kMarginColumns);
    if (shown.to < span.end) shown.to = document_.nextCharacter(shown.to);
    shown.column = known.columnOf(shown.from);
  }
  shown.text = document_.decode(shown.from, shown.to);
  return shown;
}

std::vector<ShownLine> ScreenText::lines(qint64 top, qint64 count, qint64 left, qint64 width) {
  std::vector<ShownLine> shown;
  for (const LineIndex::Span& span : document_.lines().lines(top, count)) shown.push_back(line(span, left, width));
  return shown;
}

void ScreenText::follow(const Change& change) {
  std::erase_if(longLines_, [&change](LineColumns& line) { return !line.follow(change); });
}

void ScreenText::setTabColumns(int columns) {
  tabColumns_ = columns;
  longLines_.clear();
}

}  // namespace wrenpad::large
