#pragma once
// The main menu and the editor's pop-up menu, built from tables: one row per
// item with its object name, designed caption and short-cut. Items whose
// command is not bound to a handler stay visible but disabled.

#include <QHash>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;
class QObject;

namespace wrenpad {

using Handler = std::function<void()>;
using HandlerTable = QHash<QString, Handler>;
using ActionTable = QHash<QString, QAction*>;

// Builds the main menu into `bar`; every item, sub-menu title included, is
// registered in `actions` by its object name.
void buildMainMenu(QMenuBar& bar, const HandlerTable& handlers, ActionTable& actions);

// Connects an item to its handler. For a checkable item the handler owns the
// check, as the program expects: Qt's own toggle is undone before it runs.
void connectOwnedCheck(QAction* action, const Handler& handler);

// Builds PopupMenu1 into `menu`, same rules.
void buildPopupMenu(QMenu& menu, const HandlerTable& handlers, ActionTable& actions);

}  // namespace wrenpad
