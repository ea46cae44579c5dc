// SPDX-License-Identifier: GPL-3.0-or-later
// Pasting on a real X server where no program owns the selection or the
// clipboard (a fresh session): the middle button and Shift+Insert in the
// editor find nothing to paste, and the program goes on with its text whole.
#include "support/virtual_screen.h"

#include <gtest/gtest.h>

TEST(Paste, NothingToPasteOnAFreshXServerLeavesTheEditorRunning) {
  if (!wrenpad::test::canDriveRealWindows()) GTEST_SKIP() << "Xvfb and xdotool are needed";
  wrenpad::test::VirtualScreen screen;
  ASSERT_TRUE(screen.start());
  wrenpad::test::TempFolder folder;
  folder.write("wrenpad.ini", "[Settings]\r\nJpn=0\r\n");
  const QString memo = folder.write("memo.txt", "hello\r\n");
  QProcess editor;
  QString trace;
  ASSERT_TRUE(wrenpad::test::startShownEditor(editor, screen, folder, trace, "memo.txt")) << trace.toStdString();

  // A middle click inside the editor, below the menus and tool bars.
  ASSERT_TRUE(screen.xdotool({"search", "--name", "memo.txt - Wrenpad", "mousemove", "--window", "%1", "300",
                              "300", "click", "2"}));
  ASSERT_TRUE(screen.xdotool({"key", "shift+Insert"}));
  ASSERT_TRUE(screen.xdotool({"key", "ctrl+End", "x", "ctrl+s"}));
  EXPECT_TRUE(wrenpad::test::waitForFile(memo, "hello\r\nx\r\n", editor))
      << trace.toStdString() << wrenpad::test::TempFolder::read(memo).toStdString();
  EXPECT_EQ(editor.state(), QProcess::Running) << trace.toStdString();
  editor.kill();
  editor.waitForFinished(5000);
}
