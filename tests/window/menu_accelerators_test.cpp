// SPDX-License-Identifier: GPL-3.0-or-later
// Every item of every menu, the pop-up menu included, has a letter of its
// own in both languages: Alt and the letter reach exactly one item.
#include "window/command_table.h"
#include "support/window_fixture.h"

#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>
#include <map>

using namespace wrenpad;

namespace {

// Items that no view ever shows take no letter.
bool neverShown(const QAction* item) {
  const CommandRow* row = findCommand(item->objectName().toUtf8().constData());
  return row && (row->flags & kHidden) && !row->visible;
}

// "menu: problem" for each item without a letter and each letter taken twice.
QStringList acceleratorProblems(const QString& menuName, const QList<QAction*>& items) {
  QStringList problems;
  std::map<QString, QStringList> byLetter;
  for (const QAction* item : items) {
    if (item->isSeparator() || neverShown(item)) continue;
    const QString letter = QKeySequence::mnemonic(item->text()).toString();
    if (letter.isEmpty())
      problems << menuName + ": no letter for \"" + item->text() + "\"";
    else
      byLetter[letter] << item->text();
  }
  for (const auto& [letter, texts] : byLetter)
    if (texts.size() > 1) problems << menuName + ": " + letter + " for " + texts.join(" and ");
  return problems;
}

QStringList problemsOfMenu(const QString& menuName, const QMenu& menu) {
  QStringList problems = acceleratorProblems(menuName, menu.actions());
  for (const QAction* item : menu.actions())
    if (item->menu()) problems += problemsOfMenu(menuName + " > " + item->text(), *item->menu());
  return problems;
}

QStringList problemsOfWindow(TMain& main) {
  QStringList problems = acceleratorProblems("menu bar", main.menuBar()->actions());
  for (const QAction* title : main.menuBar()->actions())
    if (title->menu()) problems += problemsOfMenu(title->text(), *title->menu());
  problems += problemsOfMenu("pop-up", *main.popupMenu());
  return problems;
}

TEST(MenuAccelerators, EveryItemHasALetterOfItsOwnInBothLanguagesAndEveryProgrammingLanguage) {
  for (const QByteArray& settings : {QByteArray("[Settings]\r\nJpn=0\r\n"), QByteArray("[Settings]\r\nJpn=1\r\n")}) {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    auto main = test::startWindow(folder, dialogs, {}, settings);
    SCOPED_TRACE(main->japaneseInterface() ? "Japanese" : "English");
    // The Coding menu's title and first item follow the programming language.
    for (int language = 0; language < 4; ++language) {
      main->settings().PL = std::int8_t(language);
      main->UpdateCodingMenu();
      const QStringList problems = problemsOfWindow(*main);
      EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
    }
    test::closeWithoutSaving(*main);
  }
}

}  // namespace
