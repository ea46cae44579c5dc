// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds the menus, the pop-up menu and the tool buttons from the command
// table, runs a row's handler when its item or button is triggered, and shows
// the rows' views (checks, enabled and visible states) and captions.

#include "window/command_table.h"

#include <QHash>
#include <QString>
#include <functional>
#include <span>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace wrenpad {

// A widget that sits among the buttons of a tool bar, at its place.
struct ToolBarWidget {
  ToolBar bar;
  int place;
  QWidget* widget;
};

class CommandActions {
 public:
  // `dispatch` runs a row's handler; it is called for every triggered item.
  using Dispatch = std::function<void(const CommandRow&)>;
  CommandActions(std::span<const CommandRow> rows, Dispatch dispatch);

  // Every menu of the bar (rows of depth 0) and the pop-up menu (the depth-0
  // row marked kPopup). Items are registered by object name.
  void buildMenus(QMenuBar& bar, QMenu& popup);
  // The buttons of one bar in the order of their places, the widgets among them.
  void buildToolBar(QToolBar& bar, ToolBar which, std::span<const ToolBarWidget> widgets);

  // Item, sub-menu title or tool button by object name; null when unknown.
  QAction* action(const QString& name) const { return actions_.value(name); }
  const QHash<QString, QAction*>& actions() const { return actions_; }

  // Shows the views of the rows that have them: check marks, toggled
  // buttons, enabled and visible states. Cheap: only rows with views.
  void showStates(const CommandView& view);
  // The captions and hints again, in the interface language.
  void showCaptions();
  // While a large file's own view is shown, only the commands `allowed` lets
  // through are enabled (and then as their views say); none lets every
  // command be as its views say again.
  // Every command kept out shows `why` (in the interface language) as its
  // status tip, and a menu item as its tool tip too.
  using Permission = std::function<bool(const CommandRow&)>;
  using Reason = std::function<QString(const CommandRow&)>;
  void restrictTo(Permission allowed, const CommandView& view, Reason why = nullptr);

 private:
  QAction* addMenuItem(QMenu& menu, const CommandRow& row);
  bool permitted(const CommandRow& row) const { return !allowed_ || allowed_(row); }
  void bind(QAction* action, const CommandRow& row);
  void showReasons();

  std::span<const CommandRow> rows_;
  Dispatch dispatch_;
  QHash<QString, QAction*> actions_;
  struct Shown {
    const CommandRow* row;
    QAction* action;
    bool isButton;
  };
  std::vector<Shown> shown_;  // every item and button built for a row
  Permission allowed_;
  Reason why_;
};

}  // namespace wrenpad
