#include "documents/undo_snapshots.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace wrenpad {

namespace {
// A snapshot is the editor's own text; nothing larger is read back.
constexpr qint64 kLargestSnapshot = qint64(256) << 20;
}  // namespace

UndoSnapshots::UndoSnapshots(QString folder, int slot) : folder_(std::move(folder)), slot_(slot) {}

QString UndoSnapshots::path(int number) const {
  return QDir(folder_).filePath(QStringLiteral("Temporary File for Wrenpad_%1_%2.rtf").arg(slot_).arg(number));
}

bool UndoSnapshots::take(const QByteArray& content, int& undoCount, int& undoTop, QString* error) {
  const bool full = undoCount >= kLevels;
  const int number = full ? kLevels : undoCount + 1;
  // Written first under a name of its own, so that the older snapshots are
  // moved only once the new one is whole.
  QSaveFile file(full ? path(kLevels + 1) : path(number));
  if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  if (full) {
    QFile::remove(path(1));
    for (int i = 1; i < kLevels; ++i) QFile::rename(path(i + 1), path(i));
    QFile::rename(path(kLevels + 1), path(kLevels));
  } else {
    undoCount = number;
    undoTop = number;
  }
  return true;
}

std::optional<QByteArray> UndoSnapshots::read(int number) const { return readFile(path(number)); }

std::optional<QByteArray> UndoSnapshots::readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray bytes = file.read(kLargestSnapshot + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > kLargestSnapshot) return std::nullopt;
  return bytes;
}

void UndoSnapshots::removeAllBut(int keep) const {
  for (int i = 1; i <= kLevels + 1; ++i)
    if (i != keep) QFile::remove(path(i));
}

}  // namespace wrenpad
