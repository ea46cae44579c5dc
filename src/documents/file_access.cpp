// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/file_access.h"

#include "files/descriptors.h"
#include "files/file_names.h"
#include "files/private_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <new>
#include <optional>
#include <utility>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace wrenpad::files {

namespace {

FileStamp stampFrom(const struct stat& st) {
  return {true, qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
          quint64(st.st_dev), quint64(st.st_ino)};
}

// Makes `to` hold exactly the bytes of `from`; 0 or the error.
int copyContents(int from, int to) {
  constexpr qint64 kChunk = 1 << 20;
  QByteArray buffer(kChunk, Qt::Uninitialized);
  qint64 offset = 0;
  for (;;) {
    const ssize_t got = ::pread(from, buffer.data(), std::size_t(kChunk), off_t(offset));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno;
    if (got == 0) break;
    if (const int error = writeAllAt(to, buffer.constData(), got, offset)) return error;
    offset += got;
  }
  return cutAndSync(to, offset);
}

// Gives the new file the owner, group and permissions of the old one; false
// when the owner or group cannot be given (only root may give a file away).
bool takeOverIdentity(int fd, const struct stat& old) {
  struct stat now;
  if (::fstat(fd, &now) != 0) return false;
  if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
      ::fchown(fd, old.st_uid, old.st_gid) != 0)
    return false;
  // After the owner: a change of owner clears the set-user-ID bit.
  return ::fchmod(fd, old.st_mode & 07777) == 0;
}

QString& journalFolder() {
  static QString folder;
  return folder;
}

QByteArray journalBytes(const QString& target, const QString& backup) {
  return native(target) + '\0' + native(backup);
}

// While a save runs, a note in the journal folder names the file being
// written and, once there is one, the copy of its old bytes. A run killed in
// the middle leaves the note behind for the next start; a save that ends
// takes it away, whatever its outcome (the user was told then).
class SaveJournal {
 public:
  explicit SaveJournal(QString target) : target_(std::move(target)) {
    if (journalFolder().isEmpty()) return;
    path_ = QDir(journalFolder()).filePath(QStringLiteral("save-%1.journal").arg(::getpid()));
    failure_ = record(QString());
  }
  SaveJournal(const SaveJournal&) = delete;
  SaveJournal& operator=(const SaveJournal&) = delete;
  ~SaveJournal() {
    if (!path_.isEmpty()) ::unlink(native(path_).constData());
  }
  // A file replaced whole needs no note; one written over in place does not
  // go on without it, or a kill halfway would leave a half-written file that
  // no later start could tell of.
  Failure readyForInPlace() const {
    return failure_.failed() ? because(Problem::SaveNoteNotWritten, journalFolder()) : Failure();
  }
  Failure recordBackup(const QString& backup) {
    failure_ = record(backup);
    return readyForInPlace();
  }

 private:
  Failure record(const QString& backup) {
    return path_.isEmpty() ? Failure() : writePrivateFile(path_, journalBytes(target_, backup));
  }
  QString target_;
  QString path_;
  Failure failure_;
};

// Where the copies of a file in a folder that takes no new file go: the
// journal's folder, which lasts as long as the note that names them (the
// temporary folder may be emptied at the next boot).
QString refugeFolder() { return journalFolder().isEmpty() ? QDir::tempPath() : journalFolder(); }

// What a save writes: bytes held whole, or blocks from a producer.
class Content {
 public:
  explicit Content(const QByteArray& bytes) : size_(bytes.size()), bytes_(&bytes) {}
  Content(qint64 size, const BlockProducer& produce, const BeforeInPlace& beforeInPlace)
      : size_(size), produce_(&produce), beforeInPlace_(&beforeInPlace) {}
  qint64 size() const { return size_; }
  bool goesOnInPlace() const { return !beforeInPlace_ || !*beforeInPlace_ || (*beforeInPlace_)(); }
  // The blocks may come from the file being saved.
  bool streamed() const { return produce_ != nullptr; }
  // Writes the bytes over the file from its start, cut to their length, on disk.
  int writeOver(int fd) const {
    if (bytes_) return overwrite(fd, *bytes_);
    qint64 offset = 0;
    if (const int error = (*produce_)([fd, &offset](std::string_view block) {
          const int error = writeAllAt(fd, block.data(), qint64(block.size()), offset);
          offset += qint64(block.size());
          return error;
        }))
      return error;
    return cutAndSync(fd, offset);
  }

