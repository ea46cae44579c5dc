// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace wrenpad;

TEST(CommandLine, JoinsArgumentsAndDropsTheStartupMarker) {
  // A name with blanks arrives split in pieces.
  EXPECT_EQ(joinCommandLine({"C:\\My", "Documents\\a.txt"}), "C:\\My Documents\\a.txt");
  // The marker argument goes, with everything before it.
  EXPECT_EQ(joinCommandLine({"/starup", "C:\\My", "Documents\\a.txt"}),
            "C:\\My Documents\\a.txt");
  EXPECT_EQ(joinCommandLine({"x", "/starup", "b.txt"}), "b.txt");
  EXPECT_EQ(joinCommandLine({"/starup"}), "");
  EXPECT_EQ(joinCommandLine({}), "");
  // A name that only contains the letters is a name.
  EXPECT_EQ(joinCommandLine({"/home/me/starup_dir/a.txt"}), "/home/me/starup_dir/a.txt");
  EXPECT_EQ(joinCommandLine({"/tmp/starup"}), "/tmp/starup");
  EXPECT_EQ(joinCommandLine({"/starup/b.txt"}), "/starup/b.txt");
}

TEST(CommandLine, ResolvesNamesAgainstTheWorkingFolder) {
  test::TempFolder folder;
  const QString odd = QString::fromUtf8("my notes; \"v2\" 日本語.txt");
  folder.write(odd, "x");
  EXPECT_EQ(resolveCommandLineFile(odd, folder.path()), folder.path() + "/" + odd);
  EXPECT_EQ(resolveCommandLineFile(folder.file(odd), "/"), folder.path() + "/" + odd);
  // A name that matches nothing stays the user's name, so the load can say so.
  EXPECT_EQ(resolveCommandLineFile("missing.txt", folder.path()), folder.path() + "/missing.txt");
  EXPECT_EQ(resolveCommandLineFile("./sub/../b.txt", folder.path()), folder.path() + "/b.txt");
  // The stand-in of a byte that is not UTF-8 stays in the name.
  const QString latin1Name = QStringLiteral("caf") + QChar(0xDCE9) + QStringLiteral(".txt");
  EXPECT_EQ(resolveCommandLineFile("./" + latin1Name, folder.path()), folder.path() + "/" + latin1Name);
  EXPECT_EQ(resolveCommandLineFile("/x/../" + latin1Name, folder.path()), "/" + latin1Name);
}
