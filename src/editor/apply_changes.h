// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Applies plain-value text changes to the editor through its selection, so
// character formats outside each changed stretch are kept.

#include "text/text_change.h"

namespace wrenpad {

class EditorControl;

// One selection replacement per change, in list order.
void applyChanges(EditorControl& editor, const TextChanges& changes);

}  // namespace wrenpad
