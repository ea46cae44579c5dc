// SPDX-License-Identifier: GPL-3.0-or-later
#include "large/piece_table.h"

#include <algorithm>

namespace wrenpad::large {

qint64 lengthOf(const Pieces& pieces) {
  qint64 total = 0;
  for (const Piece& piece : pieces) total += piece.length;
  return total;
}

PieceTable::PieceTable(const OriginalBytes* original) { reset(original); }

void PieceTable::reset(const OriginalBytes* original) {
  original_ = original;
  added_.clear();
  pieces_.clear();
  if (original->size() > 0) pieces_.push_back({false, 0, original->size()});
  recountFrom(0);
}

std::size_t PieceTable::pieceAt(qint64 offset) const {
  return std::size_t(std::upper_bound(ends_.begin(), ends_.end(), offset) - ends_.begin());
}

char PieceTable::byteAt(qint64 offset) const {
  if (offset < 0 || offset >= size()) return 0;
  const std::size_t i = pieceAt(offset);
  const Piece& piece = pieces_[i];
  const qint64 at = piece.start + offset - startOf(i);
  return piece.added ? added_[std::size_t(at)] : original_->byteAt(at);
}

std::string PieceTable::bytes(qint64 from, qint64 to) const {
  std::string out;
  out.reserve(std::size_t(std::max<qint64>(0, std::min(to, size()) - from)));
  forEachChunk(from, to, [&out](std::string_view chunk) {
    out.append(chunk);
    return true;
  });
  return out;
}

Pieces PieceTable::piecesOf(qint64 from, qint64 to) const {
  Pieces out;
  from = std::max<qint64>(from, 0);
  to = std::min(to, size());
  for (std::size_t i = from < to ? pieceAt(from) : pieces_.size(); i < pieces_.size() && startOf(i) < to; ++i) {
    const qint64 start = startOf(i);
    const qint64 begin = std::max(from, start) - start;
    const qint64 end = std::min(to, ends_[i]) - start;
    out.push_back({pieces_[i].added, pieces_[i].start + begin, end - begin});
  }
  return out;
}

Piece PieceTable::add(std::string_view bytes) {
  const Piece piece{true, qint64(added_.size()), qint64(bytes.size())};
  added_.append(bytes);
  return piece;
}

void PieceTable::reserveAdded(qint64 count) {
  if (count > 0) added_.reserve(added_.size() + std::size_t(count));
}

std::size_t PieceTable::splitAt(qint64 offset) {
  const std::size_t i = pieceAt(offset);
  const qint64 start = startOf(i);
  if (start == offset) return i;
  const Piece whole = pieces_[i];
  const qint64 head = offset - start;
  pieces_[i].length = head;
  pieces_.insert(pieces_.begin() + std::ptrdiff_t(i) + 1, {whole.added, whole.start + head, whole.length - head});
  ends_.insert(ends_.begin() + std::ptrdiff_t(i), offset);
  return i + 1;
}

Pieces PieceTable::replace(qint64 offset, qint64 length, const Pieces& replacement) {
  offset = std::clamp<qint64>(offset, 0, size());
  length = std::clamp<qint64>(length, 0, size() - offset);
  const std::size_t first = offset < size() ? splitAt(offset) : pieces_.size();
  const std::size_t last = offset + length < size() ? splitAt(offset + length) : pieces_.size();
  Pieces removed(pieces_.begin() + std::ptrdiff_t(first), pieces_.begin() + std::ptrdiff_t(last));
  Pieces kept;
  for (const Piece& piece : replacement)
    if (piece.length > 0) kept.push_back(piece);
  pieces_.erase(pieces_.begin() + std::ptrdiff_t(first), pieces_.begin() + std::ptrdiff_t(last));
  pieces_.insert(pieces_.begin() + std::ptrdiff_t(first), kept.begin(), kept.end());
  // A piece that goes on where the one before it ended in the same buffer
  // joins it, so undo and redo leave no more pieces than the edits made.
  const std::size_t from = first > 0 ? first - 1 : 0;
  std::size_t stop = first + kept.size();  // the piece after the new ones
  for (std::size_t i = from; i < stop && i + 1 < pieces_.size();) {
    Piece& a = pieces_[i];
    const Piece& b = pieces_[i + 1];
    if (a.added == b.added && a.start + a.length == b.start) {
      a.length += b.length;
      pieces_.erase(pieces_.begin() + std::ptrdiff_t(i) + 1);
      --stop;
    } else {
      ++i;
    }
  }
  recountFrom(from);
  return removed;
}

bool PieceTable::canExtendAt(qint64 offset) const {
  if (offset <= 0 || offset > size()) return false;
  const std::size_t i = pieceAt(offset - 1);
  const Piece& piece = pieces_[i];
  return ends_[i] == offset && piece.added && piece.start + piece.length == qint64(added_.size());
}

bool PieceTable::extendAt(qint64 offset, std::string_view bytes) {
  if (!canExtendAt(offset)) return false;
  const std::size_t i = pieceAt(offset - 1);
  Piece& piece = pieces_[i];
  added_.append(bytes);
  piece.length += qint64(bytes.size());
  recountFrom(i);
  return true;
}

void PieceTable::recountFrom(std::size_t index) {
  ends_.resize(pieces_.size());
  qint64 end = startOf(std::min(index, pieces_.size()));
  for (std::size_t i = index; i < pieces_.size(); ++i) ends_[i] = end += pieces_[i].length;
}

}  // namespace wrenpad::large
