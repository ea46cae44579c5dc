// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands that work while a large file's own view is shown, and what
// each runs there. Every other command is disabled meanwhile, its status
// tip saying why: colouring, the page and program commands, printing, the
// tools and the editor's own options have nothing to work on in that view.

#include "window/command_table.h"

namespace wrenpad {

bool worksOnLargeFile(const CommandRow& row);
// The handler a row runs while the large view is shown: the view's own for
// undo, redo and the clipboard, the row's own for the rest.
CommandHandler largeFileHandler(const CommandRow& row);
// Why a command that does not work on a large file is disabled, in the
// interface language.
QString whyNotOnLargeFile(const CommandRow& row);

}  // namespace wrenpad
