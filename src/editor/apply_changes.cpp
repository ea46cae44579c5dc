// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/apply_changes.h"

#include "editor/editor_control.h"

namespace wrenpad {

void applyChanges(EditorControl& editor, const TextChanges& changes) {
  for (const TextChange& change : changes) {
    editor.select(change.start, change.length);
    editor.replaceSelection(change.replacement);
  }
}

}  // namespace wrenpad
