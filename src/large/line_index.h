// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines of a large document, found as far as they are asked for. A line
// ends with LF, CR LF or a CR alone, as the file has them. The index keeps a
// mark (line number, offset of its start) every 1024 lines up to the
// furthest line found: a line's start is a mark and a scan over at most
// about a thousand lines. Going to the last line scans the file once
// (memchr, blocks of a MiB); nothing is scanned beyond what was asked.
//
// An edit moves the marks behind it and drops those it touched; the count of
// line breaks it changed comes from the bytes around it, before and after.

#include "large/byte_pass.h"

#include <algorithm>
#include <vector>

namespace wrenpad::large {

// Whether some line of `bytes` (LF, CR LF or CR ending it) is longer than `limit`.
bool hasLineLongerThan(const OriginalBytes& bytes, qint64 limit);

class LineIndex {
 public:
  explicit LineIndex(DocumentBytes bytes) : bytes_(bytes) {}

  // Line numbers are 0-based; a position past the last line means the last.
  qint64 lineStart(qint64 line);
  // The offset of the line's break (its end without the break).
  qint64 lineEnd(qint64 line);
  qint64 lineOf(qint64 offset);
  // Up to `count` lines from `first` on, each with where it begins and
  // where its break begins, in one pass.
  struct Span {
    qint64 line = 0;
    qint64 start = 0;
    qint64 end = 0;
  };
  std::vector<Span> lines(qint64 first, qint64 count);

  bool countKnown() const { return complete_; }
  // Every line counted: scans the rest of the document when it must.
  qint64 lineCount();
  // The lines found so far, or all when counted.
  qint64 linesFound() const { return complete_ ? breaks_ + 1 : frontier_.line + 1; }
  // The whole count guessed from the lines found in the bytes scanned.
  qint64 estimatedLineCount() const;
  // Scans on for about `budget` bytes (work for an idle moment); true once
  // every line is counted.
  bool scanOn(qint64 budget);

  // Line breaks at positions [from, to): an LF, or a CR not followed by LF.
  qint64 countBreaks(qint64 from, qint64 to) const;
  // After [offset, offset + removed) became `inserted` bytes that hold
  // `breakDelta` more line breaks (counted over [offset - 1, offset + n)).
  void edited(qint64 offset, qint64 removed, qint64 inserted, qint64 breakDelta);
  // Whether edited() needs the count of breaks of an edit at `offset`.
  bool needsBreakCount(qint64 offset) const {
    return complete_ || offset <= scanned_ ||
           std::any_of(longLines_.begin(), longLines_.end(), [offset](const Span& s) { return offset <= s.end + 1; });
  }

 private:
  struct Mark {
    qint64 line = 0;
    qint64 offset = 0;  // where the line begins
  };
  void scanTo(qint64 line, qint64 offset, qint64 budget);
  // The start of `line`, going on from `from`.
  qint64 walk(Mark from, qint64 line) const;
  Mark nearestMarkBeforeLine(qint64 line) const;
  Mark nearestMarkBeforeOffset(qint64 offset) const;
  // The last line start before `offset` - 1, from the marks before it.
  Mark lastStartBefore(qint64 offset) const;
  // The end of the line that begins at `start` when the next begins at `next`.
  qint64 endBefore(qint64 start, qint64 next) const;
  // The line after `span`: where it begins, or -1 when `span` is the last.
  qint64 nextStart(const Span& span) const;
  // Lines of more than kLongLineBytes found lately are kept, so that the
  // caret's line and the screen's are not looked for again at every key.
  void noteLongLine(const Span& span);
  const Span* longLine(qint64 line) const;
  // True when `line` stays true through the edit (moved or grown).
  bool followLongLine(Span& line, qint64 offset, qint64 removed, qint64 inserted, qint64 breakDelta) const;

  DocumentBytes bytes_;
  std::vector<Mark> marks_ = {Mark{}};
  Mark frontier_;          // the furthest line start found
  qint64 scanned_ = 0;     // every break before this is found; none lies in [frontier_, scanned_)
  bool complete_ = false;  // breaks_ is the count of the whole document
  qint64 breaks_ = 0;
  std::vector<Span> longLines_;
};

}  // namespace wrenpad::large
