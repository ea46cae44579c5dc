// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/editing_tools.h"

#include "editing/editing_host.h"
#include "editing/integer_input.h"
#include "platform/dialogs.h"
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "language/message_table.h"
#include "settings/settings.h"
#include "text/text_helpers.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace wrenpad {

namespace {
// The line-number box puts the caret this many characters into the line.
constexpr int kJumpColumn = 3;
}  // namespace

int CountLetters(const QString& selection) {
  QString letters = selection;
  letters.remove(QStringLiteral("\r\n"));
  return int(letters.toUcs4().size());
}

EditingTools::EditingTools(EditingContext context) : c_(std::move(context)) {}

void EditingTools::mmCountClick() {
  if (c_.editor.selLength() == 0) c_.editor.selectAll();
  const int count = CountLetters(c_.editor.selText());
  c_.dialogs.showMessage(kApplicationTitle, c_.messages.MsgLetterCount + QString::number(count) +
                                                c_.messages.MsgIncludingSpaces);
}

void EditingTools::mmTabWidthClick() {
  const std::optional<QString> answer = c_.dialogs.inputText(
      kApplicationTitle, tr("Please input the tab width you like."), QString::number(c_.settings.TabWidth));
  if (!answer) return;
  const std::optional<int> width = parseWholeNumber(*answer);
  if (!width) {
    c_.dialogs.showError(kApplicationTitle, notAnIntegerMessage(*answer));
    return;
  }
  constexpr int kLow = std::numeric_limits<std::int8_t>::min();
  constexpr int kHigh = std::numeric_limits<std::int8_t>::max();
  if (*width < kLow || *width > kHigh) {
    c_.dialogs.showError(kApplicationTitle, outOfRangeMessage(*width, kLow, kHigh));
    return;
  }
  c_.settings.TabWidth = static_cast<std::int8_t>(*width);
}

void EditingTools::EnhancedEdit1KeyUp(int qtKey) {
  if (const std::optional<int> line = lineNumberTyped(qtKey)) GoToLine(*line, kJumpColumn);
}

std::optional<int> EditingTools::lineNumberTyped(int qtKey) {
  if (qtKey != Qt::Key_Return && qtKey != Qt::Key_Enter) return std::nullopt;
  const QString typed = c_.host.lineNumberText();
  const std::optional<int> line = parseWholeNumber(typed);
  if (!line) c_.dialogs.showError(kApplicationTitle, notAnIntegerMessage(typed));
  return line;
}

void EditingTools::GoToLine(int line, int column) {
  EditorControl& editor = c_.editor;
  const int target = std::clamp(line - 1, 0, editor.lineCount() - 1);
  editor.scrollLines(target - editor.lineFromPosition(editor.selStart()));
  const int offset = PositionAfterCharacters(editor.line(target), 0, std::max(column, 0));
  editor.setSelStart(editor.positionOfLine(target) + offset);
  editor.scrollCaretIntoView();
  editor.setFocus();
}

}  // namespace wrenpad
