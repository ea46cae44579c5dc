// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The states of the commands that follow the caret, the selection and the
// place the pop-up menu opens at. The key handling and the mark-up commands
// write them; the window shows them on its menu items and tool buttons.

namespace wrenpad {

struct CommandMarks {
  // The formatting at the caret: Bold, Italic, Centre and Right stay down.
  bool bold = false;
  bool italic = false;
  bool centre = false;
  bool right = false;
  // A selection exists: Cut and Copy apply, and Commentize in a page.
  bool selection = false;
  bool commentize = false;
  // The pop-up menu: Paste while the clipboard holds text, Open Linked File
  // on a quoted page name, Add Row inside a table.
  bool popupPaste = true;
  bool popupCutCopy = true;
  bool linkOpen = false;
  bool addRow = false;

  friend bool operator==(const CommandMarks&, const CommandMarks&) = default;
};

}  // namespace wrenpad
