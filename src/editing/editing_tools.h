// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Three small editing aids: counting the letters of the selection, the
// indentation width of Tab, and the jump to a line typed in the line-number
// box.

#include "editing/editing_context.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace wrenpad {

class EditingTools {
  Q_DECLARE_TR_FUNCTIONS(EditingTools)

 public:
  explicit EditingTools(EditingContext context);

  // Counts the selection (all the text when nothing is selected, which then
  // stays selected) and shows the count, with the lines where the view
  // counts them.
  void mmCountClick();
  // Asks for the number of blanks one Tab inserts.
  void mmTabWidthClick();
  // Key release in the line-number box: Enter jumps to the line typed there.
  void EnhancedEdit1KeyUp(int qtKey);
  // The line typed in the line-number box when the key is Enter; nothing
  // for other keys, and nothing after telling the user when it is no number.
  std::optional<int> lineNumberTyped(int qtKey);
  // Puts the caret `column` characters into line `line` (1-based), scrolls
  // it into view and gives the view the focus. A character beyond 16 bits
  // (a surrogate pair) counts one, so the caret never lands between its
  // halves. A line past the last is the last; a column past the line's end
  // is its end.
  void GoToLine(int line, int column);

 private:
  EditingContext c_;
};

}  // namespace wrenpad
