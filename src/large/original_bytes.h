// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bytes of a large document's file as it was opened. The file is read
// with pread, a block at a time, into a small cache, never mapped: another
// program may shorten the file or write into it while it is open, and a
// mapping would then kill the program (SIGBUS) or hand it the other
// program's bytes as if they were the document's. Here every block read from
// the file is followed by a look at the file's size and modification time;
// when either differs from when it was opened, the block is not taken, the
// document is marked changed on disk and stand-in bytes are given instead,
// so nothing foreign is taken in silently and nothing dies. The file is kept
// open, so a file replaced by a rename keeps its old bytes for us.
//
// Tests and small texts hold their bytes in memory instead.

#include "files/file_failure.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace wrenpad::large {

// What tells one state of a file from another.
struct FileIdentity {
  quint64 device = 0;
  quint64 inode = 0;
  qint64 size = 0;
  qint64 modifiedNs = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

class OriginalBytes {
 public:
  static constexpr qint64 kBlockBytes = qint64(256) << 10;
  static constexpr std::size_t kCachedBlocks = 16;  // 4 MiB at most
  // The byte given for every byte that could not be read as it was.
  static constexpr char kStandIn = '?';

  struct Opened {
    std::shared_ptr<OriginalBytes> bytes;
    files::Failure failure;
  };
  static Opened open(const QString& path);
  static std::shared_ptr<OriginalBytes> holding(std::string bytes);

  OriginalBytes(const OriginalBytes&) = delete;
  OriginalBytes& operator=(const OriginalBytes&) = delete;
  ~OriginalBytes();

  qint64 size() const { return size_; }
  // Calls take(std::string_view) with the bytes of [from, to) in order, a
  // block at a time, while it returns true. A block stays valid during the
  // call that gets it.
  template <typename Take>
  void read(qint64 from, qint64 to, Take&& take) const;
  char byteAt(qint64 offset) const;

  // The file was found changed since it was opened (by a read, or by
  // checkFile()): some bytes given since were stand-ins.
  bool changedOnDisk() const { return changed_; }
  // Looks at the file now; true when it has changed.
  bool checkFile() const;
  // The file as it was opened; nothing for bytes held in memory.
  bool isFile() const { return fd_ >= 0; }
  const FileIdentity& identity() const { return identity_; }
  bool isFile(quint64 device, quint64 inode) const {
    return fd_ >= 0 && device == identity_.device && inode == identity_.inode;
  }
  // A copy of these bytes in a file of our own without a name (gone when
  // closed), in the first of `folders` that takes it: what a document keeps
  // standing on when its file is about to be written over in place. Nothing
  // when no folder takes it, or when the file changed before the copy was
  // whole.
  std::shared_ptr<OriginalBytes> privateCopy(const QStringList& folders) const;
  // The file was written over by this program: what it holds now is what
  // the document is; its new size and time become the ones to compare with.
  void acceptOwnWrite();

 private:
  OriginalBytes() = default;
  struct Block {
    qint64 index = -1;
    std::shared_ptr<const std::string> bytes;
  };
  // The block, from the cache or read; a block read for a long pass is not
  // kept, so a pass over the file leaves the blocks of the screen cached.
  std::shared_ptr<const std::string> block(qint64 index, bool keep = true) const;
  std::shared_ptr<const std::string> load(qint64 index) const;
  static std::shared_ptr<OriginalBytes> reading(int fd);

  int fd_ = -1;
  qint64 size_ = 0;
  FileIdentity identity_;
  std::string held_;
  mutable std::vector<Block> cache_;  // the most recently used last
  mutable bool changed_ = false;
};

template <typename Take>
void OriginalBytes::read(qint64 from, qint64 to, Take&& take) const {
  from = std::max<qint64>(from, 0);
  to = std::min(to, size_);
  if (from >= to) return;
  if (fd_ < 0) {
    take(std::string_view(held_).substr(std::size_t(from), std::size_t(to - from)));
    return;
  }
  const bool keep = to - from <= 2 * kBlockBytes;
  for (qint64 at = from; at < to;) {
    const qint64 index = at / kBlockBytes;
    const std::shared_ptr<const std::string> bytes = block(index, keep);
    const qint64 start = index * kBlockBytes;
    const qint64 end = std::min(to, start + qint64(bytes->size()));
    if (!take(std::string_view(*bytes).substr(std::size_t(at - start), std::size_t(end - at)))) return;
    at = end;
  }
}

}  // namespace wrenpad::large
