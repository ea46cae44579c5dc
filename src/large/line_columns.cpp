// SPDX-License-Identifier: GPL-3.0-or-later
#include "large/line_columns.h"

#include "large/large_document.h"

#include <algorithm>

namespace wrenpad::large {

namespace {
constexpr qint64 kMarkBytes = 4096;
// A column or an offset is at most a mark's step from a mark: reading more
// at a time only copies bytes that are not looked at.
constexpr qint64 kReadBytes = kMarkBytes;

bool isWide(char32_t u) {
  static constexpr char32_t kWide[][2] = {
      {0x1100, 0x115F}, {0x2460, 0x24FF}, {0x2500, 0x257F}, {0x25A0, 0x27BF}, {0x2E80, 0x303E},
      {0x3041, 0x33FF}, {0x3400, 0x4DBF}, {0x4E00, 0x9FFF}, {0xA000, 0xA4CF}, {0xAC00, 0xD7A3},
      {0xE000, 0xF8FF}, {0xF900, 0xFAFF}, {0xFE30, 0xFE4F}, {0xFF00, 0xFF60}, {0xFFE0, 0xFFE6},
      {0x1F300, 0x1F64F}, {0x1F900, 0x1F9FF}, {0x20000, 0x3FFFD}};
  for (const auto& range : kWide)
    if (u >= range[0] && u <= range[1]) return true;
  return false;
}
}  // namespace

int columnsOf(TextEncoding encoding, const unsigned char* s, int length) {
  if (length == 1) return 1;
  switch (encoding) {
    case TextEncoding::ShiftJis: return 2;
    case TextEncoding::EucJp: return s[0] == 0x8E ? 1 : 2;
    case TextEncoding::Utf8: break;
  }
  char32_t code = s[0] & (0xFF >> (length + 1));
  for (int k = 1; k < length; ++k) code = code << 6 | (s[k] & 0x3F);
  // Stand-ins of undecodable bytes (private use, U+F780..) take one column each.
  if (code >= 0xF780 && code <= 0xF7FF) return 1;
  return isWide(code) ? 2 : 1;
}

LineColumns::LineColumns(const LargeDocument& document, qint64 start, qint64 end, int tabColumns)
    : document_(document),
      start_(start),
      end_(end),
      tabColumns_(std::max(1, tabColumns)),
      jis_(document.form().jis),
      marks_{{start, 0, jis_ ? document.jisState(start) : JisState::Single}} {}

int LineColumns::advance(const unsigned char* s, qint64 n, qint64 column, int* length, JisState* jis) const {
  qint64 escapes = 0;
  if (jis_) {
    *length = jisCharacterLength(jis, s, n);
    for (JisState ignored; escapes < *length && jisEscapeLength(s + escapes, n - escapes, &ignored) > 0;) escapes += 3;
    // Escapes before a line end stand alone and take no column.
    if (escapes == *length) return 0;
  }
  if (s[escapes] == '\t') {
    if (!jis_) *length = 1;
    return int(tabColumns_ - column % tabColumns_);
  }
  // A JIS X 0208 pair takes two columns, as its Shift-JIS pair does.
  if (jis_) return *length - escapes == 2 ? 2 : 1;
  *length = characterLength(document_.encoding(), s, n);
  return columnsOf(document_.encoding(), s, *length);
}

LineColumns::Mark LineColumns::walk(Mark mark, qint64 offset, qint64 column) const {
  while (mark.offset < end_) {
    const qint64 to = std::min(end_, mark.offset + kReadBytes);
    // A few bytes more, so a character (with escapes before it) is never
    // cut at the block's end.
    const std::string block = document_.bytes(mark.offset, std::min(end_, to + 16));
    const auto* s = reinterpret_cast<const unsigned char*>(block.data());
    qint64 at = 0;
    while (mark.offset + at < to) {
      if (mark.offset + at >= offset) return {mark.offset + at, mark.column, mark.jis};
      int length = 0;
      JisState jis = mark.jis;
      const int width = advance(s + at, qint64(block.size()) - at, mark.column, &length, &jis);
      if (mark.column + width > column) return {mark.offset + at, mark.column, mark.jis};
      at += length;
      mark.column += width;
      mark.jis = jis;
    }
    mark.offset += at;
  }
  return {end_, mark.column, mark.jis};
}

void LineColumns::readOn(qint64 offset, qint64 column) {
  while (marks_.back().offset < end_ && (marks_.back().offset <= offset || marks_.back().column <= column)) {
    const Mark last = marks_.back();
    const Mark next = walk(last, last.offset + kMarkBytes, std::numeric_limits<qint64>::max());
    if (next.offset <= last.offset) break;
    marks_.push_back(next);
  }
}

LineColumns::Mark LineColumns::nearestBefore(qint64 offset, qint64 column) const {
  const auto after = offset >= 0 ? std::upper_bound(marks_.begin(), marks_.end(), offset,
                                                    [](qint64 o, const Mark& m) { return o < m.offset; })
                                 : std::upper_bound(marks_.begin(), marks_.end(), column,
                                                    [](qint64 c, const Mark& m) { return c < m.column; });
  Mark nearest = *(after - 1);
  for (const Mark& answer : answers_) {
    const bool before = offset >= 0 ? answer.offset <= offset : answer.column <= column;
    if (before && answer.offset > nearest.offset) nearest = answer;
  }
  return nearest;
}

LineColumns::Mark LineColumns::remember(Mark answer) {
  constexpr std::size_t kAnswersKept = 4;
  if (answers_.size() == kAnswersKept) answers_.erase(answers_.begin());
  answers_.push_back(answer);
  return answer;
}

qint64 LineColumns::columnOf(qint64 offset) {
  offset = std::clamp(offset, start_, end_);
  readOn(offset, -1);
  return remember(walk(nearestBefore(offset, -1), offset, std::numeric_limits<qint64>::max())).column;
}

qint64 LineColumns::offsetAtColumn(qint64 column) {
  column = std::max<qint64>(column, 0);
  readOn(-1, column);
  return remember(walk(nearestBefore(-1, column), end_, column)).offset;
}

qint64 LineColumns::totalColumns() {
  readOn(end_, -1);
  return marks_.back().column;
}

bool LineColumns::follow(const Change& change) {
  if (change.offset > end_) return true;
  // An edit wholly before the line, its break included, moves it as it is.
  if (change.offset + change.removed < start_) {
    const qint64 shift = change.inserted - change.removed;
    start_ += shift;
    end_ += shift;
    for (Mark& mark : marks_) mark.offset += shift;
    for (Mark& answer : answers_) answer.offset += shift;
    return true;
  }
  if (change.offset < start_ || change.offset + change.removed > end_) return false;
  end_ += change.inserted - change.removed;
  // Marks up to the edit stay; the rest is read again when asked for.
  while (marks_.size() > 1 && marks_.back().offset >= change.offset) marks_.pop_back();
  std::erase_if(answers_, [&change](const Mark& answer) { return answer.offset >= change.offset; });
  return true;
}

}  // namespace wrenpad::large
