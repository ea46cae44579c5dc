// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/lists.h"

#include "text/text_helpers.h"
#include "editing/caret_context.h"

#include <algorithm>

namespace wrenpad {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
const QString kItem = QStringLiteral("    <li>");

QString tagName(ListKind kind) {
  return kind == ListKind::Bullet ? QStringLiteral("ul>") : QStringLiteral("ol>");
}

int length(const QString& text) { return int(text.size()); }

// Whether the last list of the kind before the caret is still open, judged
// on the text up to two characters past the caret.
bool insideList(const QString& text, int caret, const QString& tag) {
  const QString lower = LowerKeepingPositions(text.left(caret + 2));
  return LastPosition(QStringLiteral("<") + tag, lower) > LastPosition(QStringLiteral("</") + tag, lower);
}

ListPlan newItem(int lineStart) {
  ListPlan plan;
  plan.changes = {{lineStart, 0, kItem}};
  plan.caret = lineStart + length(kItem);
  plan.tagRanges = {{lineStart + 4, lineStart + length(kItem)}};
  return plan;
}

ListPlan listOfSelection(const QString& text, int selStart, int selLength, ListKind kind) {
  const QString list = ListFromSelection(text.mid(selStart, selLength), kind);
  ListPlan plan;
  plan.changes = {{selStart, selLength, list}};
  plan.caret = selStart + length(list);
  constexpr int kMargin = 20;
  plan.repaint = TextRange{std::max(0, selStart - kMargin),
                           std::min(length(text) - selLength + length(list), plan.caret + kMargin)};
  return plan;
}

ListPlan listAroundLine(const QString& text, int caret, int lineStart, const QString& tag) {
  const QString opening = QStringLiteral("<") + tag + kLineBreak + kItem;
  const QString closing = QStringLiteral("</") + tag;
  const int nextBreak = int(text.indexOf(kLineBreak, caret));
  // Without a following line the list closes on a line of its own.
  const int closeAt = nextBreak < 0 ? length(text) : nextBreak + length(kLineBreak);
  const QString closeText = nextBreak < 0 ? kLineBreak + closing : closing;
  ListPlan plan;
  plan.changes = {{closeAt, 0, closeText}, {lineStart, 0, opening}};
  plan.caret = caret + length(opening);
  const int closingTag = closeAt + length(opening) + length(closeText) - length(closing);
  plan.tagRanges = {{lineStart, lineStart + length(opening)}, {closingTag, closingTag + length(closing)}};
  return plan;
}

}  // namespace

QString ListFromSelection(const QString& selection, ListKind kind) {
  QString items = selection;
  items.remove(kLineBreak);
  items.replace(QStringLiteral("<br>"), kLineBreak + kItem, Qt::CaseInsensitive);
  const QString tag = tagName(kind);
  return QStringLiteral("<") + tag + kLineBreak + kItem + items + kLineBreak + QStringLiteral("</") + tag;
}

ListPlan PlanList(const QString& text, int selStart, int selLength, ListKind kind) {
  const QString tag = tagName(kind);
  const int lineStart = lineAtPosition(text, selStart).start;
  if (insideList(text, selStart, tag)) return newItem(lineStart);
  if (selLength > 0) return listOfSelection(text, selStart, selLength, kind);
  return listAroundLine(text, selStart, lineStart, tag);
}

}  // namespace wrenpad
