// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_failure.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstring>

namespace wrenpad::files {

Failure because(Problem problem, const QString& detail) {
  Failure failure;
  failure.problem = problem;
  failure.detail = detail;
  return failure;
}

namespace {
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
    case ESTALE: return Problem::ChangedWhileOpen;
    default: return Problem::Other;
  }
}
}  // namespace

Failure failureOf(int error) {
  const Problem problem = problemOf(error);
  return because(problem,
                 problem == Problem::Other ? QString::fromLocal8Bit(std::strerror(error)) : QString());
}

Failure folderFailure(int error) {
  if (error == EACCES || error == EPERM) return because(Problem::FolderNotWritable);
  if (error == ENOENT || error == ENOTDIR) return because(Problem::FolderMissing);
  return failureOf(error);
}

namespace {
// The words for each problem, in English; describe() translates them.
const char* problemText(Problem problem) {
  switch (problem) {
    case Problem::None: return nullptr;
    case Problem::Missing: return QT_TRANSLATE_NOOP("FileFailure", "The file does not exist.");
    case Problem::FolderMissing: return QT_TRANSLATE_NOOP("FileFailure", "The folder does not exist.");
    case Problem::NotRegular:
      return QT_TRANSLATE_NOOP("FileFailure",
                               "It is not an ordinary file but a folder, a device, a FIFO or a socket. "
                               "Wrenpad reads and writes ordinary files only.");
    case Problem::TooLarge: return QT_TRANSLATE_NOOP("FileFailure", "The file is too large.");
    case Problem::OutOfMemory: return QT_TRANSLATE_NOOP("FileFailure", "There is not enough memory.");
    case Problem::ReadOnly:
      return QT_TRANSLATE_NOOP("FileFailure", "The file is read-only: you have no permission to write it.");
    case Problem::ReadOnlyDisk: return QT_TRANSLATE_NOOP("FileFailure", "The file lies on a disk that is read-only.");
    case Problem::FolderNotWritable:
      return QT_TRANSLATE_NOOP("FileFailure", "You have no permission to create files in the folder.");
    case Problem::NoPermission: return QT_TRANSLATE_NOOP("FileFailure", "Permission denied.");
    case Problem::NameTooLong: return QT_TRANSLATE_NOOP("FileFailure", "The file name is too long.");
    case Problem::DiskFull: return QT_TRANSLATE_NOOP("FileFailure", "The disk is full.");
    case Problem::ChangedWhileOpen:
      return QT_TRANSLATE_NOOP("FileFailure",
                               "Another program changed the file while it was open here, so part of its text "
                               "could no longer be read as it was.");
    case Problem::Cancelled: return QT_TRANSLATE_NOOP("FileFailure", "The file was not saved.");
    case Problem::SaveNoteNotWritten:
      return QT_TRANSLATE_NOOP("FileFailure",
                               "The file has to be written over where it lies (it has other links, or attributes a "
                               "new file would not keep), and the note that lets Wrenpad repair it after a crash in "
                               "the middle could not be written in \"%1\" (is that disk full?). The file was left "
                               "as it was.");
    case Problem::Other: break;
  }
  return nullptr;
}
}  // namespace

QString describe(const Failure& failure) {
  const char* words = problemText(failure.problem);
  const QString text = words ? QCoreApplication::translate("FileFailure", words) : QString();
  if (failure.problem == Problem::SaveNoteNotWritten) return text.arg(failure.detail);
  if (failure.oldBytesKeptInCopy)
    return text + u'\n' +
           QCoreApplication::translate("FileFailure",
                                       "The file could not be put back as it was; its old content is in \"%1\".")
               .arg(failure.detail);
  if (failure.detail.isEmpty()) return text;
  return text.isEmpty() ? failure.detail : text + u'\n' + failure.detail;
}

}  // namespace wrenpad::files
