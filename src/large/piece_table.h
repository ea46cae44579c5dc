// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A document as a list of pieces: runs of the original bytes (never changed;
// read from the file a block at a time, original_bytes.h)
// and of an add buffer that only grows. An edit splits pieces and puts new
// ones between them; no byte of the file is copied, so an edit costs the same
// at the start, the middle or the end of a file of a gigabyte. The pieces an
// edit takes out are handed back, so the edit history can put them in again.

#include "large/original_bytes.h"

#include <QtGlobal>
#include <string>
#include <string_view>
#include <vector>

namespace wrenpad::large {

struct Piece {
  bool added = false;  // in the add buffer; else in the original bytes
  qint64 start = 0;
  qint64 length = 0;
  friend bool operator==(const Piece&, const Piece&) = default;
};
using Pieces = std::vector<Piece>;

qint64 lengthOf(const Pieces& pieces);

class PieceTable {
 public:
  // `original` stays while the table lives.
  explicit PieceTable(const OriginalBytes* original);

  qint64 size() const { return ends_.empty() ? 0 : ends_.back(); }
  const Pieces& pieces() const { return pieces_; }
  // The bytes of a piece of the add buffer.
  std::string_view addedBytes(const Piece& piece) const {
    return std::string_view(added_).substr(std::size_t(piece.start), std::size_t(piece.length));
  }

  // Calls take(std::string_view) for the bytes of [from, to), piece by
  // piece in order, while it returns true.
  template <typename Take>
  void forEachChunk(qint64 from, qint64 to, Take&& take) const;
  // The same from `to` back to `from`: the last chunk first.
  template <typename Take>
  void forEachChunkBackward(qint64 from, qint64 to, Take&& take) const;

  // The byte at `offset`; 0 outside the document.
  char byteAt(qint64 offset) const;
  std::string bytes(qint64 from, qint64 to) const;
  // The pieces that make up [from, to).
  Pieces piecesOf(qint64 from, qint64 to) const;

  // Bytes appended to the add buffer, as one piece to insert.
  Piece add(std::string_view bytes);
  // Makes room for `count` more bytes in the add buffer, so that adding a
  // large run of known size, a block at a time, takes that much memory and
  // no more (a growing buffer would double).
  void reserveAdded(qint64 count);
  // Replaces [offset, offset + length) with `replacement`; returns the
  // pieces that were there.
  Pieces replace(qint64 offset, qint64 length, const Pieces& replacement);
  // Appends `bytes` to the piece that ends at `offset`, when that piece is
  // the end of the add buffer (typing on after typing): no new piece. False
  // when it is not, and nothing changed.
  bool extendAt(qint64 offset, std::string_view bytes);
  bool canExtendAt(qint64 offset) const;
  // The whole document becomes the original bytes `original` (after it was
  // written over its own file); the add buffer is emptied.
  void reset(const OriginalBytes* original);
  // The table reads its original bytes from `original` from now on: the
  // same bytes, kept elsewhere (pieces and add buffer stay).
  void moveOriginal(const OriginalBytes* original) { original_ = original; }

 private:
  // The piece holding `offset` (the first piece when it is 0): index, and
  // the offset where it begins.
  std::size_t pieceAt(qint64 offset) const;
  qint64 startOf(std::size_t index) const { return index == 0 ? 0 : ends_[index - 1]; }
  // Makes a piece begin at `offset` (0 < offset < size); its index.
  std::size_t splitAt(qint64 offset);
  void recountFrom(std::size_t index);
  // take() for the bytes [begin, end) of `piece`, forward or backward; false
  // when take() stopped.
  template <typename Take>
  bool chunksOf(const Piece& piece, qint64 begin, qint64 end, Take& take) const;
  template <typename Take>
  bool chunksBackwardOf(const Piece& piece, qint64 begin, qint64 end, Take& take) const;

  const OriginalBytes* original_ = nullptr;
  std::string added_;
  Pieces pieces_;
  std::vector<qint64> ends_;  // where each piece ends in the document
};

template <typename Take>
void PieceTable::forEachChunk(qint64 from, qint64 to, Take&& take) const {
  from = std::max<qint64>(from, 0);
  to = std::min(to, size());
  if (from >= to) return;
  for (std::size_t i = pieceAt(from); i < pieces_.size() && startOf(i) < to; ++i) {
    const qint64 start = startOf(i);
    const qint64 begin = std::max(from, start) - start;
    const qint64 end = std::min(to, ends_[i]) - start;
    if (!chunksOf(pieces_[i], begin, end, take)) return;
  }
}

template <typename Take>
void PieceTable::forEachChunkBackward(qint64 from, qint64 to, Take&& take) const {
  from = std::max<qint64>(from, 0);
  to = std::min(to, size());
  if (from >= to) return;
  for (std::size_t i = pieceAt(to - 1) + 1; i-- > 0 && ends_[i] > from;) {
    const qint64 start = startOf(i);
    const qint64 begin = std::max(from, start) - start;
    const qint64 end = std::min(to, ends_[i]) - start;
    if (!chunksBackwardOf(pieces_[i], begin, end, take)) return;
  }
}

template <typename Take>
bool PieceTable::chunksOf(const Piece& piece, qint64 begin, qint64 end, Take& take) const {
  if (piece.added) return take(std::string_view(added_).substr(std::size_t(piece.start + begin), std::size_t(end - begin)));
  bool going = true;
  original_->read(piece.start + begin, piece.start + end, [&](std::string_view chunk) { return going = take(chunk); });
  return going;
}

template <typename Take>
bool PieceTable::chunksBackwardOf(const Piece& piece, qint64 begin, qint64 end, Take& take) const {
  if (piece.added) return chunksOf(piece, begin, end, take);
  // Block by block from the end, each block's bytes handed over whole.
  constexpr qint64 block = OriginalBytes::kBlockBytes;
  for (qint64 to = piece.start + end, from = piece.start + begin; to > from;) {
    const qint64 start = std::max(from, (to - 1) / block * block);
    bool going = true;
    original_->read(start, to, [&](std::string_view chunk) { return going = take(chunk); });
    if (!going) return false;
    to = start;
  }
  return true;
}

}  // namespace wrenpad::large
