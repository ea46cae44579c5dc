#include "documents/undo_snapshots.h"

#include "files/private_files.h"

#include <QDir>
#include <QFile>

namespace wrenpad {

namespace {
// A snapshot is the editor's own text; nothing larger is read back.
constexpr qint64 kLargestSnapshot = qint64(256) << 20;
}  // namespace

UndoSnapshots::UndoSnapshots(QString folder, int slot) : folder_(std::move(folder)), slot_(slot) {}

QString UndoSnapshots::path(int number) const {
  return QDir(folder_).filePath(QStringLiteral("Temporary File for Wrenpad_%1_%2.rtf").arg(slot_).arg(number));
}

files::Failure UndoSnapshots::take(const QByteArray& content, int& undoCount, int& undoTop, mode_t modeLimit) {
  const bool full = undoCount >= kLevels;
  const int number = full ? kLevels : undoCount + 1;
  // Once ten exist the new one is written under a name of its own first, so
  // that the older snapshots are moved only once it is whole.
  const files::Failure failure = files::writePrivateFile(full ? path(kLevels + 1) : path(number), content, modeLimit);
  if (failure.failed()) return failure;
  if (full) {
    QFile::remove(path(1));
    for (int i = 1; i < kLevels; ++i) QFile::rename(path(i + 1), path(i));
    QFile::rename(path(kLevels + 1), path(kLevels));
  } else {
    undoCount = number;
    undoTop = number;
  }
  return {};
}

std::optional<QByteArray> UndoSnapshots::read(int number) const { return readFile(path(number)); }

std::optional<QByteArray> UndoSnapshots::readFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray bytes = file.read(kLargestSnapshot + 1);
  if (file.error() != QFileDevice::NoError || bytes.isEmpty() || bytes.size() > kLargestSnapshot)
    return std::nullopt;
  return bytes;
}

void UndoSnapshots::removeAllBut(int keep) const {
  for (int i = 1; i <= kLevels + 1; ++i)
    if (i != keep) QFile::remove(path(i));
}

}  // namespace wrenpad
