// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small tools every writer of files shares: an owned file descriptor, a
// new file of a name of its own beside the one it stands in for, and writing
// all of a buffer.

#include <QByteArray>
#include <QString>
#include <sys/types.h>
#include <utility>

namespace wrenpad::files {

// The file system's own bytes of a path (fileNameToBytes): a name that is
// not UTF-8 keeps its bytes.
QByteArray native(const QString& path);

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
  int release() { return std::exchange(fd_, -1); }
  // 0, or the error closing gave: some file systems report a failed write only here.
  int close();

 private:
  int fd_;
};

// A new file ".wrenpad-<kind>-<process>-<random>" in a folder: short, so the
// name of the file it stands in for may already be as long as the system
// allows; named after its process, so a later start can tell the left-overs
// of a run that is gone. Removed when it goes unless it was kept.
class TempFile {
 public:
  TempFile() = default;
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile();
  // 0, or the error creating it gave. Never follows a link.
  int create(const QString& folder, const QString& kind, mode_t mode);
  int fd() const { return fd_.get(); }
  const QString& path() const { return path_; }
  int close() { return fd_.close(); }
  void keep() { keep_ = true; }

 private:
  Fd fd_;
  QString path_;
  bool keep_ = false;
};

// The name prefix of a kind of temporary file of ours.
QString tempFilePrefix(const QString& kind);

// 0, or the error that stopped the writing.
int writeAllAt(int fd, const char* data, qint64 size, qint64 offset);
// Writes bytes over the file from its start, cut to their length, on disk.
int overwrite(int fd, const QByteArray& bytes);
// Cuts the file to `length` bytes and puts it on disk: the end of writing a
// file over from its start.
int cutAndSync(int fd, qint64 length);
// Takes an exclusive lock on the open file without waiting. The lock counts
// only while `path` still names the locked file: a holder that ends removes
// its file while it holds the lock, so a lock won on a file opened just
// before that is a lock on a file that is gone (NameMoved: open it again).
enum class LockOutcome { Locked, HeldElsewhere, NameMoved };
LockOutcome lockWhileNamed(int descriptor, const QString& path);

// A new file readable by its owner only that has no name in `folder` (it
// goes when its last descriptor closes: nothing is left behind, and no one
// can put a link in its place), open for reading and writing; its
// descriptor, or -1 with errno set.
int openUnnamedFile(const QString& folder);
// Copies the first `size` bytes of `from` to the start of `to` (in the
// kernel, sharing blocks where the file system can); 0 or the error.
int copyBytes(int from, int to, qint64 size);

// Makes a rename in the folder last through a power cut.
void syncFolder(const QString& folder);

}  // namespace wrenpad::files
