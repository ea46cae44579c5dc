// SPDX-License-Identifier: GPL-3.0-or-later
#include "large/edit_history.h"

namespace wrenpad::large {

namespace {
// `tail` put after `head`, a piece that goes on where the last one ended
// joined to it.
void append(Pieces& head, const Pieces& tail) {
  for (const Piece& piece : tail) {
    if (!head.empty() && head.back().added == piece.added && head.back().start + head.back().length == piece.start)
      head.back().length += piece.length;
    else
      head.push_back(piece);
  }
}
}  // namespace

bool EditHistory::joins(const Edit& last, const Edit& edit) const {
  if (sealed_ || last.kind != edit.kind) return false;
  switch (edit.kind) {
    case EditKind::Typing:
      return edit.removed.empty() && last.removed.empty() && last.offset + last.insertedLength() == edit.offset;
    case EditKind::DeletingBackward:
      return edit.inserted.empty() && last.inserted.empty() && edit.offset + edit.removedLength() == last.offset;
    case EditKind::DeletingForward:
      return edit.inserted.empty() && last.inserted.empty() && edit.offset == last.offset;
    case EditKind::Other: return false;
  }
  return false;
}

void EditHistory::record(Edit edit) {
  steps_.resize(done_);
  if (saved_ > qint64(done_)) saved_ = -1;
  if (done_ > 0 && joins(steps_.back(), edit)) {
    Edit& last = steps_.back();
    if (edit.kind == EditKind::Typing) {
      append(last.inserted, edit.inserted);
    } else if (edit.kind == EditKind::DeletingBackward) {
      append(edit.removed, last.removed);
      last.removed = std::move(edit.removed);
      last.offset = edit.offset;
    } else {
      append(last.removed, edit.removed);
    }
    return;
  }
  steps_.push_back(std::move(edit));
  ++done_;
  sealed_ = false;
}

void EditHistory::clear() {
  steps_.clear();
  done_ = 0;
  saved_ = 0;
  sealed_ = true;
}

}  // namespace wrenpad::large
