#include "documents/file_access.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <utility>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace wrenpad::files {

Failure because(Problem problem, const QString& detail) {
  Failure failure;
  failure.problem = problem;
  failure.detail = detail;
  return failure;
}

namespace {

QByteArray native(const QString& path) { return QFile::encodeName(path); }

Problem problemOf(int error) {
  switch (error) {
    case ENOENT: return Problem::Missing;
    case ENOTDIR: return Problem::FolderMissing;
    case EISDIR: case ENXIO: case ENODEV: return Problem::NotRegular;
    case EFBIG: return Problem::TooLarge;
    case ENOMEM: return Problem::OutOfMemory;
    case EACCES: case EPERM: return Problem::NoPermission;
    case EROFS: return Problem::ReadOnlyDisk;
    case ENAMETOOLONG: return Problem::NameTooLong;
    case ENOSPC: case EDQUOT: return Problem::DiskFull;
    default: return Problem::Other;
  }
}

Failure failureOf(int error) {
  const Problem problem = problemOf(error);
  // Causes of our own are told in our words; the rest in the system's.
  return because(problem,
                 problem == Problem::Other ? QString::fromLocal8Bit(std::strerror(error)) : QString());
}

// A new file cannot be made in a folder: say so of the folder.
Failure folderFailure(int error) {
  if (error == EACCES || error == EPERM) return because(Problem::FolderNotWritable);
  if (error == ENOENT || error == ENOTDIR) return because(Problem::FolderMissing);
  return failureOf(error);
}

FileStamp stampFrom(const struct stat& st) {
  return {true, qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
          quint64(st.st_dev), quint64(st.st_ino)};
}

// An open file descriptor, closed when it goes.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { close(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  Fd& operator=(Fd&& other) noexcept {
    close();
    fd_ = std::exchange(other.fd_, -1);
    return *this;
  }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  // 0, or the error closing gave: some file systems report a failed write only here.
  int close() {
    const int result = fd_ >= 0 && ::close(fd_) != 0 ? errno : 0;
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

// 0, or the error that stopped the writing.
int writeAllAt(int fd, const char* data, qint64 size, qint64 offset) {
  for (qint64 done = 0; done < size;) {
    const ssize_t wrote = ::pwrite(fd, data + done, std::size_t(size - done), off_t(offset + done));
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote < 0) return errno;
    done += wrote;
  }
  return 0;
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
  if (::ftruncate(to, off_t(offset)) != 0) return errno;
  return ::fsync(to) != 0 ? errno : 0;
}

// Writes bytes over the file from its start, cut to their length, on disk.
int overwrite(int fd, const QByteArray& bytes) {
  if (const int error = writeAllAt(fd, bytes.constData(), bytes.size(), 0)) return error;
  if (::ftruncate(fd, off_t(bytes.size())) != 0) return errno;
  return ::fsync(fd) != 0 ? errno : 0;
}

