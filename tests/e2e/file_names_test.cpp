// SPDX-License-Identifier: GPL-3.0-or-later
// The real program given a file whose name is not UTF-8 (a Latin-1 "café")
// on its command line: it opens that file and saves it back under the same
// bytes, with no second file named with U+FFFD.
#include "support/byte_names.h"
#include "support/virtual_screen.h"

#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// Waits until the file holds `expected`; false when the time runs out.
bool waitForBytes(const QString& folder, const QByteArray& name, const QByteArray& expected) {
  return wrenpad::test::waitUntil([&] { return wrenpad::test::readByName(folder, name) == expected; }, 10000);
}

}  // namespace

TEST(FileNames, ALatin1NameFromTheCommandLineOpensAndSavesUnderItsOwnBytes) {
  if (!wrenpad::test::canDriveRealWindows()) GTEST_SKIP() << "Xvfb and xdotool are needed";
  wrenpad::test::VirtualScreen screen;
  ASSERT_TRUE(screen.start());
  wrenpad::test::TempFolder folder;
  folder.write("wrenpad.ini", "[Settings]\r\nJpn=0\r\n");
  wrenpad::test::copyPortableProgram(folder);
  const QByteArray latin1Name = "caf\xe9.txt";
  ASSERT_TRUE(wrenpad::test::writeByName(folder.path(), latin1Name, "hello\r\n"));

  // QProcess passes arguments through Qt's encoding, which would lose the
  // byte; the shell makes it from an octal escape.
  QProcess editor;
  editor.setProcessEnvironment(screen.environment());
  editor.setWorkingDirectory(folder.path());
  editor.start(QStringLiteral("/bin/sh"), {"-c", "exec ./wrenpad \"$(printf 'caf\\351.txt')\""});
  ASSERT_TRUE(editor.waitForStarted(10000));
  QString trace;
  ASSERT_TRUE(wrenpad::test::waitForOutput(editor, trace, "loaded ", 15000)) << trace.toStdString();
  ASSERT_TRUE(screen.waitForFocus(QStringLiteral(" - Wrenpad")));

  ASSERT_TRUE(screen.xdotool({"type", "x"}));
  ASSERT_TRUE(screen.xdotool({"key", "ctrl+s"}));
  EXPECT_TRUE(waitForBytes(folder.path(), latin1Name, "xhello\r\n")) << trace.toStdString();
  EXPECT_FALSE(wrenpad::test::folderHoldsReplacedName(folder.path()));
  editor.kill();
  editor.waitForFinished(5000);
  wrenpad::test::removeByName(folder.path(), latin1Name);
}
