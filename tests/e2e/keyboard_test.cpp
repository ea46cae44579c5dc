// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a real X server (Xvfb, no window manager) with key
// presses from xdotool: the window takes the keyboard when it first shows, so
// Alt+letter opens a menu instead of typing into the editor.
#include "support/virtual_screen.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

TEST(Keyboard, AltLetterOpensTheMenuOnARealXServer) {
  if (!wrenpad::test::canDriveRealWindows()) GTEST_SKIP() << "Xvfb and xdotool are needed";
  wrenpad::test::VirtualScreen screen;
  ASSERT_TRUE(screen.start());
  wrenpad::test::TempFolder folder;
  folder.write("wrenpad.ini", "[Settings]\r\nJpn=0\r\n");
  QProcess editor;
  QString trace;
  ASSERT_TRUE(wrenpad::test::startShownEditor(editor, screen, folder, trace)) << trace.toStdString();

  ASSERT_TRUE(screen.xdotool({"key", "alt+f"}));
  EXPECT_TRUE(wrenpad::test::waitForOutput(editor, trace, "menu mmFile opened", 5000)) << trace.toStdString();
  EXPECT_FALSE(trace.contains("text changed")) << trace.toStdString();
  editor.kill();
  editor.waitForFinished(5000);
}

// Ctrl+Shift+H puts the keys into the heading box of the HTML bar with its
// list open: Down and Enter make the caret's line a first-level heading, and
// the keys go back to the editor.
TEST(Keyboard, CtrlShiftHOpensTheHeadingBoxAndItsChoiceHeadsTheCaretsLine) {
  if (!wrenpad::test::canDriveRealWindows()) GTEST_SKIP() << "Xvfb and xdotool are needed";
  wrenpad::test::VirtualScreen screen;
  ASSERT_TRUE(screen.start());
  wrenpad::test::TempFolder folder;
  folder.write("wrenpad.ini", "[Settings]\r\nJpn=0\r\n");
  const QString page = folder.write("page.htm", "<html><body>\r\nTitle\r\n</body></html>\r\n");
  QProcess editor;
  QString trace;
  ASSERT_TRUE(wrenpad::test::startShownEditor(editor, screen, folder, trace, "page.htm")) << trace.toStdString();

  ASSERT_TRUE(screen.xdotool({"key", "ctrl+g", "2", "Return"}));
  const int windows = screen.shownWindows();
  ASSERT_TRUE(screen.xdotool({"key", "ctrl+shift+h"}));
  ASSERT_TRUE(wrenpad::test::waitUntil([&] { return screen.shownWindows() > windows; }, 10000));  // the list opens
  trace.clear();
  ASSERT_TRUE(screen.xdotool({"key", "Down", "Return"}));
  // The heading is written on the heading timer's tick, a second later.
  ASSERT_TRUE(wrenpad::test::waitForOutput(editor, trace, "text changed", 5000)) << trace.toStdString();
  ASSERT_TRUE(screen.xdotool({"key", "End", "x", "ctrl+s"}));
  EXPECT_TRUE(wrenpad::test::waitForFile(page, "<html><body>\r\n<h1>Title</h1>x\r\n</body></html>\r\n", editor))
      << trace.toStdString() << wrenpad::test::TempFolder::read(page).toStdString();
  editor.kill();
  editor.waitForFinished(5000);
}
