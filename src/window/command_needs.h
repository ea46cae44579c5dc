// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each command needs of the document view beyond its text. A view
// that cannot do it (document_view.h) has the command disabled while it is
// shown, its status tip saying why; the commands that need nothing work in
// every view through the view's own interface.

#include "documents/document_view.h"
#include "window/command_table.h"

#include <optional>

namespace wrenpad {

std::optional<ViewAbility> abilityNeeded(const CommandRow& row);
// Whether `view` can serve the command of `row`, and why not (empty when it can).
bool viewServes(const DocumentView& view, const CommandRow& row);
QString whyViewCannot(const DocumentView& view, const CommandRow& row);

}  // namespace wrenpad
