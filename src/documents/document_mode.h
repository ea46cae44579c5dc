// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the three document modes (text, program, page): which
// language a program file's extension selects, what the window shows in
// each mode, and how Display as Web Page changes the mode. Pure functions:
// the window applies them to its widgets and painters.

#include "settings/language_mode.h"

#include <QString>
#include <optional>

namespace wrenpad {

struct Settings;

// The language mode a program file selects by its extension (".java" Java,
// ".cgi" Perl, ".pas" and ".pp" Pascal, ".c", ".cpp" and ".h" C/C++); nothing
// for a file that is no program, which leaves the mode as it is.
std::optional<LanguageMode> programLanguageOf(const QString& fileName);

// What belongs to a document mode on the screen and in the menus.
struct ModeFeatures {
  bool pageCommands = false;     // the HTML menu's items and the mark-up tool bar
  bool richEditor = false;       // the editor shows formats (not plain-text mode)
  bool programCommands = false;  // Coding items, program tool buttons
  bool messagePane = false;      // the compiler's message pane under the editor
};
ModeFeatures featuresOf(int documentMode);

// The setting that shows the line-number gutter beside documents of a mode:
// each kind (text, program, page) keeps its own choice.
bool Settings::*lineNumbersSetting(int documentMode);

// Switching Display as Web Page on makes the document a page, and a page
// undoes many steps; switching it off makes a page a text document and
// leaves a program a program.
struct WebPageSwitch {
  int documentMode = 0;
  bool multiUndo = false;  // many-step undo is switched on
};
WebPageSwitch switchWebPage(int documentMode, bool on);

// A program document that can be compiled: a header file cannot.
bool compiles(int documentMode, const QString& fileName);
// Perl scripts read no keyboard: the input wizard has nothing to write.
bool readsKeyboardInput(int documentMode, LanguageMode language);

}  // namespace wrenpad
