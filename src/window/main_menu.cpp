#include "window/main_menu.h"

#include "window/menu_table.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace wrenpad {

void connectOwnedCheck(QAction* action, const Handler& handler) {
  if (!action->isCheckable()) {
    QObject::connect(action, &QAction::triggered, action, handler);
    return;
  }
  QObject::connect(action, &QAction::triggered, action, [action, handler] {
    action->setChecked(!action->isChecked());
    handler();
  });
}

namespace {

QAction* makeItem(QMenu& menu, const MenuRow& row, const HandlerTable& handlers) {
  const QString name = QString::fromUtf8(row.name);
  QAction* action = nullptr;
  if (name == u"-" || QString::fromUtf8(row.caption) == u"-") {
    action = menu.addSeparator();
  } else {
    action = menu.addAction(QString::fromUtf8(row.caption));
    if (*row.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
    action->setCheckable(row.flags & kCheckable);
    action->setChecked((row.flags & kChecked) == kChecked);
    const auto handler = handlers.constFind(name);
    const bool bound = handler != handlers.constEnd();
    // Items without a command stay disabled; kDisabled items start disabled.
    action->setEnabled(bound && !(row.flags & kDisabled));
    if (bound) connectOwnedCheck(action, *handler);
  }
  action->setObjectName(name);
  action->setVisible(!(row.flags & kHidden));
  return action;
}

void buildRows(QMenu* top, std::span<const MenuRow> rows, QMenuBar* bar,
               const HandlerTable& handlers, ActionTable& actions) {
  QMenu* menus[3] = {nullptr, top, nullptr};
  const std::size_t N = rows.size();
  for (std::size_t i = 0; i < N; ++i) {
    const MenuRow& row = rows[i];
    const QString name = QString::fromUtf8(row.name);
    const bool opensSubMenu = i + 1 < N && rows[i + 1].depth > row.depth;
    if (row.depth == 0) {
      if (!bar) continue;
      menus[1] = bar->addMenu(QString::fromUtf8(row.caption));
      menus[1]->setObjectName(name);
      actions.insert(name, menus[1]->menuAction());
    } else if (opensSubMenu) {
      menus[2] = menus[1]->addMenu(QString::fromUtf8(row.caption));
      menus[2]->setObjectName(name);
      actions.insert(name, menus[2]->menuAction());
    } else {
      QAction* action = makeItem(*menus[row.depth], row, handlers);
      if (name != u"-") actions.insert(name, action);
    }
  }
}

}  // namespace

void buildMainMenu(QMenuBar& bar, const HandlerTable& handlers, ActionTable& actions) {
  buildRows(nullptr, mainMenuRows(), &bar, handlers, actions);
}

void buildPopupMenu(QMenu& menu, const HandlerTable& handlers, ActionTable& actions) {
  buildRows(&menu, popupMenuRows(), nullptr, handlers, actions);
}

}  // namespace wrenpad
