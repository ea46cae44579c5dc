// SPDX-License-Identifier: GPL-3.0-or-later
// The door for the program's own files and temporary folders, on the real
// file system: links, permissions, a full disk and the left-overs of runs
// that are gone.
#include "files/private_files.h"

#include "support/temp_folder.h"
#include "text/translation.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace wrenpad;
using namespace wrenpad::files;

namespace {

QByteArray native(const QString& path) { return QFile::encodeName(path); }

mode_t modeOf(const QString& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(native(path).constData(), &st), 0) << path.toStdString();
  return st.st_mode & 07777;
}

void symlinkTo(const QString& target, const QString& link) {
  ASSERT_EQ(::symlink(native(target).constData(), native(link).constData()), 0);
}

// A process id that was used a moment ago and is free now.
qint64 goneProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

QStringList entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace

TEST(PrivateFiles, ResolvesLinksAsTheKernelDoes) {
  test::TempFolder folder;
  const QString root = folder.path();
  ASSERT_TRUE(QDir().mkpath(root + "/data/config") && QDir().mkpath(root + "/data/dotfiles") &&
              QDir().mkpath(root + "/home/dotfiles"));
  folder.write("data/dotfiles/app.conf", "real");
  symlinkTo(root + "/data/config", root + "/home/.config");
  // Relative to where the link really lies (data/config), not to home/.config.
  symlinkTo("../dotfiles/app.conf", root + "/data/config/app.conf");
  const QString real = QDir(root).canonicalPath();
  EXPECT_EQ(resolveTarget(root + "/home/.config/app.conf"), real + "/data/dotfiles/app.conf");
  // A link that points at nothing yet.
  symlinkTo("../dotfiles/new.conf", root + "/data/config/dangling");
  EXPECT_EQ(resolveTarget(root + "/home/.config/dangling"), real + "/data/dotfiles/new.conf");
  // A missing folder, a loop.
  EXPECT_EQ(resolveTarget(root + "/nowhere/x.txt"), root + "/nowhere/x.txt");
  symlinkTo("loop", root + "/loop");
  EXPECT_FALSE(resolveTarget(root + "/loop").isEmpty());
}

TEST(PrivateFiles, WrittenWholeForTheOwnerOnlyAndNeverThroughALink) {
  test::TempFolder folder;
  const mode_t oldMask = ::umask(0);
  const QString path = folder.file("state/deeper/snapshot");
  const Failure made = writePrivateFile(path, "one");
  const Failure stricter = writePrivateFile(folder.file("copy"), "two", 0640 & 0400);
  ::umask(oldMask);
  ASSERT_FALSE(made.failed()) << describe(made).toStdString();
  EXPECT_EQ(test::TempFolder::read(path), "one");
  EXPECT_EQ(modeOf(path), 0600u);
  EXPECT_EQ(modeOf(folder.file("state/deeper")), 0700u);
  EXPECT_EQ(modeOf(folder.file("copy")), 0400u) << describe(stricter).toStdString();

  // A link put in the file's place is replaced; what it points at stays.
  const QString victim = folder.write("victim", "not ours");
  symlinkTo(victim, folder.file("state/link"));
  ASSERT_FALSE(writePrivateFile(folder.file("state/link"), "ours").failed());
  EXPECT_EQ(test::TempFolder::read(victim), "not ours");
  EXPECT_EQ(test::TempFolder::read(folder.file("state/link")), "ours");
  EXPECT_FALSE(QFileInfo(folder.file("state/link")).isSymLink());

  // A folder in the file's place is no file to write.
  QDir().mkpath(folder.file("state/folder"));
  EXPECT_EQ(writePrivateFile(folder.file("state/folder"), "x").problem, Problem::NotRegular);
  EXPECT_EQ(entries(folder.file("state/deeper")), QStringList({"snapshot"}));
}

