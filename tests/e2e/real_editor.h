// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real program on an X server of the test's own, started from a folder
// whose settings speak English; it is killed when the test ends.

#include "support/virtual_screen.h"

#include <gtest/gtest.h>

namespace wrenpad::test {

struct RealEditor : ::testing::Test {
  VirtualScreen screen;
  TempFolder folder;
  QProcess editor;
  QString trace;

  void SetUp() override {
    if (!canDriveRealWindows()) GTEST_SKIP() << "Xvfb and xdotool are needed";
    ASSERT_TRUE(screen.start());
    folder.write("wrenpad.ini", "[Settings]\r\nJpn=0\r\n");
  }
  void TearDown() override {
    editor.kill();
    editor.waitForFinished(5000);
  }
  // Starts the program, with `file` of the folder, and waits for its window.
  bool start(const QString& file = {}, int timeoutMs = 15000) {
    return startShownEditor(editor, screen, folder, trace, file, timeoutMs);
  }
  // Waits until the file at `path` holds `expected`, saying how it begins if not.
  void expectFile(const QString& path, const QByteArray& expected) {
    EXPECT_TRUE(waitForFile(path, expected, editor))
        << trace.toStdString() << TempFolder::read(path).left(2000).toStdString();
  }
};

}  // namespace wrenpad::test
