// SPDX-License-Identifier: GPL-3.0-or-later
#include "large/line_index.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace wrenpad::large {

namespace {
constexpr qint64 kMarkEvery = 1024;
// A mark also at the first line start this far past the last mark: a line
// found from a mark costs a scan of at most this, and a line, even where
// lines are long.
constexpr qint64 kMarkBytes = qint64(256) << 10;
constexpr qint64 kLongLineBytes = qint64(64) << 10;
// More long lines than a screen shows, so none on it is looked for again.
constexpr std::size_t kLongLinesKept = 256;

// Calls found(position) for each line break at [from, to), in order, while
// it returns true. A CR is a break unless an LF follows it, in the block or
// after it. Each step looks no further than the next LF (memchr), so finding
// one line's end costs that line, not the block.
template <typename Found>
void forEachBreak(const DocumentBytes& bytes, qint64 from, qint64 to, Found&& found) {
  passForward(bytes, from, to, [&](qint64 offset, std::string_view block) {
    const char* const begin = block.data();
    const char* const end = begin + block.size();
    for (const char* p = begin; p < end;) {
      const char* lf = static_cast<const char*>(std::memchr(p, '\n', std::size_t(end - p)));
      const char* cr = static_cast<const char*>(std::memchr(p, '\r', std::size_t((lf ? lf : end) - p)));
      if (cr) {
        const qint64 position = offset + (cr - begin);
        const char next = cr + 1 < end ? cr[1] : bytes.text.byteAt(position + 1);
        if (next != '\n' && !found(position)) return false;
        p = cr + 1;
        continue;
      }
      if (!lf) break;
      if (!found(offset + (lf - begin))) return false;
      p = lf + 1;
    }
    return true;
  });
}
}  // namespace

bool hasLineLongerThan(const OriginalBytes& bytes, qint64 limit) {
  qint64 run = 0;  // the bytes of the line so far, from the blocks before
  bool longer = false;
  bytes.read(0, bytes.size(), [&](std::string_view block) {
    for (const char *p = block.data(), *end = p + block.size(); p < end;) {
      const char* lineEnd = std::find_if(p, end, [](char c) { return c == '\n' || c == '\r'; });
      run += lineEnd - p;
      if (run > limit) longer = true;
      if (longer || lineEnd == end) break;
      run = 0;
      p = lineEnd + 1;
    }
    return !longer;
  });
  return longer;
}

qint64 LineIndex::countBreaks(qint64 from, qint64 to) const {
  qint64 count = 0;
  from = std::max<qint64>(from, 0);
  passForward(bytes_, from, to, [&](qint64 offset, std::string_view block) {
    count += std::count(block.begin(), block.end(), '\n');
    for (const char* p = block.data(); (p = static_cast<const char*>(std::memchr(p, '\r', std::size_t(block.data() + block.size() - p)))); ++p) {
      const qint64 position = offset + (p - block.data());
      const char next = p + 1 < block.data() + block.size() ? p[1] : bytes_.text.byteAt(position + 1);
      if (next != '\n') ++count;
    }
    return true;
  });
  return count;
}

void LineIndex::scanTo(qint64 line, qint64 offset, qint64 budget) {
  const qint64 size = bytes_.text.size();
  // Every line is known to be there, up to the last: no need to look past it.
  if (complete_) line = std::min(line, breaks_);
  if (scanned_ >= size || (frontier_.line >= line && scanned_ >= offset)) return;
  const qint64 stop = budget > 0 ? std::min(size, scanned_ + budget) : size;
  bool reached = false;
  forEachBreak(bytes_, scanned_, stop, [&](qint64 position) {
    frontier_ = {frontier_.line + 1, position + 1};
    if (frontier_.line % kMarkEvery == 0 || frontier_.offset - marks_.back().offset >= kMarkBytes)
      marks_.push_back(frontier_);
    reached = frontier_.line >= line && frontier_.offset >= offset;
    return !reached;
  });
  scanned_ = reached ? frontier_.offset : stop;
  if (scanned_ >= size) {
    complete_ = true;
    breaks_ = frontier_.line;
  }
}

