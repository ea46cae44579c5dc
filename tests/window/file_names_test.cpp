// SPDX-License-Identifier: GPL-3.0-or-later
// File > Open and Save with a file whose name is not UTF-8: the document is
// read from that file and written back to it, under the same bytes.
#include "documents/document_commands.h"
#include "editor/editor_control.h"
#include "files/file_names.h"
#include "window/main_window.h"
#include "support/byte_names.h"
#include "support/window_fixture.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace wrenpad;

TEST(FileNames, FileOpenAndSaveKeepANameThatIsNotUtf8) {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  auto main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings);
  const QByteArray oddName = "a\xff.txt";
  ASSERT_TRUE(test::writeByName(folder.path(), oddName, "hello\r\n"));

  dialogs.filesToOpen.push_back({files::fileNameFromBytes(test::bytePath(folder.path(), oddName))});
  main->action("mmOpen")->trigger();
  EXPECT_EQ(main->editor().text(), "hello\r\n");
  EXPECT_TRUE(dialogs.askedOf("error").isEmpty()) << dialogs.asked.join("\n").toStdString();

  main->editor().setSelStart(0);
  main->editor().replaceSelection("x");
  main->action("mmSave")->trigger();
  EXPECT_EQ(test::readByName(folder.path(), oddName), "xhello\r\n");
  EXPECT_FALSE(main->editor().isModified());
  // Saved over the file it came from: not asked to replace another file,
  // and no file named with U+FFFD beside it.
  EXPECT_TRUE(dialogs.askedOf("question").isEmpty()) << dialogs.asked.join("\n").toStdString();
  EXPECT_FALSE(test::folderHoldsReplacedName(folder.path()));
  test::closeWithoutSaving(*main);
  test::removeByName(folder.path(), oddName);
}
