// What a later start finds of a run that did not end cleanly: only runs that
// are gone, only work newer than the document's file, newest first.
#include "documents/recovery.h"
#include "documents/undo_snapshots.h"

#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace wrenpad {
namespace {

void setModified(const QString& path, const QDateTime& time) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

void leaveWork(const QString& folder, int slot, const QString& name, const QByteArray& text) {
  UndoSnapshots snapshots(folder, slot);
  int count = 0, top = 0;
  ASSERT_TRUE(snapshots.take(text, count, top));
  ASSERT_TRUE(RecordDocumentName(folder, slot, name));
}

TEST(Recovery, OnlyGoneRunsWithWorkNewerThanTheirFileAreOffered) {
  test::TempFolder folder;
  const QString saved = folder.write("saved after.txt", "old");
  const QString document = folder.write(QString::fromUtf8("報告.txt"), "old");
  setModified(document, QDateTime::currentDateTime().addSecs(-600));
  leaveWork(folder.path(), 1, document, "typed work");
  leaveWork(folder.path(), 2, "Untitled.txt", "never saved");
  leaveWork(folder.path(), 3, saved, "kept");
  setModified(saved, QDateTime::currentDateTime().addSecs(600));
  leaveWork(folder.path(), 4, "live.txt", "still running");
  setModified(UndoSnapshots(folder.path(), 2).path(1), QDateTime::currentDateTime().addSecs(60));

  const auto offers = FindRecoveryOffers(folder.path(), 10, [](int slot) { return slot == 4; });
  ASSERT_EQ(offers.size(), 2u);
  EXPECT_EQ(offers[0].slot, 2);  // the newest first
  EXPECT_EQ(offers[0].documentName, "Untitled.txt");
  EXPECT_EQ(offers[1].slot, 1);
  EXPECT_EQ(offers[1].documentName, document);
  EXPECT_EQ(test::TempFolder::read(offers[1].snapshot), "typed work");

  RemoveRecoveryFiles(folder.path(), 1);
  EXPECT_FALSE(QFile::exists(DocumentNameFile(folder.path(), 1)));
  EXPECT_FALSE(QFile::exists(UndoSnapshots(folder.path(), 1).path(1)));
  EXPECT_EQ(FindRecoveryOffers(folder.path(), 10, [](int) { return false; }).size(), 2u);  // 2 and 4
}

}  // namespace
}  // namespace wrenpad