 private:
  qint64 size_;
  const QByteArray* bytes_ = nullptr;
  const BlockProducer* produce_ = nullptr;
  const BeforeInPlace* beforeInPlace_ = nullptr;
};

struct Attempt {
  Failure failure;
  bool tryInPlace = false;  // the file could not be replaced without changing its identity
};

// Writes the bytes to a new file beside the target and renames it over the
// target: the target is never seen half written. `old` is the target's state
// when it exists.
Attempt replaceFile(const QString& target, const struct stat* old, const Content& content) {
  const QString folder = QFileInfo(target).absolutePath();
  TempFile temp;
  if (const int error = temp.create(folder, QStringLiteral("new"), old ? 0600 : 0666)) {
    if (old && (error == EACCES || error == EPERM)) return {Failure(), true};
    return {folderFailure(error), false};
  }
  if (old && !takeOverIdentity(temp.fd(), *old)) return {Failure(), true};
  int error = content.writeOver(temp.fd());
  if (!error) error = temp.close();
  if (!error && test_hooks::beforeCommit) test_hooks::beforeCommit();
  if (!error && ::rename(native(temp.path()).constData(), native(target).constData()) != 0) error = errno;
  if (error) return {failureOf(error), false};
  temp.keep();
  syncFolder(folder);
  return {Failure(), false};
}

// A copy of a file's bytes made before it is written in place, to put them
// back when the writing fails.
class Backup {
 public:
  // In the file's folder, or the refuge folder when that takes no new file.
  // The journal learns of the copy once it is whole.
  Failure make(const QString& target, SaveJournal& journal) {
    const Fd source(::open(native(target).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!source.valid()) return failureOf(errno);
    int error = copy_.create(QFileInfo(target).absolutePath(), QStringLiteral("backup"), 0600);
    if (error == EACCES || error == EPERM || error == EROFS)
      error = copy_.create(refugeFolder(), QStringLiteral("backup"), 0600);
    if (!error) error = copyContents(source.get(), copy_.fd());
    if (error) return failureOf(error);
    return journal.recordBackup(copy_.path());
  }
  // Puts the old bytes back after `cause`; when even that fails, the copy is
  // kept and the failure names it.
  Failure restoreInto(int fd, Failure cause) {
    if (copyContents(copy_.fd(), fd) != 0) {
      copy_.keep();
      cause.detail = copy_.path();
      cause.oldBytesKeptInCopy = true;
    }
    return cause;
  }

 private:
  TempFile copy_;
};

// Leaves room on the disk for the new bytes before the old ones are touched.
int reserveSpace(int fd, qint64 oldSize, qint64 newSize) {
  if (newSize <= oldSize) return 0;
  if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(newSize)) == 0) return 0;
  const int error = errno;
  // Gives back whatever part was reserved before the failure.
  const bool released = ::ftruncate(fd, off_t(oldSize)) == 0;
  Q_UNUSED(released);
  return error == EOPNOTSUPP || error == ENOSYS ? 0 : error;
}

// Blocks that may be read from the target itself are written to a file of
// their own first, beside the target or else in the refuge folder.
Failure stage(const QString& target, const Content& content, TempFile& staged) {
  int error = staged.create(QFileInfo(target).absolutePath(), QStringLiteral("new"), 0600);
  if (error == EACCES || error == EPERM || error == EROFS)
    error = staged.create(refugeFolder(), QStringLiteral("new"), 0600);
  if (!error) error = content.writeOver(staged.fd());
  return error ? failureOf(error) : Failure();
}

// A file given back its old bytes gets its old time too: the failed save is
// then no change of the file, neither for the document, which would take it
// for another program's at the next save, nor for any other program.
Failure withOldTime(int fd, const struct stat& old, Failure failure) {
  const struct timespec times[2] = {{0, UTIME_OMIT}, old.st_mtim};
  if (!failure.oldBytesKeptInCopy) ::futimens(fd, times);
  return failure;
}