bool LineIndex::scanOn(qint64 budget) {
  scanTo(std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::max(), std::max<qint64>(budget, 1));
  return complete_;
}

qint64 LineIndex::lineCount() {
  scanTo(std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::max(), 0);
  return breaks_ + 1;
}

qint64 LineIndex::estimatedLineCount() const {
  if (complete_) return breaks_ + 1;
  const qint64 size = bytes_.text.size();
  if (frontier_.offset <= 0) return std::max<qint64>(1, size / 80);
  return std::max(frontier_.line + 1, qint64(double(frontier_.line) * double(size) / double(frontier_.offset)) + 1);
}

LineIndex::Mark LineIndex::nearestMarkBeforeLine(qint64 line) const {
  const auto after = std::upper_bound(marks_.begin(), marks_.end(), line,
                                      [](qint64 l, const Mark& m) { return l < m.line; });
  Mark mark = *(after - 1);
  if (frontier_.line <= line && frontier_.line > mark.line) mark = frontier_;
  return mark;
}

LineIndex::Mark LineIndex::nearestMarkBeforeOffset(qint64 offset) const {
  offset = std::max<qint64>(offset, 0);
  const auto after = std::upper_bound(marks_.begin(), marks_.end(), offset,
                                      [](qint64 o, const Mark& m) { return o < m.offset; });
  Mark mark = *(after - 1);
  if (frontier_.offset <= offset && frontier_.offset > mark.offset) mark = frontier_;
  return mark;
}

qint64 LineIndex::walk(Mark from, qint64 line) const {
  if (line <= from.line) return from.offset;
  qint64 start = from.offset;
  qint64 left = line - from.line;
  forEachBreak(bytes_, from.offset, bytes_.text.size(), [&](qint64 position) {
    start = position + 1;
    return --left > 0;
  });
  return start;
}

qint64 LineIndex::lineStart(qint64 line) {
  if (line <= 0) return 0;
  if (complete_) line = std::min(line, breaks_);
  if (const Span* known = longLine(line)) return known->start;
  scanTo(line, -1, 0);
  return walk(nearestMarkBeforeLine(line), line);
}

qint64 LineIndex::lineEnd(qint64 line) {
  return endBefore(lineStart(line), lineStart(line + 1));
}

qint64 LineIndex::endBefore(qint64 start, qint64 next) const {
  // The last line begins where the line after it would: it ends the document.
  if (next <= start) return bytes_.text.size();
  qint64 end = next - 1;
  if (end > start && bytes_.text.byteAt(end) == '\n' && bytes_.text.byteAt(end - 1) == '\r') --end;
  return end;
}

std::vector<LineIndex::Span> LineIndex::lines(qint64 first, qint64 count) {
  std::vector<Span> spans;
  first = std::max<qint64>(first, 0);
  scanTo(first + count, -1, 0);
  if (count <= 0 || (complete_ && first > breaks_)) return spans;
  const qint64 size = bytes_.text.size();
  qint64 start = lineStart(first);
  for (qint64 line = first; qint64(spans.size()) < count; ++line) {
    // The last line runs to the end: no need to look for its break.
    if (complete_ && line == breaks_) {
      spans.push_back({line, start, size});
      noteLongLine(spans.back());
      break;
    }
    qint64 next = -1;
    if (const Span* known = longLine(line)) {
      next = nextStart(*known);
    } else {
      forEachBreak(bytes_, start, size, [&next](qint64 position) {
        next = position + 1;
        return false;
      });
    }
    if (next < 0) {
      spans.push_back({line, start, size});
      noteLongLine(spans.back());
      break;
    }
    spans.push_back({line, start, endBefore(start, next)});
    noteLongLine(spans.back());
    start = next;
  }
  return spans;
}

