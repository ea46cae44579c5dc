// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the kanji converters: unsigned views of texts, word-at-a-time
// byte tests and an output buffer that grows in blocks.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace kanji::detail {

inline constexpr unsigned char kEsc = 0x1B;

inline const unsigned char* Bytes(std::string_view text) {
  return reinterpret_cast<const unsigned char*>(text.data());
}

inline std::uint64_t LoadWord(const unsigned char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

inline constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
inline constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// True when some byte of the word is below n (n at most 128).
inline bool HasByteBelow(std::uint64_t word, unsigned n) {
  return ((word - kOnes * n) & ~word & kHighBits) != 0;
}

inline bool HasByteEqual(std::uint64_t word, unsigned char value) {
  return HasByteBelow(word ^ (kOnes * value), 1);
}

inline bool AllAscii(std::uint64_t word) { return (word & kHighBits) == 0; }

// Copies a run of ASCII eight bytes at a time, as far as `end` allows; the
// bytes of a last partial word are left to the caller.
inline void CopyAscii(const unsigned char* s, std::size_t& i, std::size_t end, unsigned char*& o) {
  while (i + 8 <= end) {
    const std::uint64_t word = LoadWord(s + i);
    if (!AllAscii(word)) break;
    std::memcpy(o, &word, 8);
    o += 8;
    i += 8;
  }
}

// Builds an output string. Converters ask for room before each block they
// write, so only the part written so far is ever filled, and the reserved
// capacity stays untouched until it is needed.
class ByteSink {
 public:
  explicit ByteSink(std::size_t expected) {
    out_.reserve(expected);
    AdviseHugePages();
  }

  // A pointer to the write position with room for at least `count` bytes.
  unsigned char* Room(std::size_t count) {
    if (out_.size() - used_ < count) out_.resize(used_ + std::max(count, kMinGrowth));
    return reinterpret_cast<unsigned char*>(out_.data()) + used_;
  }

  // Marks everything up to `end` (inside the last room handed out) as written.
  void Commit(const unsigned char* end) {
    used_ = static_cast<std::size_t>(end - reinterpret_cast<const unsigned char*>(out_.data()));
  }

  std::string Take() {
    out_.resize(used_);
    return std::move(out_);
  }

 private:
  // A large output is written once from front to back; on Linux, huge pages
  // spare it a page fault every 4 KiB, which otherwise costs more than the
  // conversion itself.
  void AdviseHugePages() {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::size_t kHuge = std::size_t(2) << 20;
    if (out_.capacity() < 4 * kHuge) return;
    const auto begin = reinterpret_cast<std::uintptr_t>(out_.data());
    const std::uintptr_t first = (begin + kHuge - 1) & ~(kHuge - 1);
    const std::uintptr_t last = (begin + out_.capacity()) & ~(kHuge - 1);
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
  }

  static constexpr std::size_t kMinGrowth = 4096;
  std::string out_;
  std::size_t used_ = 0;
};

// Input is converted in blocks of this many bytes, each with its own Room().
inline constexpr std::size_t kBlock = 64 * 1024;

}  // namespace kanji::detail
