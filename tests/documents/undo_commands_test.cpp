// The snapshot write in the background: running out of memory while the
// text is encoded comes back as a failed write, with the counts as they were
// and no file, instead of ending the program when the window takes it in.
#include "documents/undo_commands.h"

#include <QDir>
#include <gtest/gtest.h>
#include <new>

#include "support/temp_folder.h"

namespace wrenpad {
namespace {

TEST(SnapshotWrite, RunningOutOfMemoryIsAFailedWriteLikeAnyOther) {
  test::TempFolder folder;
  const UndoSnapshots snapshots(folder.path(), 1);
  const SnapshotWrite outcome = WriteSnapshot(
      snapshots, []() -> QByteArray { throw std::bad_alloc(); }, 3, 5, 0600);
  EXPECT_FALSE(outcome.written);
  EXPECT_EQ(outcome.failure.problem, files::Problem::OutOfMemory);
  EXPECT_EQ(outcome.undoCount, 3);
  EXPECT_EQ(outcome.undoTop, 5);
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

}  // namespace
}  // namespace wrenpad
