// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A long text that takes an edit anywhere at a cost that does not grow with
// its length. The text is a row of pieces, each a stretch of a buffer that
// never changes once written (the string it was made from, or the buffer
// typed text is appended to), kept in a balanced tree ordered by position.
//
// A copy costs nothing and is a snapshot: later edits of either copy leave
// the other as it was. Reading calls answer as QString's calls of the same
// name do, at the cost of the part they read, so a QString converts to a
// PieceText (sharing its buffer) wherever one is read.
//
// Copies may be read on several threads; edits of copies that share a buffer
// stay on one thread.

#include <QString>
#include <QStringView>
#include <functional>
#include <memory>

namespace wrenpad {

class PieceText {
 public:
  PieceText() = default;
  // Shares the string's buffer; no characters are copied.
  PieceText(const QString& text);  // NOLINT(google-explicit-constructor): read where a QString was

  qsizetype size() const;
  bool isEmpty() const { return size() == 0; }
  // The character at `position`, QChar() outside the text.
  QChar at(qsizetype position) const;
  QString mid(qsizetype position, qsizetype length = -1) const;
  QString left(qsizetype length) const { return mid(0, length); }
  // The whole text: the string it was made from when no edit came since,
  // else a new string.
  QString toString() const;

  qsizetype indexOf(QChar c, qsizetype from = 0) const;
  qsizetype indexOf(QStringView text, qsizetype from = 0) const;
  qsizetype lastIndexOf(QChar c, qsizetype from = -1) const;
  qsizetype lastIndexOf(QStringView text, qsizetype from = -1) const;

  // Replaces `length` characters at `position` (both clamped to the text)
  // by `after`.
  void replace(qsizetype position, qsizetype length, QStringView after);

  // Calls `visit` with the stretches of [from, to) in order, each with its
  // position in the text, until it returns false.
  using StretchVisitor = std::function<bool(QStringView stretch, qsizetype position)>;
  void forEachStretch(qsizetype from, qsizetype to, const StretchVisitor& visit) const;
  // The same from the end of [from, to) back to its start.
  void forEachStretchBackward(qsizetype from, qsizetype to, const StretchVisitor& visit) const;

  // How many pieces the text is made of (at least one per edited place).
  qsizetype pieceCount() const;

  struct Node;
  struct AddBuffer;

 private:
  std::shared_ptr<const Node> root_;
  // Where typed text goes; shared by copies, which append after each other.
  std::shared_ptr<AddBuffer> added_;
};

}  // namespace wrenpad
