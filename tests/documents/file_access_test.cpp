// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and saving files so that they keep their identity, straight on the
// file system.
#include "documents/file_access.h"

#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace wrenpad;
using namespace wrenpad::files;

namespace {

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// A process id that was used a moment ago and is free now.
qint64 goneProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

struct stat statOf(const QString& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(native(path).constData(), &st), 0) << path.toStdString();
  return st;
}

struct FileAccess : ::testing::Test {
  test::TempFolder folder;
  QString write(const QString& name, const QByteArray& bytes) { return folder.write(name, bytes); }
  // Only the files the test made: no temporary or backup file left behind.
  QStringList names() const {
    return QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                         QDir::Name);
  }
};

}  // namespace

// A file alone is replaced, keeping its owner and permissions; a file with
// another hard link is written in place.
TEST_F(FileAccess, ReplacingOrWritingInPlaceKeepsTheFilesIdentity) {
  const QString path = write("a.txt", "old");
  ASSERT_EQ(::chmod(native(path).constData(), 0640), 0);
  const bool root = ::geteuid() == 0;
  ASSERT_TRUE(!root || ::chown(native(path).constData(), 65534, 65534) == 0);
  const WriteResult result = writeFileKeepingIdentity(path, "new bytes");
  ASSERT_FALSE(result.failure.failed()) << describe(result.failure).toStdString();
  EXPECT_FALSE(result.inPlace);
  EXPECT_EQ(test::TempFolder::read(path), "new bytes");
  EXPECT_EQ(statOf(path).st_mode & 07777, 0640u);
  EXPECT_EQ(statOf(path).st_uid, root ? 65534u : ::geteuid());
  EXPECT_EQ(result.stamp, stampOf(path));
  const QString second = folder.file("b.txt");
  ASSERT_EQ(::link(native(path).constData(), native(second).constData()), 0);
  const WriteResult linked = writeFileKeepingIdentity(path, "new, and longer than before");
  ASSERT_FALSE(linked.failure.failed());
  EXPECT_TRUE(linked.inPlace);
  EXPECT_EQ(test::TempFolder::read(second), "new, and longer than before");
  EXPECT_EQ(names(), QStringList({"a.txt", "b.txt"}));
}

// Reading never waits on a FIFO, nor on a device; nothing but an ordinary
// file is written, and what cannot be written is named.
TEST_F(FileAccess, OnlyRegularFilesAreReadOrWrittenAndWhyNotIsNamed) {
  const QString fifo = folder.file("pipe");
  ASSERT_EQ(::mkfifo(native(fifo).constData(), 0600), 0);
  EXPECT_EQ(writeFileKeepingIdentity(fifo, "x").failure.problem, Problem::NotRegular);
  EXPECT_TRUE(S_ISFIFO(statOf(fifo).st_mode));
  EXPECT_EQ(readRegularFile(fifo, 100).failure.problem, Problem::NotRegular);
  EXPECT_EQ(readRegularFile("/dev/zero", 100).failure.problem, Problem::NotRegular);
  EXPECT_EQ(readRegularFile(folder.file("none"), 100).failure.problem, Problem::Missing);
  const QString path = write("ten.txt", "0123456789");
  EXPECT_EQ(readRegularFile(path, 9).failure.problem, Problem::TooLarge);
  const ReadResult read = readRegularFile(path, 10);
  EXPECT_EQ(read.bytes, "0123456789");
  EXPECT_EQ(read.stamp, stampOf(path));
  // The longest name the system allows works: the temporary name is short.
  const QString longName = folder.file(QString(250, 'n') + ".txt");
  ASSERT_FALSE(writeFileKeepingIdentity(longName, "first").failure.failed());
  ASSERT_FALSE(writeFileKeepingIdentity(longName, "second").failure.failed());
  EXPECT_EQ(test::TempFolder::read(longName), "second");
  const Failure tooLong = writeFileKeepingIdentity(folder.file(QString(300, 'n')), "x").failure;
  EXPECT_EQ(describe(tooLong), "The file name is too long.");
  EXPECT_EQ(writeFileKeepingIdentity(folder.file("none/x.txt"), "x").failure.problem,
            Problem::FolderMissing);
  EXPECT_EQ(names(), QStringList({QString(250, 'n') + ".txt", "pipe", "ten.txt"}));
}

