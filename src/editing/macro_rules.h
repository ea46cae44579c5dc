// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacement rules of a macro list applied to a whole text. A list has one
// rule per line: left side, "==>>", right side (lines without "==>>" are
// remarks). Each rule makes one pass over the text as the rules before it
// left it, so a rule whose right side holds its own left side never repeats.

#include <QString>
#include <vector>

namespace wrenpad {

struct MacroRule {
  QString left;
  QString right;
  friend bool operator==(const MacroRule&, const MacroRule&) = default;
};

// The rules of a list, in order. The right side is cut at 1000 characters.
std::vector<MacroRule> ParseMacroList(const QString& list);

// The text with every rule applied in order:
// - a plain rule replaces each occurrence of its left side by its right
//   side, case-sensitively; "\n" written as backslash and n in either side
//   stands for a line break (a left side of just those two characters means
//   them literally);
// - the last rule with an empty left side appends its right side;
// - "P*" ==>> "*S" (the "*" third or later): P followed by a word W, which
//   ends before a double blank, a line break or ";" within 100 characters,
//   becomes W followed by S;
// - "*S" ==>> "P*" (the "*" first or second): a word W before S, which
//   starts after a double blank or line break (or at the text's start),
//   followed by S becomes P followed by W.
// Rules with an empty left side elsewhere change nothing.
QString ApplyMacroRules(const QString& text, const std::vector<MacroRule>& rules);

}  // namespace wrenpad
