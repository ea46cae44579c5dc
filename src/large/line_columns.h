// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Columns along one long line, so the view can show any stretch of a line of
// ten megabytes without laying out what lies before it. A half-width
// character takes one column, a full-width one two, a tab runs to the next
// tab stop. The line is read forward once as far as it is asked about,
// keeping a mark (offset, column) every 4 KiB: a column or an offset is then
// a mark and at most 4 KiB of reading away. 7-bit JIS is read with its
// escapes (taking no column, belonging to the character after them), each
// mark holding the state they leave, as the document decodes it.

#include "large/large_codec.h"

#include <QtGlobal>
#include <vector>

namespace wrenpad::large {

class LargeDocument;
struct Change;

// The columns of the character of `length` bytes at s (not a tab).
int columnsOf(TextEncoding encoding, const unsigned char* s, int length);

class LineColumns {
 public:
  // The line [start, end) of `document`, which must outlive this.
  LineColumns(const LargeDocument& document, qint64 start, qint64 end, int tabColumns);

  qint64 start() const { return start_; }
  qint64 end() const { return end_; }
  // The column where the character at `offset` (a character's start) begins.
  qint64 columnOf(qint64 offset);
  // The start of the character that covers `column`; the line's end past its last.
  qint64 offsetAtColumn(qint64 column);
  qint64 totalColumns();
  bool totalKnown() const { return marks_.back().offset >= end_; }

  // Follows an edit of the document; false when the line is no longer the
  // one this describes (the edit touched its start or ended outside it).
  bool follow(const Change& change);

 private:
  struct Mark {
    qint64 offset = 0;
    qint64 column = 0;
    JisState jis = JisState::Single;  // 7-bit JIS only: the state at `offset`
  };
  // Reads on from the last mark until a mark passes `offset` or `column`.
  void readOn(qint64 offset, qint64 column);
  // The mark or point lately answered nearest before `offset` (or at most at
  // `column`), to walk on from.
  Mark nearestBefore(qint64 offset, qint64 column) const;
  Mark remember(Mark answer);
  // From `mark`, the first character start at or after `offset`, or before
  // the character covering `column` (whichever comes first).
  Mark walk(Mark mark, qint64 offset, qint64 column) const;
  // The columns of the character at s[0] (n bytes left) at `column`, its
  // bytes in `length`; a JIS state moves past its escapes.
  int advance(const unsigned char* s, qint64 n, qint64 column, int* length, JisState* jis) const;

  const LargeDocument& document_;
  qint64 start_;
  qint64 end_;
  int tabColumns_;
  bool jis_;
  std::vector<Mark> marks_;
  // The last answers, the newest last: the screen asks for the same stretch
  // of a line at every repaint, and finds it without a walk.
  std::vector<Mark> answers_;
};

}  // namespace wrenpad::large
