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
