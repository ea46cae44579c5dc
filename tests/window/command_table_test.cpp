// SPDX-License-Identifier: GPL-3.0-or-later
// The command table: its rows are well formed, every handler is reached from
// its menu item and its tool button. The check marks follow the values in a
// started window, and so do the captions of each language
// (menu_accelerators_test.cpp, japanese_texts_test.cpp).
#include "window/command_actions.h"
#include "window/command_table.h"
#include "window/icons.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>
#include <map>

namespace wrenpad {
namespace {

QString str(const char* text) { return QString::fromUtf8(text); }

bool isMenuItem(const CommandRow& row) { return !(row.flags & kToolOnly) && row.depth > 0; }

TEST(CommandTable, RowsAreWellFormed) {
  QSet<QString> names;
  std::map<std::pair<ToolBar, int>, QString> places = {{{ToolBar::Main, 12}, "EnhancedEdit1"},
                                                       {{ToolBar::Html, 1}, "HeaderComboBox"}};
  int previousDepth = 0;
  bool inPopup = false;
  for (const CommandRow& row : commandTable()) {
    SCOPED_TRACE(row.name);
    for (const char* name : {row.name, row.tool.name}) {
      if (!*name || (row.flags & kToolOnly && name == row.tool.name)) continue;
      EXPECT_FALSE(names.contains(str(name))) << "named twice: " << name;
      names.insert(str(name));
    }
    if (!(row.flags & kToolOnly)) {
      EXPECT_LE(row.depth, previousDepth + 1);  // a sub-menu opens under its title
      EXPECT_TRUE(row.depth == 0 || !(row.flags & kPopup));
      if (row.depth == 0) inPopup = row.flags & kPopup;
      EXPECT_FALSE(inPopup && row.depth > 1);
      previousDepth = row.depth;
    }
    if (row.tool.bar != ToolBar::None) {
      const auto place = std::make_pair(row.tool.bar, row.tool.place);
      EXPECT_FALSE(places.count(place)) << "place taken by " << places[place].toStdString();
      places[place] = str(row.tool.name);
      EXPECT_FALSE(toolIcon(str(row.tool.name)).isNull());  // its picture is compiled in
    }
    // A check mark or a toggling button always shows a value.
    if (row.run && ((row.flags & kCheckable) || (row.tool.style & kToggles))) {
      EXPECT_NE(row.checked, nullptr);
    }
    EXPECT_EQ(findCommand(row.name), &row);
  }
  // The buttons and widgets of each bar fill its places from 1 on.
  for (ToolBar bar : {ToolBar::Main, ToolBar::Html}) {
    int expected = 1;
    for (const auto& [place, name] : places) {
      if (place.first != bar) continue;
      EXPECT_EQ(place.second, expected++) << name.toStdString();
    }
  }
}

// Menus and bars built from the table in a bare window, with a dispatcher
// that records which row each trigger reached.
struct BuiltCommands : ::testing::Test {
  QMainWindow window;
  QMenu popup;
  QToolBar mainBar, htmlBar;
  std::vector<const CommandRow*> reached;
  CommandActions commands{commandTable(), [this](const CommandRow& row) { reached.push_back(&row); }};

  BuiltCommands() {
    commands.buildMenus(*window.menuBar(), popup);
    commands.buildToolBar(mainBar, ToolBar::Main, {});
    commands.buildToolBar(htmlBar, ToolBar::Html, {});
  }
  QAction* item(const char* name) { return commands.action(str(name)); }
};

TEST_F(BuiltCommands, EveryHandlerIsReachedFromItsItemAndButtonAndUnbuiltOnesAreDisabled) {
  for (const CommandRow& row : commandTable()) {
    SCOPED_TRACE(row.name);
    if (row.flags & (kSeparator | kPopup) || (row.depth == 0 && !(row.flags & kToolOnly))) continue;
    std::vector<QAction*> actions;
    if (isMenuItem(row) && !commands.action(str(row.name))->menu()) actions.push_back(item(row.name));
    if (row.tool.bar != ToolBar::None) actions.push_back(item(row.tool.name));
    for (QAction* action : actions) {
      ASSERT_NE(action, nullptr);
      action->setVisible(true);  // Qt disables what it hides
      EXPECT_EQ(action->isEnabled(), row.run != nullptr);
      reached.clear();
      action->setEnabled(true);  // a view may disable it; the wiring is what counts here
      action->trigger();
      if (row.run)
        EXPECT_EQ(reached, std::vector<const CommandRow*>{&row});
      else
        EXPECT_TRUE(reached.empty());
    }
  }
}

}  // namespace
}  // namespace wrenpad