TEST_F(FileAccess, AFailedWriteOrAMissingNoteLeavesTheOldFile) {
  const QString path = write("a.txt", "old bytes");
  const QString linked = write("linked.txt", "old linked bytes");
  ASSERT_EQ(::link(native(linked).constData(), native(folder.file("second")).constData()), 0);
  // Writes stop past 64 KiB, as on a disk that fills up part-way.
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit small = saved;
  small.rlim_cur = 64 << 10;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const QByteArray large(1 << 20, 'x');
  const WriteResult replaced = writeFileKeepingIdentity(path, large);
  const WriteResult inPlace = writeFileKeepingIdentity(linked, large);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(replaced.failure.problem, Problem::TooLarge);
  EXPECT_EQ(inPlace.failure.problem, Problem::TooLarge);
  EXPECT_EQ(test::TempFolder::read(path), "old bytes");
  EXPECT_EQ(test::TempFolder::read(linked), "old linked bytes");
  EXPECT_EQ(names(), QStringList({"a.txt", "linked.txt", "second"}));
  // A save in place does not go on without its note; a file replaced whole
  // needs none.
  write("state", "a file where the state folder should be");
  setSaveJournalFolder(folder.file("state/wrenpad"));
  const Failure noNote = writeFileKeepingIdentity(linked, "new").failure;
  const Failure replacedWithoutNote = writeFileKeepingIdentity(path, "new").failure;
  setSaveJournalFolder(QString());
  EXPECT_EQ(noNote.problem, Problem::SaveNoteNotWritten);
  EXPECT_TRUE(describe(noNote).contains(folder.file("state/wrenpad")));
  EXPECT_EQ(test::TempFolder::read(linked), "old linked bytes");
  EXPECT_FALSE(replacedWithoutNote.failed());
  EXPECT_EQ(test::TempFolder::read(path), "new");
}

TEST_F(FileAccess, AFullDiskIsNamedAndLeavesTheOldFile) {
  const QString disk = folder.file("disk");
  QDir().mkpath(disk);
  if (::mount("tmpfs", native(disk).constData(), "tmpfs", 0, "size=64k") != 0)
    GTEST_SKIP() << "no tmpfs can be mounted here";
  const QString path = write("disk/a.txt", "old");
  const QString linked = write("disk/b.txt", "old b");
  ASSERT_EQ(::link(native(linked).constData(), native(disk + "/c.txt").constData()), 0);
  // An old time, so that a write of the file shows in its stamp however coarse the clock.
  const struct timespec oldTime[2] = {{0, UTIME_OMIT}, {1000000000, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, native(linked).constData(), oldTime, 0), 0);
  const FileStamp before = stampOf(linked);
  const QByteArray large(1 << 20, 'x');
  const Failure replacing = writeFileKeepingIdentity(path, large).failure;
  const Failure inPlace = writeFileKeepingIdentity(linked, large).failure;
  // The old bytes and time are back: the next save finds no other program's change.
  EXPECT_EQ(stampOf(linked), before);
  const QByteArray old = test::TempFolder::read(path);
  const QByteArray oldLinked = test::TempFolder::read(linked);
  const QStringList left = QDir(disk).entryList(QDir::Files | QDir::Hidden);
  ::umount(native(disk).constData());
  EXPECT_EQ(replacing.problem, Problem::DiskFull);
  EXPECT_EQ(describe(replacing), "The disk is full.");
  EXPECT_EQ(inPlace.problem, Problem::DiskFull);
  EXPECT_EQ(old, "old");
  EXPECT_EQ(oldLinked, "old b");
  EXPECT_EQ(left, QStringList({"a.txt", "b.txt", "c.txt"}));
}

TEST_F(FileAccess, AWritableFileInAFolderThatTakesNoNewFiles) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  ASSERT_EQ(::chmod(native(folder.path()).constData(), 0755), 0);
  const QString own = write("own.txt", "old");
  ASSERT_EQ(::chown(native(own).constData(), 65534, 65534), 0);
  const QString shared = write("shared.txt", "old");
  ASSERT_EQ(::chmod(native(shared).constData(), 0666), 0);
  const QString others = write("others.txt", "old");
  ASSERT_EQ(::chmod(native(others).constData(), 0644), 0);
  // As user and group 65534, as an ordinary user would.
  ASSERT_EQ(::setegid(65534), 0);
  ASSERT_EQ(::seteuid(65534), 0);
  const WriteResult ownResult = writeFileKeepingIdentity(own, "new");
  const WriteResult sharedResult = writeFileKeepingIdentity(shared, "new");
  const Failure othersFailure = writeFileKeepingIdentity(others, "new").failure;
  const Failure newFailure = writeFileKeepingIdentity(folder.file("fresh.txt"), "new").failure;
  EXPECT_EQ(::seteuid(0), 0);
  EXPECT_EQ(::setegid(0), 0);
  EXPECT_FALSE(ownResult.failure.failed()) << describe(ownResult.failure).toStdString();
  EXPECT_TRUE(ownResult.inPlace);
  EXPECT_EQ(test::TempFolder::read(own), "new");
  EXPECT_EQ(statOf(own).st_uid, 65534u);
  // Someone else's file that all may write keeps its owner.
  EXPECT_FALSE(sharedResult.failure.failed());
  EXPECT_EQ(test::TempFolder::read(shared), "new");
  EXPECT_EQ(statOf(shared).st_uid, 0u);
  EXPECT_EQ(othersFailure.problem, Problem::ReadOnly);
  EXPECT_EQ(test::TempFolder::read(others), "old");
  EXPECT_EQ(newFailure.problem, Problem::FolderNotWritable);
  EXPECT_EQ(names(), QStringList({"others.txt", "own.txt", "shared.txt"}));
}

