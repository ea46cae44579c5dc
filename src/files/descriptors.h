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

// Makes a rename in the folder last through a power cut.
void syncFolder(const QString& folder);

}  // namespace wrenpad::files
