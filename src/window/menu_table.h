#pragma once
// The designed menus as data: one row per item with its object name, English
// caption, short-cut and flags. The window builds its menus from these rows.

#include <QString>
#include <span>

namespace wrenpad {

enum MenuFlags : unsigned {
  kNone = 0,
  kCheckable = 1,
  kChecked = 2 | kCheckable,
  kHidden = 4,
  kDisabled = 8,  // disabled at start, whatever its handler
};

// depth 0: a top-level menu; 1: an item of it; 2: an item of a sub-menu.
// A row followed by a deeper row is a sub-menu. Name "-" is a separator.
struct MenuRow {
  int depth;
  const char* name;
  const char* caption;
  const char* shortcut;
  unsigned flags;
};

std::span<const MenuRow> mainMenuRows();
std::span<const MenuRow> popupMenuRows();

// The designed English caption of a menu or pop-up item; empty when unknown.
QString designedCaption(const QString& name);

}  // namespace wrenpad
