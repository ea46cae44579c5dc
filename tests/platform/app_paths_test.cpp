// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program keeps its own files: beside a build or portable copy,
// in the XDG folders for any other copy, whoever runs it.
#include "platform/app_paths.h"

#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Root started with a user's $HOME (`sudo -E`), or XDG folders in a user's
// home, makes no folder of root's there: the user's own programs and settings
// stay theirs. Root's files go to root's own home.
TEST(AppPaths, FoldersOfAnotherUserAreNotTakenForOurs) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to have a folder of another user";
  test::TempFolder folder;
  ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
  QDir().mkpath(folder.file("user/.config"));
  for (const char* name : {"user", "user/.config"})
    ASSERT_EQ(::chown(QFile::encodeName(folder.file(name)).constData(), 65534, 65534), 0);
  const QString rootHome = QFile::decodeName(::getpwuid(0)->pw_dir);
  const QByteArray home = qgetenv("HOME");
  const struct {
    const char* configHome;  // XDG_CONFIG_HOME and XDG_STATE_HOME below the user's home, or unset
  } cases[] = {{nullptr}, {"user/.config"}};
  for (const auto& run : cases) {
    qputenv("HOME", QFile::encodeName(folder.file("user")));
    if (run.configHome) {
      qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.file(run.configHome)));
      qputenv("XDG_STATE_HOME", QFile::encodeName(folder.file("user/.local/state")));
    }
    const AppPaths paths = AppPaths::forExecutable(folder.file("usr/bin/wrenpad"));
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_STATE_HOME");
    qputenv("HOME", home);
    EXPECT_EQ(paths.configFolder, rootHome + "/.config/wrenpad");
    EXPECT_EQ(paths.stateFolder, rootHome + "/.local/state/wrenpad");
    EXPECT_EQ(QDir(folder.file("user")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({".config"}));
    EXPECT_TRUE(QDir(folder.file("user/.config")).isEmpty());
  }
}
