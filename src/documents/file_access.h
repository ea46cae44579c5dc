#pragma once
// The file system under the document commands, as plain functions on paths.
//
// Reading takes ordinary (regular) files only, never reads more than it is
// allowed to, and never waits on a FIFO or a device. Saving keeps the file's
// identity: a file is replaced (written beside itself and renamed into place)
// only when the new file can be the old one in every way that matters (owner,
// group, permissions, no second hard link, no extended attributes such as
// access lists); otherwise it is written in place, after a backup copy of its
// old bytes. A symbolic link is followed and its target written. Whatever
// fails, the old file stays as it was, and the result says why.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace wrenpad::files {

enum class Problem {
  None,
  Missing,            // the file is not there
  FolderMissing,      // the folder it should go in is not there
  NotRegular,         // a folder, device, FIFO or socket
  TooLarge,           // beyond what the caller allows, or what the system allows
  OutOfMemory,
  ReadOnly,           // no permission to write the file
  ReadOnlyDisk,       // the file system is mounted read-only
  FolderNotWritable,  // no permission to create a file in the folder
  NoPermission,       // any other refusal of access
  NameTooLong,
  DiskFull,           // no space left, or the disk quota is used up
  Other,
};

struct Failure {
  Problem problem = Problem::None;
  QString detail;  // the system's own words, or the name of the kept copy
  // Writing in place failed and so did putting the old bytes back: they are
  // in the copy `detail` names.
  bool oldBytesKeptInCopy = false;
  bool failed() const { return problem != Problem::None; }
};
Failure because(Problem problem, const QString& detail = QString());

// What tells one state of a file from another: when any of it differs, the
// file was changed or replaced since the stamp was taken.
struct FileStamp {
  bool exists = false;
  qint64 size = 0;
  qint64 modifiedNs = 0;  // modification time in nanoseconds
  quint64 device = 0;
  quint64 inode = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the file a path names, symbolic links followed.
FileStamp stampOf(const QString& path);
// True when the path names a regular file (links followed); false when it
// names nothing, a folder, a device, a FIFO or a socket.
bool isRegularFile(const QString& path);

struct ReadResult {
  QByteArray bytes;
  FileStamp stamp;  // the file as it was when reading began
  Failure failure;
};
// Reads a regular file whole; TooLarge when it holds more than maxBytes.
ReadResult readRegularFile(const QString& path, qint64 maxBytes);

struct WriteResult {
  FileStamp stamp;      // the file as written
  bool inPlace = false; // written over the old bytes rather than replaced
  Failure failure;
};
WriteResult writeFileKeepingIdentity(const QString& path, const QByteArray& bytes);

// The failure in words for the user, in Japanese or English.
QString describe(const Failure& failure, bool japanese);

}  // namespace wrenpad::files
