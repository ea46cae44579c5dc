// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why reading or writing a file failed, in terms the user can act on, and in
// words for the user.

#include <QString>

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
  ChangedWhileOpen,   // another program changed the file we read from (ESTALE)
  Cancelled,          // the user chose not to go on
  SaveNoteNotWritten, // a save in place could not keep its note (in the folder `detail` names)
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

// The failure an errno value stands for; causes of our own are told in our
// words, the rest in the system's.
Failure failureOf(int error);
// A new file cannot be made in a folder: the failure said of the folder.
Failure folderFailure(int error);

// The failure in words for the user, in the interface language.
QString describe(const Failure& failure);

}  // namespace wrenpad::files
