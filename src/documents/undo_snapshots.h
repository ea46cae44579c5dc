// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Multi-level undo: up to ten states of the document kept as files of this
// instance, "Temporary File for Wrenpad_<slot>_<k>.rtf", written two seconds
// after the last change. Pages are kept as rich text (RTF), so their colours
// come back; other documents as plain UTF-8 text. Each file is written
// through the door for files of ours: whole beside its place and then renamed
// over it, so a crash or a full disk while writing leaves the earlier
// snapshots as they were, and never more readable than the document's file.

#include "files/file_failure.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <sys/types.h>

namespace wrenpad {

class UndoSnapshots {
 public:
  static constexpr int kLevels = 10;

  UndoSnapshots(QString folder, int slot);

  QString path(int number) const;
  // Writes `content` as the next snapshot: number UndoCount + 1, or, once
  // ten exist, drops the oldest and moves the others down one number.
  // `undoCount` and `undoTop` follow. The file's permissions are 0600 &
  // `modeLimit`. On failure (the write, or a move of the older files) the
  // counts and the older files stay as they were.
  files::Failure take(const QByteArray& content, int& undoCount, int& undoTop, mode_t modeLimit = 0600);
  // The bytes of snapshot `number`; nothing when it cannot be read or holds
  // nothing (no state a snapshot keeps is empty).
  std::optional<QByteArray> read(int number) const;
  // The bytes of a snapshot file, read with the same bound and the same rule.
  static std::optional<QByteArray> readFile(const QString& path);
  // Removes every snapshot but `keep` (0 keeps none).
  void removeAllBut(int keep) const;

  const QString& folder() const { return folder_; }
  int slot() const { return slot_; }

 private:
  int move(int from, int to) const;
  files::Failure moveDown() const;

  QString folder_;
  int slot_;
};

}  // namespace wrenpad
