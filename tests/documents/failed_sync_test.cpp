// SPDX-License-Identifier: GPL-3.0-or-later
// A disk that cannot keep what was written often says so only when the file
// is put on disk (fsync: EIO on a failing or full thin-provisioned disk, on
// a network file system). A save must hear it: report the failure, and keep
// the old file as it was.
#include "documents/file_access.h"

#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <atomic>
#include <cerrno>
#include <sys/syscall.h>
#include <unistd.h>

using namespace wrenpad;
using namespace wrenpad::files;

namespace {
std::atomic<bool> disksFail{false};
std::atomic<int> syncs{0};
}  // namespace

// Every fsync of this test program comes here: the system's own call, or
// the error of a disk that lost the writes.
extern "C" int fsync(int fd) {
  ++syncs;
  if (disksFail) {
    errno = EIO;
    return -1;
  }
  return int(::syscall(SYS_fsync, fd));
}

TEST(FailedSync, ASaveThatDoesNotReachTheDiskFailsAndKeepsTheOldBytes) {
  test::TempFolder folder;
  const QString path = folder.write("a.txt", "old bytes");
  syncs = 0;
  ASSERT_FALSE(writeFileKeepingIdentity(path, "new").failure.failed());
  EXPECT_GT(syncs, 0);  // a save that succeeds has put the bytes on disk

  // Replaced: the new file never takes the old one's name.
  disksFail = true;
  const WriteResult replaced = writeFileKeepingIdentity(path, "newer");
  disksFail = false;
  EXPECT_TRUE(replaced.failure.failed());
  EXPECT_EQ(test::TempFolder::read(path), "new");

  // In place (a second hard link): the old bytes are put back, or kept in a
  // copy the failure names.
  const QString second = folder.file("b.txt");
  ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(second).constData()), 0);
  disksFail = true;
  const WriteResult inPlace = writeFileKeepingIdentity(path, "newer, and longer");
  disksFail = false;
  ASSERT_TRUE(inPlace.failure.failed());
  const QByteArray kept =
      test::TempFolder::read(inPlace.failure.oldBytesKeptInCopy ? inPlace.failure.detail : path);
  EXPECT_EQ(kept, "new");
}