TEST_F(FileAccess, ASaveThroughALinkThatClimbsWritesTheFileThatWasRead) {
  // ~/.config -> data/config and data/config/app.conf -> ../dotfiles/app.conf:
  // the kernel reads data/dotfiles/app.conf, so that is what a save writes.
  ASSERT_TRUE(QDir().mkpath(folder.file("data/config")) && QDir().mkpath(folder.file("data/dotfiles")) &&
              QDir().mkpath(folder.file("home/dotfiles")));
  const QString real = write("data/dotfiles/app.conf", "old");
  ASSERT_EQ(::symlink(native(folder.file("data/config")).constData(), native(folder.file("home/.config")).constData()), 0);
  ASSERT_EQ(::symlink("../dotfiles/app.conf", native(folder.file("data/config/app.conf")).constData()), 0);
  const WriteResult result = writeFileKeepingIdentity(folder.file("home/.config/app.conf"), "new");
  ASSERT_FALSE(result.failure.failed()) << describe(result.failure).toStdString();
  EXPECT_EQ(test::TempFolder::read(real), "new");
  EXPECT_FALSE(QFileInfo::exists(folder.file("home/dotfiles/app.conf")));
  EXPECT_TRUE(QFileInfo(folder.file("data/config/app.conf")).isSymLink());
}

namespace {
// Saves `bytes` over `path` in a child process that is killed just before
// the new bytes go in place, as a kill or a power cut would stop it.
void saveKilledMidway(const QString& journals, const QString& path, const QByteArray& bytes, uid_t user = 0) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (user != 0 && (::setegid(user) != 0 || ::seteuid(user) != 0)) ::_exit(1);
    setSaveJournalFolder(journals);
    test_hooks::beforeCommit = [] { ::kill(::getpid(), SIGKILL); };
    writeFileKeepingIdentity(path, bytes);
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
}
}  // namespace

TEST_F(FileAccess, ASaveKilledMidwayIsFoundAtTheNextStartAndCanBePutBack) {
  ASSERT_TRUE(QDir().mkpath(folder.file("state")) && QDir().mkpath(folder.file("docs")));
  const QString journals = folder.file("state");
  // A file with a second hard link is written in place, after a backup.
  const QString linked = write("docs/linked.txt", "old linked");
  ASSERT_EQ(::link(native(linked).constData(), native(folder.file("docs/other")).constData()), 0);
  saveKilledMidway(journals, linked, "new linked");
  // An ordinary file is replaced: the kill leaves a half-made new file.
  const QString plain = write("docs/plain.txt", "old plain");
  saveKilledMidway(journals, plain, "new plain");
  EXPECT_EQ(QDir(folder.file("docs")).entryList({".wrenpad-new-*"}, QDir::Files | QDir::Hidden).size(), 1);

  setSaveJournalFolder(journals);
  const std::vector<InterruptedSave> found = findInterruptedSaves();
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].target, QFileInfo(linked).canonicalFilePath());
  EXPECT_EQ(test::TempFolder::read(found[0].backup), "old linked");
  // The half-made file of the replaced one is gone, and so is its note.
  EXPECT_EQ(QDir(folder.file("docs")).entryList(QDir::Files | QDir::Hidden).size(), 4);
  EXPECT_EQ(test::TempFolder::read(plain), "old plain");

  // Simulate the half-written state, then put the old bytes back.
  folder.write("docs/linked.txt", "new lihalf");
  ASSERT_FALSE(restoreInterruptedSave(found[0]).failed());
  EXPECT_EQ(test::TempFolder::read(linked), "old linked");
  EXPECT_EQ(test::TempFolder::read(folder.file("docs/other")), "old linked");
  EXPECT_FALSE(QFileInfo::exists(found[0].backup));
  EXPECT_EQ(QDir(journals).entryList(QDir::Files | QDir::Hidden), QStringList());
  setSaveJournalFolder(QString());
}

