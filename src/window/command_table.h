// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's commands as one table. Each row is one command: its object
// name, caption, short-cut, flags, its tool button (bar, place, image, hint)
// and its handler, bound at compile time. Menus, the pop-up menu and the tool
// bars are all built from it. Captions and hints are English, marked for
// translation in the context "CommandTable"; captionOf and hintOf give them
// in the interface language.
// A row without a handler is a command not built yet: its item is shown,
// disabled. Check marks, and the states that follow the caret and the
// selection, are views of plain values (`CommandView`), never stored in a
// widget and read back.

#include "documents/document_state.h"
#include "editing/command_marks.h"
#include "settings/settings.h"

#include <QStringList>
#include <span>

namespace wrenpad {

class TMain;

enum CommandFlags : unsigned {
  kNone = 0,
  kCheckable = 1,       // the menu item carries a check mark
  kHidden = 2,          // not shown (until a view shows it)
  kSeparatorAfter = 4,  // a separator follows the item in its menu
  kSeparator = 8,       // the row is itself a separator, named so a view can hide it
  kToolOnly = 16,       // a tool button with no menu item
  kPopup = 32,          // depth 0 only: the editor's pop-up menu, not a menu of the bar
  kShortcutWhenEnabled = 64,  // the short-cut belongs to the item only while its view enables it
};

enum class ToolBar { None, Main, Html };  // ToolBar1, ToolBar2 ("Tool Bar for Making HTML")

enum ToolStyle : unsigned {
  kPlainButton = 0,
  kGapBefore = 1,  // a separator stands before the button
  kToggles = 2,    // the button stays down while its view says so
};

struct ToolButton {
  ToolBar bar = ToolBar::None;
  int place = 0;                          // 1-based place on its bar
  const char* name = "";                  // "tbNew"; its image is :/icons/<name>.svg
  const char* hint = "";                  // English
  unsigned style = kPlainButton;
  bool (*visible)(const struct CommandView&) = nullptr;  // null: always shown
};

// What the views of a row look at.
struct CommandView {
  const DocumentState& document;
  const Settings& settings;
  const SessionState& session;
  const CommandMarks& marks;
};
using CommandViewFn = bool (*)(const CommandView&);
using CommandHandler = void (*)(TMain&);

struct CommandRow {
  // 0: a menu of the menu bar (or, with kPopup, the pop-up menu); 1: an item
  // of it; 2: an item of the sub-menu opened by the depth-1 row above. A row
  // followed by a deeper row opens a sub-menu.
  int depth = 1;
  const char* name = "";
  const char* caption = "";           // English, "&" before the accelerator
  const char* shortcut = "";         // "Ctrl+S"; alternatives "Ctrl+Y;Ctrl+Shift+Z"
  unsigned flags = kNone;
  ToolButton tool = {};
  CommandHandler run = nullptr;        // null: not built yet, shown disabled
  CommandViewFn checked = nullptr;     // check mark of the item, state of a toggling button
  CommandViewFn enabled = nullptr;     // null: enabled whenever it has a handler
  CommandViewFn visible = nullptr;     // null: the kHidden flag decides
};

std::span<const CommandRow> commandTable();

// The row of a menu item or tool button by object name; null when unknown.
const CommandRow* findCommand(const char* name);

// A row's caption and its button's hint in the interface language.
QString captionOf(const CommandRow& row);
QString hintOf(const CommandRow& row);

// Items 0 to 5 of the heading box on the HTML tool bar, in the interface language.
QStringList headingBoxItems();

}  // namespace wrenpad