qint64 LineIndex::lineOf(qint64 offset) {
  offset = std::clamp<qint64>(offset, 0, bytes_.text.size());
  for (const Span& known : longLines_)
    if (offset >= known.start && offset <= known.end) return known.line;
  scanTo(-1, offset, 0);
  const Mark mark = nearestMarkBeforeOffset(offset);
  const qint64 line = mark.line + countBreaks(mark.offset, offset);
  // Far into a line: the whole line is found and kept for the next time.
  if (offset - mark.offset > kLongLineBytes) lines(line, 1);
  return line;
}

qint64 LineIndex::nextStart(const Span& span) const {
  const qint64 size = bytes_.text.size();
  if (span.end >= size) return -1;
  return span.end + (bytes_.text.byteAt(span.end) == '\r' && bytes_.text.byteAt(span.end + 1) == '\n' ? 2 : 1);
}

void LineIndex::noteLongLine(const Span& span) {
  if (span.end - span.start <= kLongLineBytes) return;
  std::erase_if(longLines_, [&span](const Span& known) { return known.line == span.line; });
  if (longLines_.size() == kLongLinesKept) longLines_.erase(longLines_.begin());
  longLines_.push_back(span);
}

const LineIndex::Span* LineIndex::longLine(qint64 line) const {
  for (const Span& known : longLines_)
    if (known.line == line) return &known;
  return nullptr;
}

// A long line kept stays true through an edit before it (it moves), after
// it, or inside it that adds and takes no line break; any other edit
// forgets it.
bool LineIndex::followLongLine(Span& line, qint64 offset, qint64 removed, qint64 inserted,
                               qint64 breakDelta) const {
  if (offset > line.end) return true;
  const qint64 shift = inserted - removed;
  if (offset + removed < line.start) {
    line = {line.line + breakDelta, line.start + shift, line.end + shift};
    return true;
  }
  if (offset <= line.start || offset + removed > line.end || breakDelta != 0) return false;
  // Its break must still begin where the line now ends: no CR LF made or
  // parted there (the last line has none).
  const PieceTable& text = bytes_.text;
  const qint64 end = line.end + shift;
  const bool breakStays = end == text.size() || text.byteAt(end) == '\r' ||
                          (text.byteAt(end) == '\n' && text.byteAt(end - 1) != '\r');
  line.end = end;
  return breakStays;
}

LineIndex::Mark LineIndex::lastStartBefore(qint64 offset) const {
  Mark start = nearestMarkBeforeOffset(offset - 1);
  forEachBreak(bytes_, start.offset, offset - 1, [&](qint64 position) {
    start = {start.line + 1, position + 1};
    return true;
  });
  return start;
}

void LineIndex::edited(qint64 offset, qint64 removed, qint64 inserted, qint64 breakDelta) {
  if (complete_) breaks_ += breakDelta;
  std::erase_if(longLines_, [&](Span& line) { return !followLongLine(line, offset, removed, inserted, breakDelta); });
  if (offset > scanned_) return;
  const qint64 end = offset + removed;
  const auto touched = [&](const Mark& m) { return m.offset >= offset && m.offset <= end; };
  marks_.erase(std::remove_if(marks_.begin() + 1, marks_.end(), touched), marks_.end());
  for (Mark& mark : marks_) {
    if (mark.offset > end) mark = {mark.line + breakDelta, mark.offset + inserted - removed};
  }
  if (frontier_.offset > end) {
    frontier_ = {frontier_.line + breakDelta, frontier_.offset + inserted - removed};
    scanned_ += inserted - removed;
    return;
  }
  // The bytes from just before the edit on are scanned again; whether a CR
  // there ends a line depends on the byte after it.
  if (frontier_.offset >= offset) frontier_ = lastStartBefore(offset);
  scanned_ = std::max(frontier_.offset, offset - 1);
}

}  // namespace wrenpad::large
