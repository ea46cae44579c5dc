// SPDX-License-Identifier: GPL-3.0-or-later
// Recent files in the window: opened and saved files listed at the end of
// the File menu, an entry opening its file (after the save question), and
// the list kept across runs without files that have gone.
#include "documents/document_commands.h"
#include "editor/editor_control.h"
#include "window/main_window.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

TEST(RecentFilesMenu, OpenedAndSavedFilesAreListedOpenedAgainAndKept) {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  auto main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings);
  const QString first = folder.write("first.txt", "one\r\n");
  const QString second = folder.write("second; \"odd\".txt", "two\r\n");
  main->documents().OpenFile(first);
  main->documents().OpenFile(second);
  main->editor().setText("changed");
  main->editor().setModified(true);
  dialogs.filesToSave.push_back(folder.file("third.txt"));
  main->documents().mmSaveAsClick();
  EXPECT_EQ(main->recentFiles().entries(), (QStringList{folder.file("third.txt"), second, first}));
  QAction* item = main->findChild<QAction*>("FileNameKeeper3");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), "&3  " + first);
  EXPECT_TRUE(main->action("mmFile")->menu()->actions().contains(item));

  main->editor().setText("edited again");
  main->editor().setModified(true);
  dialogs.answers.push_back(Answer::Cancel);  // keeps the edited document
  item->trigger();
  EXPECT_EQ(main->editor().text(), "edited again");
  dialogs.answers.push_back(Answer::No);
  item->trigger();
  EXPECT_EQ(main->editor().text(), "one\r\n");
  EXPECT_EQ(main->recentFiles().entries().first(), first);
  test::closeWithoutSaving(*main);
  main.reset();

  QFile::remove(second);
  main = test::startWindow(folder, dialogs);
  EXPECT_EQ(main->recentFiles().entries(), (QStringList{first, folder.file("third.txt")}));
  EXPECT_EQ(main->findChild<QAction*>("FileNameKeeper2")->text(), "&2  " + folder.file("third.txt"));
  test::closeWithoutSaving(*main);
}

}  // namespace
