// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every occurrence of a pattern in a stretch of the editor text, kept in one
// of four reusable columns so the painters and the renderer can share a table.

#include <QString>
#include <array>
#include <span>
#include <vector>

namespace wrenpad {

// Columns are numbered 1 to 4. Row 0 of a column holds the base of its last
// search (the 1-based first searched position minus 2); row k >= 1 holds the
// 0-based editor position of the k-th occurrence; any row past the last
// occurrence reads -1. A column holds as many rows as its search found.
class OccurrenceTable {
 public:
  static constexpr int kColumns = 4;

  // The value at `row` of `column`; -1 for a row without an occurrence or a
  // column outside 1 to 4.
  int at(int row, int column) const;
  // Number of occurrences found by the column's last search.
  int count(int column) const;
  // Rows 1 to count() of the column, as one contiguous list.
  std::span<const int> positions(int column) const;

  // Starts a column afresh with the given base and no occurrences.
  void reset(int column, int base);
  void append(int column, int position);

 private:
  struct Column {
    int base = -1;
    std::vector<int> positions;
  };
  static bool validColumn(int column) { return column >= 1 && column <= kColumns; }
  std::array<Column, kColumns> columns_;
};

// Records in `column` every occurrence of `needle` in the editor text between
// the 1-based positions `from` and `to` (both inclusive), compared without
// regard to case, and returns how many there are. Overlapping occurrences all
// count: the search goes on one character after each hit's first character.
// `from` below 1 counts as 1 and `to` past the end as the end. An empty
// needle or a column outside 1 to 4 finds nothing.
int FindAllOccurrences(const QString& text, const QString& needle, int from, int to,
                       OccurrenceTable& table, int column);

}  // namespace wrenpad
