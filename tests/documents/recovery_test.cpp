// SPDX-License-Identifier: GPL-3.0-or-later
// What a later start finds of a run that did not end cleanly: only runs that
// are gone, newest first, with whether the file changed after; the name file
// as earlier versions wrote it; kept work put back as the kind of text it
// was; and one instance at a time holding an offer.
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
#include <ctime>

namespace wrenpad {
namespace {

void setModified(const QString& path, const QDateTime& time) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
}

void leaveWork(const QString& folder, int slot, const QString& name, const QByteArray& text,
               SnapshotKind kind = SnapshotKind::Plain) {
  UndoSnapshots snapshots(folder, slot);
  int count = 0, top = 0;
  ASSERT_FALSE(snapshots.take(text, count, top).failed());
  ASSERT_FALSE(RecordDocumentName(folder, slot, {name, kind}).failed());
}

TEST(Recovery, GoneRunsAreOfferedNewestFirstAndAFileChangedAfterItsSnapshotIsNoted) {
  test::TempFolder folder;
  const QString changed = folder.write("changed after.txt", "old");
  const QString document = folder.write(QString::fromUtf8("報告.txt"), "old");
  setModified(document, QDateTime::currentDateTime().addSecs(-600));
  leaveWork(folder.path(), 1, document, "typed work");
  leaveWork(folder.path(), 2, "Untitled.txt", "never saved");
  leaveWork(folder.path(), 3, changed, "kept");
  setModified(changed, QDateTime::currentDateTime().addSecs(600));
  setModified(UndoSnapshots(folder.path(), 3).path(1), QDateTime::currentDateTime().addSecs(-60));
  leaveWork(folder.path(), 4, "live.txt", "still running");
  setModified(UndoSnapshots(folder.path(), 2).path(1), QDateTime::currentDateTime().addSecs(60));

  const auto offers = FindRecoveryOffers(folder.path(), 10, [](int slot) { return slot == 4; });
  ASSERT_EQ(offers.size(), 3u);
  EXPECT_EQ(offers[0].slot, 2);  // the newest first
  EXPECT_EQ(offers[0].documentName, "Untitled.txt");
  EXPECT_EQ(offers[1].slot, 1);
  EXPECT_EQ(offers[1].documentName, document);
  EXPECT_EQ(test::TempFolder::read(offers[1].snapshot), "typed work");
  EXPECT_FALSE(offers[1].fileChanged.isValid());
  EXPECT_EQ(offers[2].slot, 3);
  EXPECT_TRUE(offers[2].fileChanged.isValid());
  EXPECT_TRUE(RecoveryQuestion(offers[2]).contains("the file was changed after that"));
  EXPECT_FALSE(RecoveryQuestion(offers[1]).contains("changed"));

  RemoveRecoveryFiles(folder.path(), 1);
  EXPECT_FALSE(QFile::exists(DocumentNameFile(folder.path(), 1)));
  EXPECT_FALSE(QFile::exists(UndoSnapshots(folder.path(), 1).path(1)));
  EXPECT_EQ(FindRecoveryOffers(folder.path(), 10, [](int) { return false; }).size(), 3u);  // 2, 3 and 4
}

// A name is kept as the bytes the file system holds, UTF-8 or not, so the
// recovered document is saved over its own file; a change of that file after
// the snapshot is told, whatever its name.
TEST(Recovery, TheNameIsKeptByteForByte) {
  for (const QByteArray& name : {QByteArray("\xe5\xa0\xb1\xe5\x91\x8a.txt"), QByteArray("caf\xe9.txt")}) {
    test::TempFolder folder;
    ASSERT_TRUE(test::writeByName(folder.path(), name, "old"));
    const QString document = files::fileNameFromBytes(test::bytePath(folder.path(), name));
    leaveWork(folder.path(), 1, document, "typed");
    const struct timespec later[2] = {{0, UTIME_OMIT}, {::time(nullptr) + 600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, test::bytePath(folder.path(), name).constData(), later, 0), 0);
    const auto offers = FindRecoveryOffers(folder.path(), 10, [](int) { return false; });
    ASSERT_EQ(offers.size(), 1u);
    EXPECT_EQ(files::fileNameToBytes(offers[0].documentName), test::bytePath(folder.path(), name));
    EXPECT_TRUE(offers[0].fileChanged.isValid()) << name.toStdString();
  }
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
}

// What a start puts in the editor from kept work: an RTF source kept as a
// plain text comes back as its source; a page's rich text that cannot be read
// is refused and leaves the editor as it was.
TEST(Recovery, KeptWorkComesBackAsTheKindOfTextItWas) {
  test::TempFolder folder;
  QWidget parent;
  EditorControl editor(&parent);
  const QByteArray source = "{\\rtf1\\ansi Dear friend}";
  leaveWork(folder.path(), 1, folder.file("letter.rtf"), source);
  const auto offers = FindRecoveryOffers(folder.path(), 10, [](int) { return false; });
  ASSERT_EQ(offers.size(), 1u);
  const std::optional<QByteArray> bytes = UndoSnapshots::readFile(offers[0].snapshot);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_FALSE(IsRichSnapshot(offers[0], *bytes));
  EXPECT_TRUE(ShowSnapshot(editor, *bytes, false));
  EXPECT_EQ(editor.text(), QString::fromUtf8(source));

  EXPECT_FALSE(ShowSnapshot(editor, "no rich text at all", true));
  EXPECT_EQ(editor.text(), QString::fromUtf8(source));
}

TEST(Recovery, OneInstanceAtATimeHoldsAnOffer) {
  test::TempFolder folder;
  leaveWork(folder.path(), 1, "Untitled.txt", "work");
  {
    const RecoveryClaim first(folder.path(), 1);
    EXPECT_TRUE(first.held());
    EXPECT_FALSE(RecoveryClaim(folder.path(), 1).held());  // a second instance passes it by
  }
  EXPECT_TRUE(RecoveryClaim(folder.path(), 1).held());  // released with the first
  RemoveRecoveryFiles(folder.path(), 1);
  EXPECT_FALSE(RecoveryClaim(folder.path(), 1).held());  // taken back meanwhile
}

}  // namespace
}  // namespace wrenpad
