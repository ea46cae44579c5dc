#include "app/command_line.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace wrenpad;

TEST(CommandLine, JoinsArgumentsAndDropsTheStartupMarker) {
  // A name with blanks arrives split in pieces.
  EXPECT_EQ(joinCommandLine({"C:\\My", "Documents\\a.txt"}), "C:\\My Documents\\a.txt");
  // "/starup" and the one character after it go, with everything before.
  EXPECT_EQ(joinCommandLine({"/starup", "C:\\My", "Documents\\a.txt"}),
            "C:\\My Documents\\a.txt");
  EXPECT_EQ(joinCommandLine({"x", "/starup", "b.txt"}), "b.txt");
  EXPECT_EQ(joinCommandLine({"/starup"}), "");
  EXPECT_EQ(joinCommandLine({}), "");
}

TEST(CommandLine, ResolvesExistingFilesAndLeavesNoNameForMissingOnes) {
  test::TempFolder folder;
  const QString odd = QString::fromUtf8("my notes; \"v2\" 日本語.txt");
  folder.write(odd, "x");
  EXPECT_EQ(resolveCommandLineFile(odd, folder.path()), folder.path() + "/" + odd);
  EXPECT_EQ(resolveCommandLineFile(folder.file(odd), "/"), folder.path() + "/" + odd);
  // A name that matches nothing keeps only its folder, so loading fails.
  EXPECT_EQ(resolveCommandLineFile("missing.txt", folder.path()), folder.path() + "/");
  // A folder is not a document.
  folder.write("sub/a.txt", "x");
  EXPECT_EQ(resolveCommandLineFile("sub", folder.path()), folder.path() + "/");
}
