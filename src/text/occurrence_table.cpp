// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/occurrence_table.h"

#include <QStringView>
#include <algorithm>

namespace wrenpad {

int OccurrenceTable::at(int row, int column) const {
  if (!validColumn(column) || row < 0) return -1;
  const Column& c = columns_[column - 1];
  if (row == 0) return c.base;
  if (row > static_cast<int>(c.positions.size())) return -1;
  return c.positions[row - 1];
}

int OccurrenceTable::count(int column) const {
  return validColumn(column) ? static_cast<int>(columns_[column - 1].positions.size()) : 0;
}

std::span<const int> OccurrenceTable::positions(int column) const {
  if (!validColumn(column)) return {};
  return columns_[column - 1].positions;
}

void OccurrenceTable::reset(int column, int base) {
  if (!validColumn(column)) return;
  columns_[column - 1].base = base;
  columns_[column - 1].positions.clear();
}

void OccurrenceTable::append(int column, int position) {
  if (validColumn(column)) columns_[column - 1].positions.push_back(position);
}

namespace {

// Needles made only of ASCII characters without case (the tag delimiters and
// the double quote) match case-sensitively, which is the same and faster.
Qt::CaseSensitivity CaseRuleFor(const QString& needle) {
  const bool caseless = std::all_of(needle.begin(), needle.end(), [](QChar c) {
    return c.unicode() < 0x80 && !c.isLetter();
  });
  return caseless ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

}  // namespace

int FindAllOccurrences(const QString& text, const QString& needle, int from, int to,
                       OccurrenceTable& table, int column) {
  from = std::max(from, 1);
  to = std::min(to, static_cast<int>(text.size()));
  table.reset(column, from - 2);
  const bool usable = column >= 1 && column <= OccurrenceTable::kColumns;
  if (needle.isEmpty() || !usable || to < from) return 0;
  // Case-insensitive comparison on the text itself keeps every position
  // exact; a lower-cased copy can differ in length from the original.
  const QStringView stretch = QStringView(text).left(to);
  const Qt::CaseSensitivity cs = CaseRuleFor(needle);
  int found = 0;
  for (qsizetype at = stretch.indexOf(needle, from - 1, cs); at >= 0;
       at = stretch.indexOf(needle, at + 1, cs)) {
    table.append(column, static_cast<int>(at));
    ++found;
  }
  return found;
}

}  // namespace wrenpad
