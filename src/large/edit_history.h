// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The undo and redo steps of a large document. A step holds the pieces an
// edit took out and those it put in (piece_table.h), never bytes, so undoing
// the deletion of half a gigabyte costs no more than undoing a key. Keys
// typed in a row, and Backspace or Delete pressed in a row, make one step.

#include "large/piece_table.h"

#include <vector>

namespace wrenpad::large {

enum class EditKind { Other, Typing, DeletingBackward, DeletingForward };

struct Edit {
  qint64 offset = 0;
  Pieces removed;
  Pieces inserted;
  EditKind kind = EditKind::Other;
  qint64 removedLength() const { return lengthOf(removed); }
  qint64 insertedLength() const { return lengthOf(inserted); }
};

class EditHistory {
 public:
  // A new step, or the last one grown when the edit goes on from it.
  void record(Edit edit);
  // The next record() starts a step of its own (the caret moved, a save).
  void seal() { sealed_ = true; }

  const Edit* toUndo() const { return done_ > 0 ? &steps_[done_ - 1] : nullptr; }
  const Edit* toRedo() const { return done_ < steps_.size() ? &steps_[done_] : nullptr; }
  void undone() { --done_, sealed_ = true; }
  void redone() { ++done_, sealed_ = true; }

  // The document as it is now is the one on disk.
  void markSaved() {
    saved_ = qint64(done_);
    sealed_ = true;
  }
  bool atSaved() const { return saved_ == qint64(done_); }
  // Forgets every step; the document as it is counts as saved.
  void clear();

 private:
  bool joins(const Edit& last, const Edit& edit) const;

  std::vector<Edit> steps_;
  std::size_t done_ = 0;   // steps_[0, done_) are applied
  qint64 saved_ = 0;       // done_ when the file was written; -1 when no longer reachable
  bool sealed_ = true;
};

}  // namespace wrenpad::large
