// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/cgi_log_watch.h"

#include "documents/file_access.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace wrenpad {
namespace {

// The copies an earlier version kept: "<dir>/error.lg1" and "error.lg2".
void removeOldCopies(const QString& logFile) {
  const QFileInfo log(logFile);
  const QString stem = log.suffix().isEmpty() ? log.fileName() : log.completeBaseName();
  for (const char* extension : {".lg1", ".lg2"}) {
    const QString copy = log.path() + u'/' + stem + QLatin1String(extension);
    if (files::isRegularFile(copy)) QFile::remove(copy);
  }
}

}  // namespace

void CgiLogWatch::begin(const QString& logFile) {
  logFile_ = logFile;
  problem_.clear();
  active_ = true;
  removeOldCopies(logFile);
  const files::FileStamp stamp = files::stampOf(logFile);
  offset_ = stamp.exists ? stamp.size : 0;
  device_ = stamp.device;
  inode_ = stamp.inode;
}

std::optional<QString> CgiLogWatch::tick() {
  if (!active_) return std::nullopt;
  const files::FileStamp stamp = files::stampOf(logFile_);
  if (!stamp.exists) return std::nullopt;
  if (stamp.device != device_ || stamp.inode != inode_ || stamp.size < offset_) {
    // Another file, or the same one started afresh: all of it is new.
    device_ = stamp.device;
    inode_ = stamp.inode;
    offset_ = 0;
  }
  if (stamp.size == offset_) return std::nullopt;
  QFile log(logFile_);
  if (!log.open(QIODevice::ReadOnly) || !log.seek(offset_)) {
    fail();
    return std::nullopt;
  }
  const QByteArray gained = log.read(std::min(stamp.size - offset_, kReadLimit));
  if (log.error() != QFileDevice::NoError) {
    fail();
    return std::nullopt;
  }
  active_ = false;
  return QString::fromUtf8(gained);
}

void CgiLogWatch::fail() {
  problem_ = tr("The error log \"%1\" cannot be read; the script's errors will not be shown.").arg(logFile_);
  active_ = false;
}

}  // namespace wrenpad
