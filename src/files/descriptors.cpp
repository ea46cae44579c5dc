// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/descriptors.h"

#include "files/file_names.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wrenpad::files {

QByteArray native(const QString& path) { return fileNameToBytes(path); }

int Fd::close() {
  const int result = fd_ >= 0 && ::close(fd_) != 0 ? errno : 0;
  fd_ = -1;
  return result;
}

QString tempFilePrefix(const QString& kind) { return QStringLiteral(".wrenpad-%1-").arg(kind); }

TempFile::~TempFile() {
  if (!keep_ && !path_.isEmpty()) ::unlink(native(path_).constData());
}

int TempFile::create(const QString& folder, const QString& kind, mode_t mode) {
  for (int attempt = 0; attempt < 16; ++attempt) {
    const QString name = tempFilePrefix(kind) + QStringLiteral("%1-%2").arg(
        QString::number(::getpid()), QString::number(QRandomGenerator::global()->generate(), 36));
    const QString path = QDir(folder).filePath(name);
    const int fd = ::open(native(path).constData(),
                          O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0) {
      fd_ = Fd(fd);
      path_ = path;
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

int openUnnamedFile(const QString& folder) {
  const int fd = ::open(native(folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return fd;
  // A file system without unnamed files: a file of our own, its name taken
  // away at once.
  TempFile named;
  if (const int error = named.create(folder, QStringLiteral("copy"), 0600)) {
    errno = error;
    return -1;
  }
  const int copy = ::dup(named.fd());
  if (copy < 0) return -1;
  return copy;  // `named` removes the name as it goes
}

int copyBytes(int from, int to, qint64 size) {
  loff_t in = 0;
  loff_t out = 0;
  while (in < size) {
    const ssize_t copied = ::copy_file_range(from, &in, to, &out, std::size_t(size - in), 0);
    if (copied < 0 && errno == EINTR) continue;
    if (copied > 0) continue;
    if (copied == 0) return EIO;  // the file ended early
    if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP) return errno;
    // Between file systems the kernel may not copy: through a buffer.
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    while (in < size) {
      const ssize_t got = ::pread(from, buffer.data(), std::size_t(std::min<qint64>(buffer.size(), size - in)), in);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return got < 0 ? errno : EIO;
      if (const int error = writeAllAt(to, buffer.constData(), got, in)) return error;
      in += got;
    }
  }
  return 0;
}

int writeAllAt(int fd, const char* data, qint64 size, qint64 offset) {
  for (qint64 done = 0; done < size;) {
    const ssize_t wrote = ::pwrite(fd, data + done, std::size_t(size - done), off_t(offset + done));
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote < 0) return errno;
    done += wrote;
  }
  return 0;
}

int overwrite(int fd, const QByteArray& bytes) {
  if (const int error = writeAllAt(fd, bytes.constData(), bytes.size(), 0)) return error;
  return cutAndSync(fd, bytes.size());
}

int cutAndSync(int fd, qint64 length) {
  if (::ftruncate(fd, off_t(length)) != 0) return errno;
  return ::fsync(fd) != 0 ? errno : 0;
}

LockOutcome lockWhileNamed(int descriptor, const QString& path) {
  if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) return LockOutcome::HeldElsewhere;
  struct stat held, named;
  const bool same = ::fstat(descriptor, &held) == 0 && ::lstat(native(path).constData(), &named) == 0 &&
                    held.st_dev == named.st_dev && held.st_ino == named.st_ino;
  return same ? LockOutcome::Locked : LockOutcome::NameMoved;
}

void syncFolder(const QString& folder) {
  const Fd fd(::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.valid()) ::fsync(fd.get());
}

}  // namespace wrenpad::files
