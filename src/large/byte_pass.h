#pragma once
// A pass over a stretch of a large document in blocks of at most a MiB,
// each with the offset it begins at. Once a pass has gone over 16 MiB, the
// file's pages it leaves behind are given back (MappedBytes::release): a
// count of the lines, a search or a save of a file of a gigabyte then holds
// no more than a few blocks of it in memory.

#include "large/mapped_bytes.h"
#include "large/piece_table.h"

#include <string_view>

namespace wrenpad::large {

inline constexpr qint64 kPassBlockBytes = qint64(1) << 20;
inline constexpr qint64 kPassKeptBytes = qint64(16) << 20;

struct DocumentBytes {
  const PieceTable& text;
  const MappedBytes* file = nullptr;  // the original bytes, to give their pages back
};

// take(qint64 offset, std::string_view block) -> bool: false stops the pass.
// `keep`: the bytes a pass leaves resident before it gives pages back (a pass
// done a little at a time, in idle moments, keeps none).
template <typename Take>
void passForward(const DocumentBytes& bytes, qint64 from, qint64 to, Take&& take, qint64 keep = kPassKeptBytes) {
  qint64 offset = std::max<qint64>(from, 0);
  qint64 passed = 0;
  bool going = true;
  bytes.text.forEachChunk(from, to, [&](std::string_view chunk) {
    for (std::size_t at = 0; going && at < chunk.size(); at += std::size_t(kPassBlockBytes)) {
      const std::string_view block = chunk.substr(at, std::size_t(kPassBlockBytes));
      going = take(offset, block);
      offset += qint64(block.size());
      passed += qint64(block.size());
      if (passed > keep && bytes.file) bytes.file->release(block);
    }
    return going;
  });
}

// The same from `to` back to `from`: the last block first.
template <typename Take>
void passBackward(const DocumentBytes& bytes, qint64 from, qint64 to, Take&& take) {
  qint64 end = std::min(to, bytes.text.size());
  qint64 passed = 0;
  bool going = true;
  bytes.text.forEachChunkBackward(from, to, [&](std::string_view chunk) {
    for (std::size_t left = chunk.size(); going && left > 0;) {
      const std::size_t size = std::min<std::size_t>(left, std::size_t(kPassBlockBytes));
      const std::string_view block = chunk.substr(left - size, size);
      left -= size;
      end -= qint64(size);
      going = take(end, block);
      passed += qint64(size);
      if (passed > kPassKeptBytes && bytes.file) bytes.file->release(block);
    }
    return going;
  });
}

}  // namespace wrenpad::large
