// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mark-up the small HTML commands write, built from plain values: the
// selected text in, the new text (and where things end up) out.

#include "editing/tag_typing.h"
#include "text/text_change.h"

#include <QString>
#include <optional>

namespace wrenpad {

// "<b>" + selection + "</b>" for tag "b".
QString WrappedInTag(const QString& selection, const QString& tag);
// Smaller text: "<font size = \"-2\">" + selection + "</font>".
QString SubscriptMarkup(const QString& selection);
// Raised smaller text: "<sup><font size = \"-2\">" + selection + "</font></sup>".
QString SuperscriptMarkup(const QString& selection);
// "<!-- " + selection + " -->".
QString CommentMarkup(const QString& selection);
// The selection centred on lines of its own:
// "\r\n<center>" + selection + "</center>\r\n".
QString CenteredMarkup(const QString& selection);

// Removing the tag pair around the caret: the last opening "<tag>" before
// the caret (one that ends at the caret counts) and the first "</tag>" after
// it, at or behind the caret; both compared without regard to case.
struct UnwrapPlan {
  TextChanges changes;  // the closing tag, then the opening tag
  TextRange enclosed;   // the text that was between them, afterwards
  int caret = 0;        // the caret beside the same character as before
};
// Nothing when either tag is missing: then the text stays as it is.
std::optional<UnwrapPlan> PlanUnwrapTag(const QString& text, int caret, const QString& tag);

// True when the last "<center>" before the caret comes after the last
// "align" there: the caret is in a centred stretch that "<center>" made.
bool CaretFollowsCentreTag(const QString& text, int caret);

// Removing that "<center>" and the first "</center>" after it.
struct CentreRemovalPlan {
  TextChanges changes;  // the closing tag, then the opening tag
  TextRange formerlyCentred;  // afterwards
  int caret = 0;              // where the closing tag was
};
// Nothing when no "<center>" precedes the caret or no "</center>" follows it.
std::optional<CentreRemovalPlan> PlanCentreRemoval(const QString& text, int caret);

}  // namespace wrenpad