// A new file with a short name of its own in a folder: the name of the file
// it stands in for may already be as long as the system allows. Removed when
// it goes unless it was renamed into place or kept.
class TempFile {
 public:
  ~TempFile() {
    if (!keep_ && !path_.isEmpty()) ::unlink(native(path_).constData());
  }
  // 0, or the error creating it gave.
  int create(const QString& folder, const QString& kind, mode_t mode) {
    for (int attempt = 0; attempt < 16; ++attempt) {
      const QString name = QStringLiteral(".wrenpad-%1-%2")
                               .arg(kind, QString::number(QRandomGenerator::global()->generate(), 36));
      const QString path = QDir(folder).filePath(name);
      const int fd = ::open(native(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode);
      if (fd >= 0) {
        fd_ = Fd(fd);
        path_ = path;
        return 0;
      }
      if (errno != EEXIST) return errno;
    }
    return EEXIST;
  }
  int fd() const { return fd_.get(); }
  const QString& path() const { return path_; }
  int close() { return fd_.close(); }
  void keep() { keep_ = true; }

 private:
  Fd fd_;
  QString path_;
  bool keep_ = false;
};

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

void syncFolder(const QString& folder) {
  const Fd fd(::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.valid()) ::fsync(fd.get());
}

struct Attempt {
  Failure failure;
  bool tryInPlace = false;  // the file could not be replaced without changing its identity
};

// Writes the bytes to a new file beside the target and renames it over the
// target: the target is never seen half written. `old` is the target's state
// when it exists.
Attempt replaceFile(const QString& target, const struct stat* old, const QByteArray& bytes) {
  const QString folder = QFileInfo(target).absolutePath();
  TempFile temp;
  if (const int error = temp.create(folder, QStringLiteral("new"), old ? 0600 : 0666)) {
    if (old && (error == EACCES || error == EPERM)) return {Failure(), true};
    return {folderFailure(error), false};
  }
  if (old && !takeOverIdentity(temp.fd(), *old)) return {Failure(), true};
  int error = overwrite(temp.fd(), bytes);
  if (!error) error = temp.close();
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
  // In the file's folder, or the temporary folder when that takes no new file.
  Failure make(const QString& target) {
    const Fd source(::open(native(target).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!source.valid()) return failureOf(errno);
    int error = copy_.create(QFileInfo(target).absolutePath(), QStringLiteral("backup"), 0600);
    if (error == EACCES || error == EPERM || error == EROFS)
      error = copy_.create(QDir::tempPath(), QStringLiteral("backup"), 0600);
    if (!error) error = copyContents(source.get(), copy_.fd());
    return error ? failureOf(error) : Failure{};
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

Failure writeInPlace(const QString& target, int fd, const struct stat& old, const QByteArray& bytes) {
  Backup backup;
  if (Failure failure = backup.make(target); failure.failed()) return failure;
  if (const int error = reserveSpace(fd, old.st_size, bytes.size())) return failureOf(error);
  if (const int error = overwrite(fd, bytes)) return backup.restoreInto(fd, failureOf(error));
  return {};
}

bool hasExtendedAttributes(int fd) { return ::flistxattr(fd, nullptr, 0) > 0; }

// The target exists: open it for writing (which proves permission without
// changing it), then replace it or write it in place.
Failure writeExisting(const QString& target, const QByteArray& bytes, bool& inPlace) {
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
    const Attempt attempt = replaceFile(target, &old, bytes);
    if (!attempt.tryInPlace) return attempt.failure;
  }
  inPlace = true;
  return writeInPlace(target, fd.get(), old, bytes);
}

// The file a path names at last, symbolic links followed; the path itself
// when it is no link. A link to nothing gives the name it points to.
QString resolveLinks(const QString& path) {
  QString current = QFileInfo(path).absoluteFilePath();
  for (int depth = 0; depth < 40; ++depth) {
    const QFileInfo info(current);
    if (!info.isSymLink()) break;
    current = info.symLinkTarget();
  }
  return current;
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

WriteResult writeFileKeepingIdentity(const QString& path, const QByteArray& bytes) {
  const QString target = resolveLinks(path);
  WriteResult result;
  struct stat st;
  if (::stat(native(target).constData(), &st) != 0) {
    result.failure = errno == ENOENT ? replaceFile(target, nullptr, bytes).failure : failureOf(errno);
  } else if (!S_ISREG(st.st_mode)) {
    result.failure = because(Problem::NotRegular);
  } else {
    result.failure = writeExisting(target, bytes, result.inPlace);
  }
  if (!result.failure.failed()) result.stamp = stampOf(target);
  return result;
}

namespace {
QString pick(bool japanese, const char* english, const char16_t* inJapanese) {
  return japanese ? QString::fromUtf16(inJapanese) : QString::fromUtf8(english);
}

QString problemText(Problem problem, bool j) {
  switch (problem) {
    case Problem::None: return QString();
    case Problem::Missing: return pick(j, "The file does not exist.", u"ファイルがありません。");
    case Problem::FolderMissing: return pick(j, "The folder does not exist.", u"フォルダーがありません。");
    case Problem::NotRegular:
      return pick(j, "It is not an ordinary file but a folder, a device, a FIFO or a socket. "
                     "Wrenpad reads and writes ordinary files only.",
                  u"通常のファイルではありません（フォルダー、デバイス、FIFO、ソケットのいずれかです）。"
                  u"Wrenpadが読み書きするのは通常のファイルだけです。");
    case Problem::TooLarge: return pick(j, "The file is too large.", u"ファイルが大きすぎます。");
    case Problem::OutOfMemory: return pick(j, "There is not enough memory.", u"メモリが足りません。");
    case Problem::ReadOnly:
      return pick(j, "The file is read-only: you have no permission to write it.",
                  u"ファイルは読み取り専用です（書き込む権限がありません）。");
    case Problem::ReadOnlyDisk:
      return pick(j, "The file lies on a disk that is read-only.", u"ファイルは読み取り専用のディスクにあります。");
    case Problem::FolderNotWritable:
      return pick(j, "You have no permission to create files in the folder.",
                  u"フォルダーにファイルを作る権限がありません。");
    case Problem::NoPermission: return pick(j, "Permission denied.", u"アクセスが拒否されました。");
    case Problem::NameTooLong: return pick(j, "The file name is too long.", u"ファイル名が長すぎます。");
    case Problem::DiskFull: return pick(j, "The disk is full.", u"ディスクがいっぱいです。");
    case Problem::Other: break;
  }
  return QString();
}
}  // namespace

QString describe(const Failure& failure, bool japanese) {
  QString text = problemText(failure.problem, japanese);
  if (failure.oldBytesKeptInCopy)
    return text + u'\n' +
           pick(japanese, "The file could not be put back as it was; its old content is in \"%1\".",
                u"ファイルを元に戻せませんでした。元の内容は\"%1\"にあります。")
               .arg(failure.detail);
  if (failure.detail.isEmpty()) return text;
  return text.isEmpty() ? failure.detail : text + u'\n' + failure.detail;
}

}  // namespace wrenpad::files
