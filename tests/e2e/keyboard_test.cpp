// SPDX-License-Identifier: GPL-3.0-or-later
// The real program on a real X server (Xvfb, no window manager) with key
// presses and clicks from xdotool, in a fresh session where no program owns
// the selection or the clipboard.
#include "e2e/real_editor.h"

using namespace wrenpad::test;

using Keyboard = RealEditor;

// The window takes the keyboard when it first shows, so Alt+letter opens a
// menu instead of typing into the editor. The middle button and
// Shift+Insert find nothing to paste, and the program goes on with its text
// whole. Ctrl+Shift+H puts the keys into the heading box of the HTML bar
// with its list open: Down and Enter make the caret's line a first-level
// heading, and the keys go back to the editor.
TEST_F(Keyboard, AltLetterOpensAMenuNothingIsPastedAndCtrlShiftHHeadsTheLine) {
  const QString page = folder.write("page.htm", "<html><body>\r\nTitle\r\n</body></html>\r\n");
  ASSERT_TRUE(start("page.htm")) << trace.toStdString();
  const int windows = screen.shownWindows();
  trace.clear();  // loading the page changed the text
  ASSERT_TRUE(screen.xdotool({"key", "alt+f"}));
  EXPECT_TRUE(waitForOutput(editor, trace, "menu mmFile opened", 5000)) << trace.toStdString();
  EXPECT_FALSE(trace.contains("text changed")) << trace.toStdString();
  ASSERT_TRUE(screen.xdotool({"key", "Escape", "Escape"}));
  ASSERT_TRUE(waitUntil([&] { return screen.shownWindows() == windows; }, 10000));

  // A middle click inside the editor, below the menus and tool bars.
  ASSERT_TRUE(screen.xdotool(
      {"search", "--name", "page.htm - Wrenpad", "mousemove", "--window", "%1", "300", "300", "click", "2"}));
  ASSERT_TRUE(screen.xdotool({"key", "shift+Insert", "ctrl+g", "2", "Return"}));
  ASSERT_TRUE(screen.xdotool({"key", "ctrl+shift+h"}));
  ASSERT_TRUE(waitUntil([&] { return screen.shownWindows() > windows; }, 10000));  // the list opens
  trace.clear();
  ASSERT_TRUE(screen.xdotool({"key", "Down", "Return"}));
  // The heading is written on the heading timer's tick, a second later.
  ASSERT_TRUE(waitForOutput(editor, trace, "text changed", 5000)) << trace.toStdString();
  ASSERT_TRUE(screen.xdotool({"key", "End", "x", "ctrl+s"}));
  expectFile(page, "<html><body>\r\n<h1>Title</h1>x\r\n</body></html>\r\n");
  EXPECT_EQ(editor.state(), QProcess::Running) << trace.toStdString();
}
