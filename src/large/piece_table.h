#pragma once
// A document as a list of pieces: runs of the original bytes (never changed)
// and of an add buffer that only grows. An edit splits pieces and puts new
// ones between them; no byte of the file is copied, so an edit costs the same
// at the start, the middle or the end of a file of a gigabyte. The pieces an
// edit takes out are handed back, so the edit history can put them in again.

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
  // `original` stays valid and unchanged while the table lives.
  explicit PieceTable(std::string_view original);

  qint64 size() const { return ends_.empty() ? 0 : ends_.back(); }
  const Pieces& pieces() const { return pieces_; }
  std::string_view bytesOf(const Piece& piece) const;

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
  void reset(std::string_view original);

 private:
  // The piece holding `offset` (the first piece when it is 0): index, and
  // the offset where it begins.
  std::size_t pieceAt(qint64 offset) const;
  qint64 startOf(std::size_t index) const { return index == 0 ? 0 : ends_[index - 1]; }
  // Makes a piece begin at `offset` (0 < offset < size); its index.
  std::size_t splitAt(qint64 offset);
  void recountFrom(std::size_t index);

  std::string_view original_;
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
    if (!take(bytesOf(pieces_[i]).substr(std::size_t(begin), std::size_t(end - begin)))) return;
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
    if (!take(bytesOf(pieces_[i]).substr(std::size_t(begin), std::size_t(end - begin)))) return;
  }
}

}  // namespace wrenpad::large
