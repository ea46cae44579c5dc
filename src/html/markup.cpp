// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/markup.h"

#include "text/text_helpers.h"

#include <algorithm>

namespace wrenpad {

QString WrappedInTag(const QString& selection, const QString& tag) {
  return QStringLiteral("<%1>%2</%1>").arg(tag, selection);
}

QString SubscriptMarkup(const QString& selection) {
  return QStringLiteral("<font size = \"-2\">") + selection + QStringLiteral("</font>");
}

QString SuperscriptMarkup(const QString& selection) {
  return QStringLiteral("<sup>") + SubscriptMarkup(selection) + QStringLiteral("</sup>");
}

QString CommentMarkup(const QString& selection) {
  return QStringLiteral("<!-- ") + selection + QStringLiteral(" -->");
}

QString CenteredMarkup(const QString& selection) {
  return QStringLiteral("\r\n<center>") + selection + QStringLiteral("</center>\r\n");
}

namespace {

// The closing tag that belongs to an opening tag ending at `openingEnd`: the
// first one that ends behind the caret.
int closingTagAt(const QString& lower, const QString& closing, int openingEnd, int caret) {
  const int from = std::max(openingEnd, caret - int(closing.size()) + 1);
  return int(lower.indexOf(closing, from));
}

}  // namespace

std::optional<UnwrapPlan> PlanUnwrapTag(const QString& text, int caret, const QString& tag) {
  const QString lower = LowerKeepingPositions(text);
  const QString opening = QStringLiteral("<%1>").arg(LowerKeepingPositions(tag));
  const QString closing = QStringLiteral("</%1>").arg(LowerKeepingPositions(tag));
  const int lastStart = caret - int(opening.size());
  if (lastStart < 0) return std::nullopt;
  const int openAt = int(lower.lastIndexOf(opening, lastStart));
  if (openAt < 0) return std::nullopt;
  const int openEnd = openAt + int(opening.size());
  const int closeAt = closingTagAt(lower, closing, openEnd, caret);
  if (closeAt < 0) return std::nullopt;
  UnwrapPlan plan;
  plan.changes = {{closeAt, int(closing.size()), QString()}, {openAt, int(opening.size()), QString()}};
  plan.enclosed = {openAt, closeAt - int(opening.size())};
  plan.caret = positionAfter(caret, plan.changes);
  return plan;
}

bool CaretFollowsCentreTag(const QString& text, int caret) {
  const QString before = LowerKeepingPositions(text.left(caret));
  return LastPosition(QStringLiteral("align"), before) <
         LastPosition(QStringLiteral("<center>"), before);
}

std::optional<CentreRemovalPlan> PlanCentreRemoval(const QString& text, int caret) {
  const QString opening = QStringLiteral("<center>");
  const QString closing = QStringLiteral("</center>");
  const QString lower = LowerKeepingPositions(text);
  const int openAt = LastPosition(opening, lower.left(caret)) - 1;
  if (openAt < 0) return std::nullopt;
  const int closeAt = int(lower.indexOf(closing, openAt + int(opening.size())));
  if (closeAt < 0) return std::nullopt;
  CentreRemovalPlan plan;
  plan.changes = {{closeAt, int(closing.size()), QString()}, {openAt, int(opening.size()), QString()}};
  const int closeAfter = closeAt - int(opening.size());
  plan.formerlyCentred = {openAt, closeAfter};
  plan.caret = closeAfter;
  return plan;
}

}  // namespace wrenpad
