// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_failure.h"

#include "text/bilingual.h"

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
QString problemText(Problem problem, bool j) {
  switch (problem) {
    case Problem::None: return QString();
    case Problem::Missing: return bilingual(j, "The file does not exist.", u"ファイルがありません。");
    case Problem::FolderMissing: return bilingual(j, "The folder does not exist.", u"フォルダーがありません。");
    case Problem::NotRegular:
      return bilingual(j, "It is not an ordinary file but a folder, a device, a FIFO or a socket. "
                          "Wrenpad reads and writes ordinary files only.",
                       u"通常のファイルではありません（フォルダー、デバイス、FIFO、ソケットのいずれかです）。"
                       u"Wrenpadが読み書きするのは通常のファイルだけです。");
    case Problem::TooLarge: return bilingual(j, "The file is too large.", u"ファイルが大きすぎます。");
    case Problem::OutOfMemory: return bilingual(j, "There is not enough memory.", u"メモリが足りません。");
    case Problem::ReadOnly:
      return bilingual(j, "The file is read-only: you have no permission to write it.",
                       u"ファイルは読み取り専用です（書き込む権限がありません）。");
    case Problem::ReadOnlyDisk:
      return bilingual(j, "The file lies on a disk that is read-only.", u"ファイルは読み取り専用のディスクにあります。");
    case Problem::FolderNotWritable:
      return bilingual(j, "You have no permission to create files in the folder.",
                       u"フォルダーにファイルを作る権限がありません。");
    case Problem::NoPermission: return bilingual(j, "Permission denied.", u"アクセスが拒否されました。");
    case Problem::NameTooLong: return bilingual(j, "The file name is too long.", u"ファイル名が長すぎます。");
    case Problem::DiskFull: return bilingual(j, "The disk is full.", u"ディスクがいっぱいです。");
    case Problem::ChangedWhileOpen:
      return bilingual(j, "Another program changed the file while it was open here, so part of its text "
                          "could no longer be read as it was.",
                       u"開いている間にファイルが別のプログラムに変更されたため、元の文章の一部を読めなくなりました。");
    case Problem::Cancelled: return bilingual(j, "The file was not saved.", u"ファイルは保存されませんでした。");
    case Problem::SaveNoteNotWritten:
      return bilingual(j, "The file has to be written over where it lies (it has other links, or attributes a new "
                          "file would not keep), and the note that lets Wrenpad repair it after a crash in the "
                          "middle could not be written in \"%1\" (is that disk full?). The file was left as it was.",
                       u"このファイルはその場で上書きする必要があります（別のリンクがあるか、新しいファイルでは保てない属性があります）。"
                       u"途中で異常終了したときに修復するための記録を\"%1\"に書き込めませんでした（ディスクがいっぱいではありませんか）。"
                       u"ファイルは元のままです。");
    case Problem::Other: break;
  }
  return QString();
}
}  // namespace

QString describe(const Failure& failure, bool japanese) {
  QString text = problemText(failure.problem, japanese);
  if (failure.problem == Problem::SaveNoteNotWritten) return text.arg(failure.detail);
  if (failure.oldBytesKeptInCopy)
    return text + u'\n' +
           bilingual(japanese, "The file could not be put back as it was; its old content is in \"%1\".",
                     u"ファイルを元に戻せませんでした。元の内容は\"%1\"にあります。")
               .arg(failure.detail);
  if (failure.detail.isEmpty()) return text;
  return text.isEmpty() ? failure.detail : text + u'\n' + failure.detail;
}

}  // namespace wrenpad::files