// A large document's save: blocks that come from the very file being
// written (as a mapped document's do) arrive whole, replaced or in place,
// and a producer that fails leaves the old file.
TEST_F(FileAccess, BlocksReadFromTheFileBeingSavedArriveWhole) {
  QByteArray old;
  for (int i = 0; i < 30000; ++i) old += QByteArray::number(i) + '\n';
  const QString alone = write("alone.txt", old);
  const QString linked = write("linked.txt", old);
  ASSERT_EQ(::link(native(linked).constData(), native(folder.file("second")).constData()), 0);
  QByteArray reversed = old;
  std::reverse(reversed.begin(), reversed.end());
  for (const QString& path : {alone, linked}) {
    // The old bytes, mapped, handed out last block first, each reversed.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto* mapped =
        reinterpret_cast<const char*>(file.map(0, old.size(), QFileDevice::MapPrivateOption));
    ASSERT_TRUE(mapped);
    const auto produce = [&](const BlockPut& put) {
      for (qint64 end = old.size(); end > 0; end -= 1000) {
        std::string block(mapped + std::max<qint64>(0, end - 1000), mapped + end);
        std::reverse(block.begin(), block.end());
        if (const int error = put(block)) return error;
      }
      return 0;
    };
    const WriteResult written = writeFileKeepingIdentity(path, old.size(), produce);
    EXPECT_EQ(written.inPlace, path == linked);
    EXPECT_EQ(test::TempFolder::read(path), reversed) << path.toStdString();
  }
  EXPECT_EQ(test::TempFolder::read(folder.file("second")), reversed);
  const auto failing = [](const BlockPut& put) { return put("partial") ? 0 : ENOSPC; };
  EXPECT_EQ(writeFileKeepingIdentity(linked, 100, failing).failure.problem, Problem::DiskFull);
  EXPECT_EQ(test::TempFolder::read(linked), reversed);
}

// A run killed while it copied the old bytes left a backup its note does not
// name: it goes at the next start. A backup a note names, or one the user
// chose to keep, stays.
TEST_F(FileAccess, ABackupHalfMadeByAGoneRunGoesAtTheNextStart) {
  ASSERT_TRUE(QDir().mkpath(folder.file("state")) && QDir().mkpath(folder.file("docs")));
  const QString target = write("docs/a.txt", "old a");
  const qint64 copying = goneProcess();
  const qint64 writing = goneProcess();
  write(QStringLiteral("state/save-%1.journal").arg(copying), native(target) + '\0');
  const QString half = write(QStringLiteral("docs/.wrenpad-backup-%1-x1").arg(copying), "ol");
  const QString whole = write(QStringLiteral("docs/.wrenpad-backup-%1-x2").arg(writing), "old b");
  write(QStringLiteral("state/save-%1.journal").arg(writing), native(folder.file("docs/b.txt")) + '\0' + native(whole));
  const QString kept = write(QStringLiteral("docs/.wrenpad-backup-%1-x3").arg(goneProcess()), "kept");
  setSaveJournalFolder(folder.file("state"));
  const std::vector<InterruptedSave> found = findInterruptedSaves();
  setSaveJournalFolder(QString());
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].backup, whole);
  EXPECT_FALSE(QFileInfo::exists(half));
  EXPECT_TRUE(QFileInfo::exists(kept));
}

// The backup of a file whose folder takes no new file is kept in the state
// folder, beside the note that names it, not in the temporary folder.
TEST_F(FileAccess, TheBackupOfAFileInAFolderThatTakesNoNewFileIsKeptInTheStateFolder) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  ASSERT_EQ(::chmod(native(folder.path()).constData(), 0755), 0);
  ASSERT_TRUE(QDir().mkpath(folder.file("state")));
  ASSERT_EQ(::chown(native(folder.file("state")).constData(), 65534, 65534), 0);
  const QString own = write("own.txt", "old");
  ASSERT_EQ(::chown(native(own).constData(), 65534, 65534), 0);
  saveKilledMidway(folder.file("state"), own, "new", 65534);
  setSaveJournalFolder(folder.file("state"));
  const std::vector<InterruptedSave> found = findInterruptedSaves();
  setSaveJournalFolder(QString());
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(QFileInfo(found[0].backup).absolutePath(), folder.file("state"));
  EXPECT_EQ(test::TempFolder::read(found[0].backup), "old");
}
