#pragma once
// Multi-level undo: up to ten states of the document kept as files of this
// instance, "Temporary File for Wrenpad_<slot>_<k>.rtf", written two seconds
// after the last change. Pages are kept as rich text (RTF), so their colours
// come back; other documents as plain UTF-8 text. Each file is written whole
// beside its place and then renamed over it, so a crash while writing leaves
// the earlier snapshot as it was.

#include <QByteArray>
#include <QString>
#include <optional>

namespace wrenpad {

class UndoSnapshots {
 public:
  static constexpr int kLevels = 10;

  UndoSnapshots(QString folder, int slot);

  QString path(int number) const;
  // Writes `content` as the next snapshot: number UndoCount + 1, or, once
  // ten exist, drops the oldest and moves the others down one number.
  // `undoCount` and `undoTop` follow. False (with `error`) when it could not
  // be written; the counts then stay as they were.
  bool take(const QByteArray& content, int& undoCount, int& undoTop, QString* error = nullptr);
  // The bytes of snapshot `number`; nothing when it cannot be read.
  std::optional<QByteArray> read(int number) const;
  // The bytes of a snapshot file, read with the same bound.
  static std::optional<QByteArray> readFile(const QString& path);
  // Removes every snapshot but `keep` (0 keeps none).
  void removeAllBut(int keep) const;

  const QString& folder() const { return folder_; }
  int slot() const { return slot_; }

 private:
  QString folder_;
  int slot_;
};

}  // namespace wrenpad
