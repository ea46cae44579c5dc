// SPDX-License-Identifier: GPL-3.0-or-later
// The real program given a file whose name is not UTF-8 (a Latin-1 "café")
// on its command line: it opens that file and saves it back under the same
// bytes, with no second file named with U+FFFD.
#include "e2e/real_editor.h"
#include "support/byte_names.h"

using namespace wrenpad::test;

using FileNames = RealEditor;

TEST_F(FileNames, ALatin1NameFromTheCommandLineOpensAndSavesUnderItsOwnBytes) {
  copyPortableProgram(folder);
  const QByteArray latin1Name = "caf\xe9.txt";
  ASSERT_TRUE(writeByName(folder.path(), latin1Name, "hello\r\n"));

  // QProcess passes arguments through Qt's encoding, which would lose the
  // byte; the shell makes it from an octal escape.
  editor.setProcessEnvironment(screen.environment());
  editor.setWorkingDirectory(folder.path());
  editor.start(QStringLiteral("/bin/sh"), {"-c", "exec ./wrenpad \"$(printf 'caf\\351.txt')\""});
  ASSERT_TRUE(editor.waitForStarted(10000));
  ASSERT_TRUE(waitForOutput(editor, trace, "loaded ", 15000)) << trace.toStdString();
  ASSERT_TRUE(screen.waitForFocus(QStringLiteral(" - Wrenpad")));

  ASSERT_TRUE(screen.xdotool({"type", "x"}));
  ASSERT_TRUE(screen.xdotool({"key", "ctrl+s"}));
  const auto saved = [&] { return readByName(folder.path(), latin1Name) == "xhello\r\n"; };
  EXPECT_TRUE(waitUntil(saved, 10000)) << trace.toStdString();
  EXPECT_FALSE(folderHoldsReplacedName(folder.path()));
  removeByName(folder.path(), latin1Name);
}
