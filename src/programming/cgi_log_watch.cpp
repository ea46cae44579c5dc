#include "programming/cgi_log_watch.h"

#include "documents/file_access.h"
#include "files/private_files.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

namespace wrenpad {
namespace {

// At most `limit` bytes of `path` from `offset` on; nothing when the file
// cannot be read.
std::optional<QByteArray> ReadPart(const QString& path, qint64 offset, qint64 limit) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || !file.seek(offset)) return std::nullopt;
  QByteArray bytes = file.read(limit);
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes;
}

// No error log of a test run comes near this; a larger one is not copied.
constexpr qint64 kLargestLogCopy = qint64(64) << 20;

// Copies `from` over `to`, replacing an older copy whole, and no more
// readable than the log it copies.
bool CopyOver(const QString& from, const QString& to) {
  const files::ReadResult log = files::readRegularFile(from, kLargestLogCopy);
  return !log.failure.failed() &&
         !files::writePrivateFile(to, log.bytes, files::permissionsOf(from)).failed();
}

}  // namespace

QString CgiLogSnapshotFile(const QString& logFile, int number) {
  const QFileInfo log(logFile);
  const QString stem = log.suffix().isEmpty() ? log.fileName() : log.completeBaseName();
  return log.path() + QLatin1Char('/') + stem + QStringLiteral(".lg%1").arg(number);
}

void CgiLogWatch::begin(const QString& logFile) {
  logFile_ = logFile;
  problem_.clear();
  active_ = true;
  startSize_ = 0;
  const QString first = CgiLogSnapshotFile(logFile, 1);
  startedEmpty_ = !QFileInfo::exists(logFile);
  if (startedEmpty_) {
    QFile::remove(first);  // an older test's copy says nothing about this one
    return;
  }
  if (!CopyOver(logFile, first)) {
    fail(QStringLiteral("The error log \"%1\" cannot be copied to \"%2\"; the script's errors will not be shown.")
             .arg(logFile, first));
    return;
  }
  startSize_ = QFileInfo(first).size();
}

std::optional<QString> CgiLogWatch::tick() {
  if (!active_ || !QFileInfo::exists(logFile_)) return std::nullopt;
  const QString current = CgiLogSnapshotFile(logFile_, 2);
  if (!CopyOver(logFile_, current)) {
    fail(QStringLiteral("The error log \"%1\" cannot be copied to \"%2\"; the script's errors will not be shown.")
             .arg(logFile_, current));
    return std::nullopt;
  }
  const std::optional<QByteArray> gained = gainedBytes(current);
  if (!gained || gained->isEmpty()) return std::nullopt;
  active_ = false;
  return QString::fromUtf8(*gained);
}

// The bytes the log gained, empty when it gained none; nothing (with the
// problem noted) when a copy cannot be read.
std::optional<QByteArray> CgiLogWatch::gainedBytes(const QString& current) {
  const QString first = CgiLogSnapshotFile(logFile_, 1);
  const qint64 newSize = QFileInfo(current).size();
  const auto unreadable = [this](const QString& path) {
    fail(QStringLiteral("The copy \"%1\" of the error log cannot be read; the script's errors will not be shown.")
             .arg(path));
    return std::nullopt;
  };

  if (newSize <= kReadLimit && startSize_ <= kReadLimit) {
    std::optional<QByteArray> now = ReadPart(current, 0, kReadLimit);
    if (!now) return unreadable(current);
    std::optional<QByteArray> before = startedEmpty_ ? QByteArray() : ReadPart(first, 0, kReadLimit);
    if (!before) return unreadable(first);
    if (*now == *before) return QByteArray();
    const qsizetype at = before->isEmpty() ? -1 : now->indexOf(*before);
    if (at >= 0) now->remove(at, before->size());
    return now;
  }
  // Too large to compare: the log only grows, so what lies past the old size
  // is new; a log smaller than before was started afresh and is new whole.
  qint64 from = 0;
  if (newSize > startSize_)
    from = startSize_;
  else if (newSize > kReadLimit)
    return QByteArray();
  std::optional<QByteArray> part = ReadPart(current, from, kReadLimit);
  if (!part) return unreadable(current);
  return part;
}

void CgiLogWatch::fail(const QString& why) {
  problem_ = why;
  active_ = false;
}

}  // namespace wrenpad
