// SPDX-License-Identifier: GPL-3.0-or-later
// What a later start finds of a run that did not end cleanly: only runs that
// are gone, newest first, with whether the file changed after; the name file
// as earlier versions wrote it; and kept work put back as the kind of text it
// was.
#include "documents/recovery.h"
#include "documents/undo_commands.h"
#include "documents/undo_snapshots.h"
#include "editor/editor_control.h"

#include <QFile>
#include <QLocale>
#include <QWidget>
#include <gtest/gtest.h>

#include "files/file_names.h"
#include "support/byte_names.h"
#include "support/temp_folder.h"
#include "text/translation.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace wrenpad {
namespace {

// Sets the time of the file named `path`, whatever bytes its name holds.
void setModified(const QString& path, const QDateTime& time) {
  const struct timespec times[2] = {{0, UTIME_OMIT}, {time.toSecsSinceEpoch(), 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, files::fileNameToBytes(path).constData(), times, 0), 0);
}

void leaveWork(const QString& folder, int slot, const QString& name, const QByteArray& text,
               SnapshotKind kind = SnapshotKind::Plain) {
  UndoSnapshots snapshots(folder, slot);
  int count = 0, top = 0;
  ASSERT_FALSE(snapshots.take(text, count, top).failed());
  ASSERT_FALSE(RecordDocumentName(folder, slot, {name, kind}).failed());
}

// Only gone runs are offered, newest first. A name is kept as the bytes the
// file system holds, UTF-8 or not, so the recovered document is saved over
// its own file; a change of that file after the snapshot is told.
TEST(Recovery, GoneRunsAreOfferedNewestFirstAndAFileChangedAfterItsSnapshotIsNoted) {
  test::TempFolder folder;
  const QDateTime now = QDateTime::currentDateTime();
  const QString document = folder.write("report.txt", "old");
  setModified(document, now.addSecs(-600));
  const QByteArray oddName("caf\xe9.txt");
  ASSERT_TRUE(test::writeByName(folder.path(), oddName, "old"));
  const QString changed = files::fileNameFromBytes(test::bytePath(folder.path(), oddName));
  leaveWork(folder.path(), 1, document, "typed work");
  leaveWork(folder.path(), 2, changed, "kept");
  setModified(changed, now.addSecs(600));
  setModified(UndoSnapshots(folder.path(), 1).path(1), now.addSecs(-60));
  leaveWork(folder.path(), 3, "live.txt", "still running");

  const auto offers = FindRecoveryOffers(folder.path(), 10, [](int slot) { return slot == 3; });
  ASSERT_EQ(offers.size(), 2u);
  EXPECT_EQ(offers[0].slot, 2);  // the newest first
  EXPECT_EQ(files::fileNameToBytes(offers[0].documentName), test::bytePath(folder.path(), oddName));
  EXPECT_TRUE(RecoveryQuestion(offers[0]).contains("the file was changed after that"));
  EXPECT_EQ(offers[1].documentName, document);
  EXPECT_EQ(test::TempFolder::read(offers[1].snapshot), "typed work");
  EXPECT_FALSE(offers[1].fileChanged.isValid());
  EXPECT_FALSE(RecoveryQuestion(offers[1]).contains("changed"));

  RemoveRecoveryFiles(folder.path(), 1);
  EXPECT_FALSE(QFile::exists(DocumentNameFile(folder.path(), 1)));
  EXPECT_FALSE(QFile::exists(UndoSnapshots(folder.path(), 1).path(1)));
  EXPECT_EQ(FindRecoveryOffers(folder.path(), 10, [](int) { return false; }).size(), 2u);  // 2, 3
}

// The system's locale here is the C locale, which writes "7 Dec 2026".
TEST(Recovery, TheQuestionWritesItsDatesInTheInterfacesLanguage) {
  const QLocale before;
  QLocale::setDefault(QLocale::c());
  RecoveryOffer offer;
  offer.documentName = "notes.txt";
  offer.written = QDateTime(QDate(2026, 12, 7), QTime(8, 51, 51));
  offer.fileChanged = QDateTime(QDate(2026, 12, 8), QTime(9, 5));
  const QString english = RecoveryQuestion(offer);
  QString japanese;
  {
    InterfaceLanguageScope inJapanese(InterfaceLanguage::Japanese);
    japanese = RecoveryQuestion(offer);
  }
  QLocale::setDefault(before);
  EXPECT_TRUE(japanese.contains("2026/12/07 8:51")) << japanese.toStdString();
  EXPECT_TRUE(japanese.contains("2026/12/08 9:05")) << japanese.toStdString();
  EXPECT_FALSE(japanese.contains("Dec")) << japanese.toStdString();
  EXPECT_TRUE(english.contains("12/7/26 8:51")) << english.toStdString();
}

TEST(Recovery, NameFilesOfEarlierVersionsHoldTheNameAloneAndOnlyAPageIsRichText) {
  test::TempFolder folder;
  const QByteArray rtfSource = "{\\rtf1\\ansi hello}";
  leaveWork(folder.path(), 1, "old.rtf", rtfSource);
  folder.write("Temporary File for Wrenpad_1.name", "old.rtf\r\n");
  leaveWork(folder.path(), 2, "old.htm", rtfSource);
  folder.write("Temporary File for Wrenpad_2.name", "old.htm\r\n");

  auto offers = FindRecoveryOffers(folder.path(), 10, [](int) { return false; });
  ASSERT_EQ(offers.size(), 2u);
  if (offers[0].slot != 1) std::swap(offers[0], offers[1]);
  EXPECT_EQ(offers[0].documentName, "old.rtf");
  EXPECT_EQ(offers[0].kind, SnapshotKind::Unknown);
  EXPECT_FALSE(IsRichSnapshot(offers[0], rtfSource));
  EXPECT_TRUE(IsRichSnapshot(offers[1], rtfSource));
  EXPECT_FALSE(IsRichSnapshot(offers[1], "plain words"));
  // An RTF source kept as a plain text comes back as its source; a page's
  // rich text that cannot be read is refused and leaves the editor as it was.
  QWidget parent;
  EditorControl editor(&parent);
  EXPECT_TRUE(ShowSnapshot(editor, rtfSource, false));
  EXPECT_EQ(editor.text(), QString::fromUtf8(rtfSource));
  EXPECT_FALSE(ShowSnapshot(editor, "no rich text at all", true));
  EXPECT_EQ(editor.text(), QString::fromUtf8(rtfSource));
}

}  // namespace
}  // namespace wrenpad