Failure writeInPlace(const QString& target, int fd, const struct stat& old, const Content& content,
                     SaveJournal& journal) {
  if (Failure failure = journal.readyForInPlace(); failure.failed()) return failure;
  TempFile staged;
  if (content.streamed()) {
    if (Failure failure = stage(target, content, staged); failure.failed()) return failure;
  }
  if (!content.goesOnInPlace()) return because(Problem::Cancelled);
  Backup backup;
  if (Failure failure = backup.make(target, journal); failure.failed()) return failure;
  if (test_hooks::beforeCommit) test_hooks::beforeCommit();
  if (const int error = reserveSpace(fd, old.st_size, content.size()))
    return withOldTime(fd, old, failureOf(error));
  const int error = content.streamed() ? copyContents(staged.fd(), fd) : content.writeOver(fd);
  if (error) return withOldTime(fd, old, backup.restoreInto(fd, failureOf(error)));
  return {};
}

bool hasExtendedAttributes(int fd) { return ::flistxattr(fd, nullptr, 0) > 0; }

// The target exists: open it for writing (which proves permission without
// changing it), then replace it or write it in place.
Failure writeExisting(const QString& target, const Content& content, bool& inPlace, SaveJournal& journal) {
  // Without waiting: a FIFO put in the file's place meanwhile fails to open.
  const Fd fd(::open(native(target).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (!fd.valid()) {
    if (errno == EACCES || errno == EPERM) return because(Problem::ReadOnly);
    return failureOf(errno);
  }
  struct stat old;
  if (::fstat(fd.get(), &old) != 0) return failureOf(errno);
  if (!S_ISREG(old.st_mode)) return because(Problem::NotRegular);
  if (old.st_nlink == 1 && !hasExtendedAttributes(fd.get())) {
    const Attempt attempt = replaceFile(target, &old, content);
    if (!attempt.tryInPlace) return attempt.failure;
  }
  inPlace = true;
  return writeInPlace(target, fd.get(), old, content, journal);
}

}  // namespace

FileStamp stampOf(const QString& path) {
  struct stat st;
  if (::stat(native(path).constData(), &st) != 0) return {};
  return stampFrom(st);
}

bool isRegularFile(const QString& path) {
  struct stat st;
  return ::stat(native(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

namespace {
// Reads to the end into bytes; EFBIG when there are more than maxBytes.
int readToEnd(int fd, qint64 sizeHint, qint64 maxBytes, QByteArray& bytes) {
  bytes.resize(std::min(sizeHint, maxBytes) + 1);
  qint64 total = 0;
  for (;;) {
    if (total == bytes.size()) {
      if (total > maxBytes) return EFBIG;
      bytes.resize(std::min(total * 2, maxBytes + 1));
    }
    const ssize_t got = ::read(fd, bytes.data() + total, std::size_t(bytes.size() - total));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return errno;
    if (got == 0) break;
    total += got;
  }
  bytes.resize(total);
  return 0;
}
}  // namespace

ReadResult readRegularFile(const QString& path, qint64 maxBytes) {
  ReadResult result;
  // Without waiting: a FIFO with no writer would hold the open forever.
  const Fd fd(::open(native(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  struct stat st;
  if (!fd.valid() || ::fstat(fd.get(), &st) != 0) {
    result.failure = failureOf(errno);
  } else if (!S_ISREG(st.st_mode)) {
    result.failure = because(Problem::NotRegular);
  } else if (st.st_size > maxBytes) {
    result.failure = because(Problem::TooLarge);
  } else {
    result.stamp = stampFrom(st);
    try {
      if (const int error = readToEnd(fd.get(), st.st_size, maxBytes, result.bytes))
        result.failure = failureOf(error);
    } catch (const std::bad_alloc&) {
      result.failure = because(Problem::OutOfMemory);
    }
  }
  if (result.failure.failed()) result.bytes = QByteArray();
  return result;
}

namespace {
WriteResult writeKeepingIdentity(const QString& path, const Content& content) {
  const QString target = resolveTarget(path);
  SaveJournal journal(target);
  WriteResult result;
  struct stat st;
  if (::stat(native(target).constData(), &st) != 0) {
    result.failure = errno == ENOENT ? replaceFile(target, nullptr, content).failure : failureOf(errno);
  } else if (!S_ISREG(st.st_mode)) {
    result.failure = because(Problem::NotRegular);
  } else {
    result.failure = writeExisting(target, content, result.inPlace, journal);
  }
  if (!result.failure.failed()) result.stamp = stampOf(target);
  return result;
}
}  // namespace

WriteResult writeFileKeepingIdentity(const QString& path, const QByteArray& bytes) {
  return writeKeepingIdentity(path, Content(bytes));
}

WriteResult writeFileKeepingIdentity(const QString& path, qint64 size, const BlockProducer& produce,
                                     const BeforeInPlace& beforeInPlace) {
  return writeKeepingIdentity(path, Content(size, produce, beforeInPlace));
}

void setSaveJournalFolder(const QString& folder) { journalFolder() = folder; }

namespace {
// A note left by a gone run: the file it was saving and the copy of the old
// bytes, when it had made one.
std::optional<InterruptedSave> readJournal(const QString& journal) {
  const ReadResult read = readRegularFile(journal, 1 << 16);
  if (read.failure.failed()) return std::nullopt;
  const qsizetype split = read.bytes.indexOf('\0');
  if (split <= 0) return std::nullopt;
  return InterruptedSave{fileNameFromBytes(read.bytes.left(split)), fileNameFromBytes(read.bytes.mid(split + 1)),
                         journal};
}

// A run killed while it copied a file's old bytes left a backup half made,
// which its note does not name yet: a file of that run's kind "backup", in
// the file's folder or the refuge folder, made after the note was.
void removeHalfMadeBackups(const InterruptedSave& save, qint64 pid) {
  const QByteArray prefix = native(tempFilePrefix(QStringLiteral("backup")) + QString::number(pid) + u'-');
  const qint64 noted = stampOf(save.journal).modifiedNs;
  for (const QString& folder : {QFileInfo(save.target).absolutePath(), refugeFolder()}) {
    const Fd dirFd(::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    Fd listed(dirFd.valid() ? ::dup(dirFd.get()) : -1);
    DIR* dir = listed.valid() ? ::fdopendir(listed.get()) : nullptr;
    if (!dir) continue;
    listed.release();  // the listing owns it now
    while (const dirent* entry = ::readdir(dir)) {
      struct stat st;
      if (std::strncmp(entry->d_name, prefix.constData(), std::size_t(prefix.size())) != 0 ||
          ::fstatat(dirFd.get(), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        continue;
      if (S_ISREG(st.st_mode) && st.st_uid == ::geteuid() && stampFrom(st).modifiedNs >= noted)
        ::unlinkat(dirFd.get(), entry->d_name, 0);
    }
    ::closedir(dir);
  }
}
}  // namespace

std::vector<InterruptedSave> findInterruptedSaves() {
  std::vector<InterruptedSave> found;
  const QString folder = journalFolder();
  if (folder.isEmpty()) return found;
  const QString prefix = QStringLiteral("save-");
  for (const QString& name : QDir(folder).entryList({prefix + QStringLiteral("*.journal")}, QDir::Files | QDir::Hidden)) {
    const qint64 pid = name.mid(prefix.size(), name.indexOf(u'.') - prefix.size()).toLongLong();
    if (pid == ::getpid() || processIsLive(pid)) continue;
    const QString journal = QDir(folder).filePath(name);
    const std::optional<InterruptedSave> save = readJournal(journal);
    if (save) removeLeftOverTemporaries(QFileInfo(save->target).absolutePath());
    if (save && save->backup.isEmpty()) removeHalfMadeBackups(*save, pid);
    if (save && !save->backup.isEmpty() && isRegularFile(save->backup))
      found.push_back(*save);
    else
      ::unlink(native(journal).constData());
  }
  return found;
}

Failure restoreInterruptedSave(const InterruptedSave& save) {
  // As large as any document that was written in place.
  const ReadResult old = readRegularFile(save.backup, qint64(1) << 31);
  if (old.failure.failed()) return old.failure;
  const WriteResult written = writeFileKeepingIdentity(save.target, old.bytes);
  if (written.failure.failed()) return written.failure;
  ::unlink(native(save.backup).constData());
  ::unlink(native(save.journal).constData());
  return {};
}

void forgetInterruptedSave(const InterruptedSave& save) { ::unlink(native(save.journal).constData()); }

}  // namespace wrenpad::files
