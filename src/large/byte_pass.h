// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pass over a stretch of a large document in blocks of at most a MiB,
// each with the offset it begins at. The file's own bytes come through a
// small cache (original_bytes.h), so a count of the lines, a search or a save
// of a file of a gigabyte holds no more than a few blocks of it in memory.

#include "large/piece_table.h"

#include <string_view>

namespace wrenpad::large {

inline constexpr qint64 kPassBlockBytes = qint64(1) << 20;

struct DocumentBytes {
  const PieceTable& text;
};

// take(qint64 offset, std::string_view block) -> bool: false stops the pass.
template <typename Take>
void passForward(const DocumentBytes& bytes, qint64 from, qint64 to, Take&& take) {
  qint64 offset = std::max<qint64>(from, 0);
  bool going = true;
  bytes.text.forEachChunk(from, to, [&](std::string_view chunk) {
    for (std::size_t at = 0; going && at < chunk.size(); at += std::size_t(kPassBlockBytes)) {
      const std::string_view block = chunk.substr(at, std::size_t(kPassBlockBytes));
      going = take(offset, block);
      offset += qint64(block.size());
    }
    return going;
  });
}

// The same from `to` back to `from`: the last block first.
template <typename Take>
void passBackward(const DocumentBytes& bytes, qint64 from, qint64 to, Take&& take) {
  qint64 end = std::min(to, bytes.text.size());
  bool going = true;
  bytes.text.forEachChunkBackward(from, to, [&](std::string_view chunk) {
    for (std::size_t left = chunk.size(); going && left > 0;) {
      const std::size_t size = std::min<std::size_t>(left, std::size_t(kPassBlockBytes));
      const std::string_view block = chunk.substr(left - size, size);
      left -= size;
      end -= qint64(size);
      going = take(end, block);
    }
    return going;
  });
}

}  // namespace wrenpad::large
