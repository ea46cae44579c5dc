// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/indentation.h"

#include <algorithm>

namespace wrenpad {

namespace {

// Start positions of every line of the text.
std::vector<int> lineStarts(const QString& text) {
  std::vector<int> starts{0};
  for (int at = int(text.indexOf(QStringLiteral("\r\n"))); at >= 0;
       at = int(text.indexOf(QStringLiteral("\r\n"), at + 2)))
    starts.push_back(at + 2);
  return starts;
}

int lineOf(const std::vector<int>& starts, int position) {
  return int(std::upper_bound(starts.begin(), starts.end(), position) - starts.begin()) - 1;
}

// The plan worked out on `text` alone.
IndentPlan planIn(const QString& text, int selStart, int selLength, int tabWidth, bool outdent) {
  IndentPlan plan{{}, selStart, selLength};
  if (tabWidth <= 0) return plan;
  const QString indent(tabWidth, u' ');
  const std::vector<int> starts = lineStarts(text);
  const int first = lineOf(starts, selStart);
  const int lines = lineOf(starts, selStart + selLength) - first;
  if (lines < 2) {
    if (selLength == 0) {
      plan.changes.push_back({selStart, 0, indent});
      plan.selStart = selStart + tabWidth;
    }
    return plan;
  }
  for (int line = first + lines - 1; line >= first; --line) {
    const int start = starts[line];
    if (!outdent)
      plan.changes.push_back({start, 0, indent});
    else if (text.mid(start, tabWidth) == indent)
      plan.changes.push_back({start, tabWidth, QString()});
  }
  // The selection follows its text: after Tab it starts behind the first
  // line's new blanks; after Shift+Tab it loses only the blanks taken away.
  plan.selStart = positionAfter(selStart, plan.changes);
  plan.selLength = positionAfter(selStart + selLength, plan.changes) - plan.selStart;
  return plan;
}

}  // namespace

// The plan is worked out on the stretch from the start of the selection's
// first line to the blanks after its end, which holds every line start it
// looks at, then moved to where that stretch lies.
IndentPlan PlanBlockIndent(const PieceText& text, int selStart, int selLength, int tabWidth,
                           bool outdent) {
  const qsizetype breakBefore = selStart >= 2 ? text.lastIndexOf(u"\r\n", selStart - 2) : -1;
  const int from = breakBefore < 0 ? 0 : int(breakBefore) + 2;
  const int to = std::max(selStart, selStart + selLength) + std::max(tabWidth, 0);
  IndentPlan plan = planIn(text.mid(from, to - from), selStart - from, selLength, tabWidth, outdent);
  for (TextChange& change : plan.changes) change.start += from;
  plan.selStart += from;
  return plan;
}

int LeadingBlanksToCarry(const QString& previousLine) {
  const int length = int(previousLine.size());
  int blanks = 0;
  while (blanks < length - 1 && previousLine.at(blanks) == u' ') ++blanks;
  return blanks;
}

}  // namespace wrenpad
