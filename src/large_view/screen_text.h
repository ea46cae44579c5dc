// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the large view shows of its document: the lines from the top of the
// screen, each cut to the columns in sight. A line of up to 4 KiB is decoded
// whole; a longer one only in the stretch of columns on screen and a little
// around it (line_columns.h finds where that stretch begins), so a line of
// ten megabytes costs what a short one costs.

#include "large/large_document.h"
#include "large/line_columns.h"

#include <list>

namespace wrenpad::large {

// One line as the screen shows it.
struct ShownLine {
  qint64 line = 0;
  qint64 start = 0;   // the line's first byte
  qint64 end = 0;     // where its break begins
  qint64 from = 0;    // the bytes decoded: [from, to), inside [start, end]
  qint64 to = 0;
  qint64 column = 0;  // the column where `from` stands
  DecodedText text;   // [from, to) decoded
  bool whole() const { return from == start && to == end; }
};

class ScreenText {
 public:
  static constexpr qint64 kWholeLineBytes = 4096;
  // Columns decoded on either side of those in sight.
  static constexpr qint64 kMarginColumns = 16;

  ScreenText(LargeDocument& document, int tabColumns) : document_(document), tabColumns_(tabColumns) {}

  // `count` lines from `top`, each cut to the columns [left, left + width).
  std::vector<ShownLine> lines(qint64 top, qint64 count, qint64 left, qint64 width);
  ShownLine line(const LineIndex::Span& span, qint64 left, qint64 width);

  qint64 columnOf(const LineIndex::Span& span, qint64 offset);
  // The start of the character at `column` of the line; its end past the last.
  qint64 offsetAtColumn(const LineIndex::Span& span, qint64 column);
  // The line's width in columns; for a long line not yet read to its end,
  // its length in bytes (no line is wider than that but for its tabs).
  qint64 widthOf(const LineIndex::Span& span);

  // Keeps what it knows of long lines true after an edit.
  void follow(const Change& change);
  void setTabColumns(int columns);
  int tabColumns() const { return tabColumns_; }

 private:
  LineColumns& columns(const LineIndex::Span& span);

  LargeDocument& document_;
  int tabColumns_;
  // The long lines read lately, newest first.
  std::list<LineColumns> longLines_;
};

}  // namespace wrenpad::large
