// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/undo_snapshots.h"

#include "files/descriptors.h"
#include "files/private_files.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdio>

namespace wrenpad {

namespace {
// A snapshot is the editor's own text; nothing larger is read back.
constexpr qint64 kLargestSnapshot = qint64(256) << 20;
// The numbers of the files a full set is turned over with: the new snapshot
// before it takes the last place, and the oldest set aside until the others
// have moved down.
constexpr int kIncoming = UndoSnapshots::kLevels + 1;
constexpr int kSetAside = UndoSnapshots::kLevels + 2;
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
  const files::Failure failure = files::writePrivateFile(full ? path(kIncoming) : path(number), content, modeLimit);
  if (failure.failed()) return failure;
  if (full) return moveDown();
  undoCount = number;
  undoTop = number;
  return {};
}

// 0, or the error moving snapshot `from` to number `to` gave. An older
// snapshot that is not there (removed by someone else) leaves a gap that
// moves down with the others; the new one must be there.
int UndoSnapshots::move(int from, int to) const {
  if (::rename(files::native(path(from)).constData(), files::native(path(to)).constData()) == 0) return 0;
  return errno == ENOENT && from != kIncoming ? 0 : errno;
}

// Drops the oldest snapshot, moves the others down one number and puts the
// incoming one last. When a move fails, the moves made are undone, so the
// snapshots stay where the counts expect them, the newest last.
files::Failure UndoSnapshots::moveDown() const {
  QFile::remove(path(kSetAside));  // a left-over would come back as the oldest
  int moved = 0;  // snapshots 2..moved+1 are one number down
  int error = move(1, kSetAside);
  while (!error && moved < kLevels) {
    error = move(moved + 2, moved + 1);
    if (!error) ++moved;
  }
  if (!error) {
    QFile::remove(path(kSetAside));
    return {};
  }
  for (int number = moved; number >= 1; --number) move(number, number + 1);
  move(kSetAside, 1);
  QFile::remove(path(kIncoming));
  return files::failureOf(error);
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
  for (int i = 1; i <= kSetAside; ++i)
    if (i != keep) QFile::remove(path(i));
}

}  // namespace wrenpad
