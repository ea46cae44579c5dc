// Undo snapshots on the disk: a failed write (a full disk, no memory to
// encode the text) changes neither the counts nor the older files, copies of
// the text are never more readable than the document, and a snapshot that
// reads back empty is no state to restore.
#include "documents/recovery.h"
#include "documents/undo_commands.h"
#include "documents/undo_snapshots.h"
#include "files/descriptors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <new>
#include <sys/mount.h>
#include <sys/stat.h>

#include "support/temp_folder.h"

namespace wrenpad {
namespace {

using files::native;
using files::Problem;

mode_t modeOf(const QString& path) {
  struct stat st {};
  ::stat(native(path).constData(), &st);
  return st.st_mode & 07777;
}

// Fills what is left of the disk `folder` lies on.
void fill(const QString& folder) {
  QFile filler(QDir(folder).filePath("filler"));
  ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
  const QByteArray block(4096, 'f');
  while (filler.write(block) == block.size() && filler.flush()) {
  }
}

TEST(UndoSnapshotFiles, AFullDiskLeavesTheOlderSnapshotsAndTheCounts) {
  test::TempFolder folder;
  const QString disk = folder.file("disk");
  QDir().mkpath(disk);
  if (::mount("tmpfs", native(disk).constData(), "tmpfs", 0, "size=64k") != 0)
    GTEST_SKIP() << "no tmpfs can be mounted here";
  UndoSnapshots snapshots(disk, 1);
  int count = 0, top = 0;
  const files::Failure first = snapshots.take("first state", count, top);
  fill(disk);
  const files::Failure second = snapshots.take(QByteArray(8192, 's'), count, top);
  const QByteArray kept = test::TempFolder::read(snapshots.path(1));
  const bool secondExists = QFile::exists(snapshots.path(2));
  QFile::remove(QDir(disk).filePath("filler"));
  const QStringList left = QDir(disk).entryList(QDir::Files | QDir::Hidden);
  ::umount(native(disk).constData());

  EXPECT_FALSE(first.failed());
  EXPECT_EQ(second.problem, Problem::DiskFull);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(top, 1);
  EXPECT_EQ(kept, "first state");
  EXPECT_FALSE(secondExists);
  EXPECT_EQ(left, QStringList({"Temporary File for Wrenpad_1_1.rtf"}));
}

TEST(UndoSnapshotFiles, RunningOutOfMemoryIsAFailedWriteLikeAnyOther) {
  test::TempFolder folder;
  const UndoSnapshots snapshots(folder.path(), 1);
  const SnapshotWrite outcome = WriteSnapshot(
      snapshots, []() -> QByteArray { throw std::bad_alloc(); }, 3, 5, 0600);
  EXPECT_FALSE(outcome.written);
  EXPECT_EQ(outcome.failure.problem, Problem::OutOfMemory);
  EXPECT_EQ(outcome.undoCount, 3);
  EXPECT_EQ(outcome.undoTop, 5);
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST(UndoSnapshotFiles, CopiesOfTheTextAreNoMoreReadableThanTheDocument) {
  test::TempFolder folder;
  const mode_t umask = ::umask(022);
  UndoSnapshots snapshots(folder.path(), 1);
  int count = 0, top = 0;
  ASSERT_FALSE(snapshots.take("private", count, top).failed());
  ASSERT_FALSE(snapshots.take("read-only document", count, top, 0444).failed());
  ASSERT_FALSE(RecordDocumentName(folder.path(), 1, {"a.txt", SnapshotKind::Plain}, 0440).failed());
  ::umask(umask);
  EXPECT_EQ(modeOf(snapshots.path(1)), 0600u);
  EXPECT_EQ(modeOf(snapshots.path(2)), 0400u);
  EXPECT_EQ(modeOf(DocumentNameFile(folder.path(), 1)), 0400u);
}

TEST(UndoSnapshotFiles, ASnapshotThatReadsBackEmptyIsNoState) {
  test::TempFolder folder;
  const UndoSnapshots snapshots(folder.path(), 1);
  folder.write(QFileInfo(snapshots.path(1)).fileName(), "");
  folder.write(QFileInfo(snapshots.path(2)).fileName(), "text");
  EXPECT_FALSE(snapshots.read(1).has_value());
  EXPECT_EQ(snapshots.read(2), QByteArray("text"));
  EXPECT_FALSE(snapshots.read(3).has_value());
}

}  // namespace
}  // namespace wrenpad
