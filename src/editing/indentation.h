// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Indentation with blanks: Tab and Shift+Tab over a block of lines, and the
// indentation a new line takes over from the line above it in programs.

#include "text/piece_text.h"
#include "text/text_change.h"

#include <QString>

namespace wrenpad {

struct IndentPlan {
  TextChanges changes;  // from the last line to the first, so positions stay valid
  int selStart = 0;     // the selection afterwards
  int selLength = 0;
};

// Tab (outdent false) or Shift+Tab (outdent true) with the given selection.
// The block is the lines from the selection start's line up to, not
// including, the line that holds the selection end; it must be at least two
// lines. Tab puts `tabWidth` blanks at the start of each of its lines;
// Shift+Tab takes them away from the lines that start with that many blanks.
// Afterwards the selection covers the same text. A smaller block gets the
// blanks at the caret when nothing is selected, and nothing otherwise. Only
// the selection's lines are read.
IndentPlan PlanBlockIndent(const PieceText& text, int selStart, int selLength, int tabWidth,
                           bool outdent);

// Blanks that Enter carries over from `previousLine`: its leading blanks
// (tabs do not count), at most its length minus one; none for a line of one
// character or less.
int LeadingBlanksToCarry(const QString& previousLine);

}  // namespace wrenpad
