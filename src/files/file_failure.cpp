#include "files/file_failure.h"

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
