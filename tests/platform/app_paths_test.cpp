// Where the program keeps its own files: beside a build or portable copy,
// in the XDG folders for any other copy, whoever runs it.
#include "platform/app_paths.h"

#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace wrenpad;

TEST(AppPaths, OnlyABuildOrPortableCopyKeepsItsFilesBesideItself) {
  test::TempFolder folder;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.file("home/config")));
  qputenv("XDG_STATE_HOME", QFile::encodeName(folder.file("home/state")));

  // An installed copy in a folder it may write (root running /usr/bin/wrenpad).
  QDir().mkpath(folder.file("usr/bin"));
  const AppPaths installed = AppPaths::forExecutable(folder.file("usr/bin/wrenpad"));
  EXPECT_FALSE(installed.keepsFilesBeside);
  EXPECT_EQ(installed.instanceFileFolder(), folder.file("home/state/wrenpad"));
  EXPECT_EQ(installed.configFolder, folder.file("home/config/wrenpad"));
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(installed.stateFolder).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);

  // A build folder, and a folder marked portable.
  folder.write("build/CMakeCache.txt", "");
  EXPECT_TRUE(AppPaths::forExecutable(folder.file("build/wrenpad")).keepsFilesBeside);
  folder.write("stick/wrenpad.portable", "");
  const AppPaths portable = AppPaths::forExecutable(folder.file("stick/wrenpad"));
  EXPECT_TRUE(portable.keepsFilesBeside);
  EXPECT_EQ(portable.instanceFileFolder(), folder.file("stick"));
  qunsetenv("XDG_CONFIG_HOME");
  qunsetenv("XDG_STATE_HOME");
}
