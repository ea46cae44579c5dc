// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/command_actions.h"

#include "window/icons.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <algorithm>
#include <map>

namespace wrenpad {

namespace {

QString latin(const char* text) { return QString::fromUtf8(text); }

// A row's keys: one, or several separated by ";" (the first is the one the
// menu shows).
QList<QKeySequence> shortcutsOf(const CommandRow& row) {
  QList<QKeySequence> keys;
  for (const QString& key : latin(row.shortcut).split(u';', Qt::SkipEmptyParts)) keys << QKeySequence(key);
  return keys;
}

bool hasViews(const CommandRow& row) {
  return row.checked || row.enabled || row.visible || row.tool.visible;
}

}  // namespace

CommandActions::CommandActions(std::span<const CommandRow> rows, Dispatch dispatch)
    : rows_(rows), dispatch_(std::move(dispatch)) {}

void CommandActions::bind(QAction* action, const CommandRow& row) {
  action->setEnabled(row.run != nullptr);
  if (row.run)
    QObject::connect(action, &QAction::triggered, action, [this, &row] { dispatch_(row); });
}

QAction* CommandActions::addMenuItem(QMenu& menu, const CommandRow& row) {
  QAction* action = nullptr;
  if (row.flags & kSeparator) {
    action = menu.addSeparator();
  } else {
    action = menu.addAction(captionOf(row));
    if (*row.shortcut) action->setShortcuts(shortcutsOf(row));
    action->setCheckable(row.flags & kCheckable);
    bind(action, row);
  }
  action->setObjectName(latin(row.name));
  action->setVisible(!(row.flags & kHidden));
  // A hidden command with a short-cut is kept out of the menu but stays in
  // the window, since an invisible action answers no key.
  QWidget* bar = menu.parentWidget();
  if ((row.flags & kHidden) && !action->shortcut().isEmpty() && bar) {
    menu.removeAction(action);
    bar->window()->addAction(action);
    action->setVisible(true);
  }
  shown_.push_back({&row, action, false});
  return action;
}

void CommandActions::buildMenus(QMenuBar& bar, QMenu& popup) {
  QMenu* menus[3] = {nullptr, nullptr, nullptr};
  const std::size_t count = rows_.size();
  for (std::size_t i = 0; i < count; ++i) {
    const CommandRow& row = rows_[i];
    if (row.flags & kToolOnly) continue;
    const QString name = latin(row.name);
    const bool opensSubMenu = i + 1 < count && rows_[i + 1].depth > row.depth;
    QAction* action = nullptr;
    if (row.depth == 0 && (row.flags & kPopup)) {
      menus[1] = &popup;
      continue;
    } else if (row.depth == 0) {
      menus[1] = bar.addMenu(captionOf(row));
      menus[1]->setObjectName(name);
      // An item's tool tip, set only while it is kept out, says why.
      menus[1]->setToolTipsVisible(true);
      action = menus[1]->menuAction();
      shown_.push_back({&row, action, false});
    } else if (opensSubMenu) {
      menus[2] = menus[1]->addMenu(captionOf(row));
      menus[2]->setObjectName(name);
      menus[2]->setToolTipsVisible(true);
      action = menus[2]->menuAction();
      shown_.push_back({&row, action, false});
    } else {
      action = addMenuItem(*menus[row.depth], row);
    }
    actions_.insert(name, action);
    if (row.flags & kSeparatorAfter) menus[row.depth]->addSeparator();
  }
}

void CommandActions::buildToolBar(QToolBar& bar, ToolBar which,
                                  std::span<const ToolBarWidget> widgets) {
  std::map<int, const CommandRow*> buttons;
  for (const CommandRow& row : rows_)
    if (row.tool.bar == which) buttons[row.tool.place] = &row;
  std::map<int, QWidget*> placed;
  for (const ToolBarWidget& w : widgets)
    if (w.bar == which) placed[w.place] = w.widget;
  const int last = std::max(buttons.empty() ? 0 : buttons.rbegin()->first,
                            placed.empty() ? 0 : placed.rbegin()->first);
  for (int place = 1; place <= last; ++place) {
    if (const auto widget = placed.find(place); widget != placed.end()) {
      actions_.insert(widget->second->objectName(), bar.addWidget(widget->second));
      continue;
    }
    const auto found = buttons.find(place);
    if (found == buttons.end()) continue;
    const CommandRow& row = *found->second;
    if (row.tool.style & kGapBefore) bar.addSeparator();
    const QString name = latin(row.tool.name);
    QAction* action = bar.addAction(toolIcon(name), hintOf(row));
    action->setObjectName(name);
    action->setToolTip(hintOf(row));
    action->setCheckable(row.tool.style & kToggles);
    bind(action, row);
    actions_.insert(name, action);
    shown_.push_back({&row, action, true});
  }
}

void CommandActions::showStates(const CommandView& view) {
  for (const Shown& item : shown_) {
    const CommandRow& row = *item.row;
    if (!hasViews(row)) continue;
    if (row.checked && item.action->isCheckable()) item.action->setChecked(row.checked(view));
    const bool enabled = (row.enabled ? row.enabled(view) : true) && (item.action->menu() || permitted(row));
    // A menu's title follows its view too; an item without a handler stays disabled.
    if (row.enabled && (row.run || item.action->menu())) item.action->setEnabled(enabled);
    // Such an item's keys are set here alone: it holds the row's keys while
    // enabled and none otherwise, so they change only when that does (the
    // states are shown on every key; reading a key sequence is slow).
    if ((row.flags & kShortcutWhenEnabled) && !item.isButton && item.action->shortcuts().isEmpty() == enabled)
      item.action->setShortcuts(enabled ? shortcutsOf(row) : QList<QKeySequence>());
    if (item.isButton && row.tool.visible) item.action->setVisible(row.tool.visible(view));
    if (row.visible && !item.isButton) item.action->setVisible(row.visible(view));
  }
}

void CommandActions::restrictTo(Permission allowed, const CommandView& view, Reason why) {
  allowed_ = std::move(allowed);
  why_ = std::move(why);
  for (const Shown& item : shown_) {
    const CommandRow& row = *item.row;
    if (item.action->menu() || (row.flags & kSeparator)) continue;
    item.action->setEnabled(row.run && permitted(row) && (!row.enabled || row.enabled(view)));
  }
  showStates(view);
  showReasons();
}

void CommandActions::showReasons() {
  for (const Shown& item : shown_) {
    const CommandRow& row = *item.row;
    if (item.action->menu() || (row.flags & kSeparator)) continue;
    const QString why = why_ && row.run && !permitted(row) ? why_(row) : QString();
    item.action->setStatusTip(why);
    // A button's tool tip is its hint, shown again by showCaptions.
    if (!item.isButton) item.action->setToolTip(why);
  }
}

void CommandActions::showCaptions() {
  for (const Shown& item : shown_) {
    if (item.row->flags & kSeparator) continue;
    if (item.isButton) {
      const QString hint = hintOf(*item.row);
      item.action->setText(hint);
      item.action->setToolTip(hint);
    } else {
      item.action->setText(captionOf(*item.row));
    }
  }
  showReasons();
}

}  // namespace wrenpad
