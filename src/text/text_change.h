// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A change of the editor text as plain values: replace `length` characters
// from `start` by `replacement`. The pure logic of the editing and mark-up
// commands returns lists of changes; the commands apply them to the editor
// through its selection (editor/apply_changes.h), so character formats
// outside the changed stretch are kept.

#include <QString>
#include <vector>

namespace wrenpad {

struct TextChange {
  int start = 0;   // editor position (a line break counts two)
  int length = 0;  // characters replaced
  QString replacement;

  int end() const { return start + length; }
  friend bool operator==(const TextChange&, const TextChange&) = default;
};

// Changes are applied in list order; each one's positions are positions in
// the text as the changes before it left it.
using TextChanges = std::vector<TextChange>;

// The text after the changes.
QString appliedTo(QString text, const TextChanges& changes);

// Where a position of the original text lies after the changes: before a
// change it stays, after it it moves by the change's growth, and inside a
// replaced stretch (or at its end) it goes to the end of the replacement.
int positionAfter(int position, const TextChanges& changes);

}  // namespace wrenpad
