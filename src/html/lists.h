// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bullet and numbered lists: a new list around the caret's line or the
// selection, or a new item inside a list that is already open.

#include "editing/tag_typing.h"
#include "text/text_change.h"

#include <QString>
#include <optional>
#include <vector>

namespace wrenpad {

enum class ListKind { Bullet, Numbered };  // "<ul>" and "<ol>"

struct ListPlan {
  TextChanges changes;
  int caret = 0;                     // afterwards
  std::vector<TextRange> tagRanges;  // inserted tags to show in the tag colour, afterwards
  std::optional<TextRange> repaint;  // stretch to recolour, afterwards
};

// The selection as a list: its line breaks go, and every "<br>" (in any
// case) starts a new item, so a selection ending in "<br>" ends in an empty
// item. «a<br>\r\nb» gives «<ul>\r\n    <li>a\r\n    <li>b\r\n</ul>».
QString ListFromSelection(const QString& selection, ListKind kind);

// What the list command does with this text and selection:
// - inside an open list of the kind (its last "<ul>" before the caret's
//   line end comes after its last "</ul>"), a new item "    <li>" at the
//   start of the caret's line, the caret after it;
// - with a selection, the selection as a list;
// - otherwise the list opens at the start of the caret's line and closes at
//   the start of the next line (at the end of the text, on a line of its
//   own, when no line follows); the caret stays beside the same character.
ListPlan PlanList(const QString& text, int selStart, int selLength, ListKind kind);

}  // namespace wrenpad