// Root rewriting a user's file (their settings, read through a link or kept
// beside a copy of theirs) leaves it theirs, still for their eyes only; a
// file of root's own never goes to whoever owned the file in its place.
TEST(PrivateFiles, AUsersFileWrittenOverKeepsItsOwner) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to write another user's file";
  test::TempFolder folder;
  for (const Owner owner : {Owner::Kept, Owner::Writer}) {
    const QString path = folder.write("Wrenpad.ini", "[Settings]\nJpn=0\n");
    ASSERT_EQ(::chown(native(path).constData(), 65534, 65534), 0);
    ASSERT_FALSE(writePrivateFile(path, "[Settings]\nJpn=1\n", 0600, owner).failed());
    struct stat st {};
    ASSERT_EQ(::stat(native(path).constData(), &st), 0);
    EXPECT_EQ(st.st_uid, owner == Owner::Kept ? 65534u : 0u);
    EXPECT_EQ(st.st_gid, owner == Owner::Kept ? 65534u : 0u);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
  }
}

TEST(PrivateFiles, AFullDiskLeavesTheOldFileWhole) {
  test::TempFolder folder;
  const QString disk = folder.file("disk");
  QDir().mkpath(disk);
  if (::mount("tmpfs", native(disk).constData(), "tmpfs", 0, "size=64k") != 0)
    GTEST_SKIP() << "no tmpfs can be mounted here (needs root)";
  const QString path = disk + "/settings.ini";
  const Failure first = writePrivateFile(path, "[Settings]\nJpn=1\n");
  const Failure full = writePrivateFile(path, QByteArray(1 << 20, 'x'));
  const QByteArray after = test::TempFolder::read(path);
  const QStringList left = entries(disk);
  ::umount(native(disk).constData());
  EXPECT_FALSE(first.failed());
  EXPECT_EQ(full.problem, Problem::DiskFull);
  const InterfaceLanguageScope japanese(InterfaceLanguage::Japanese);
  EXPECT_EQ(describe(full), QString::fromUtf8("ディスクがいっぱいです。"));
  EXPECT_EQ(after, "[Settings]\nJpn=1\n");
  EXPECT_EQ(left, QStringList({"settings.ini"}));
}

TEST(PrivateFiles, PrivateFoldersAndLeftOversOfGoneRuns) {
  test::TempFolder runtime;
  ASSERT_EQ(::chmod(native(runtime.path()).constData(), 0700), 0);
  qputenv("XDG_RUNTIME_DIR", native(runtime.path()));
  const PrivateFolder made = makePrivateFolder("wrenpad-test");
  ASSERT_FALSE(made.failure.failed());
  EXPECT_EQ(QFileInfo(made.path).absolutePath(), runtime.path());
  EXPECT_EQ(modeOf(made.path), 0700u);

  // A folder of a gone run goes at the next start; a live run's stays.
  const QString gone = runtime.file(QStringLiteral("wrenpad-test-%1-abcdef").arg(goneProcess()));
  ASSERT_TRUE(QDir().mkpath(gone + "/inner"));
  removeLeftOverPrivateFolders("wrenpad-test");
  EXPECT_FALSE(QFileInfo::exists(gone));
  EXPECT_TRUE(QFileInfo::exists(made.path));

  // A runtime folder others may enter is not used.
  ASSERT_EQ(::chmod(native(runtime.path()).constData(), 0777), 0);
  EXPECT_EQ(privateFolderBase(), QDir::tempPath());
  ASSERT_EQ(::chmod(native(runtime.path()).constData(), 0700), 0);
  qunsetenv("XDG_RUNTIME_DIR");

  // Half-written files of a gone run go; those of this run stay.
  test::TempFolder state;
  const QString dead = state.write(QStringLiteral(".wrenpad-new-%1-x1").arg(goneProcess()), "half");
  const QString live = state.write(QStringLiteral(".wrenpad-new-%1-x2").arg(::getppid()), "half");
  const QString backup = state.write(QStringLiteral(".wrenpad-backup-%1-x3").arg(goneProcess()), "old");
  removeLeftOverTemporaries(state.path());
  EXPECT_FALSE(QFileInfo::exists(dead));
  EXPECT_TRUE(QFileInfo::exists(live));
  EXPECT_TRUE(QFileInfo::exists(backup));
}
