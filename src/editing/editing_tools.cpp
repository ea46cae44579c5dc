// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/editing_tools.h"

#include "editing/editing_host.h"
#include "editing/integer_input.h"
#include "platform/dialogs.h"
#include "documents/document_state.h"
#include "documents/document_view.h"
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

EditingTools::EditingTools(EditingContext context) : c_(std::move(context)) {}

void EditingTools::mmCountClick() {
  const std::optional<DocumentView::TextCount> count = c_.view->countSelection();
  if (!count) return;
  QString message = c_.messages.MsgLetterCount + QString::number(count->characters) + c_.messages.MsgIncludingSpaces;
  if (count->lines) message += QCoreApplication::translate("LargeCount", " Lines: %1.").arg(*count->lines);
  c_.dialogs.showMessage(kApplicationTitle, message);
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

void EditingTools::GoToLine(int line, int column) { c_.view->goToLine(qint64(line) - 1, column); }

}  // namespace wrenpad
