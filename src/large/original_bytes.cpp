// SPDX-License-Identifier: GPL-3.0-or-later
#include "large/original_bytes.h"

#include "files/descriptors.h"
#include "files/file_names.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wrenpad::large {

namespace {
FileIdentity identityOf(const struct stat& st) {
  return {quint64(st.st_dev), quint64(st.st_ino), qint64(st.st_size),
          qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec};
}

// Reads [offset, offset + size) whole; false when the file ends first or a read fails.
bool readWhole(int fd, char* into, qint64 size, qint64 offset) {
  for (qint64 done = 0; done < size;) {
    const ssize_t got = ::pread(fd, into + done, std::size_t(size - done), off_t(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    done += got;
  }
  return true;
}
}  // namespace

OriginalBytes::Opened OriginalBytes::open(const QString& path) {
  // Without waiting: a FIFO in the file's place would hold the open forever.
  const int fd = ::open(files::fileNameToBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return {nullptr, files::failureOf(errno)};
  struct stat st;
  files::Failure failure;
  if (::fstat(fd, &st) != 0)
    failure = files::failureOf(errno);
  else if (!S_ISREG(st.st_mode))
    failure = files::because(files::Problem::NotRegular);
  if (failure.failed()) {
    ::close(fd);
    return {nullptr, failure};
  }
  return {reading(fd), {}};
}

std::shared_ptr<OriginalBytes> OriginalBytes::reading(int fd) {
  std::shared_ptr<OriginalBytes> bytes(new OriginalBytes);
  bytes->fd_ = fd;
  bytes->acceptOwnWrite();
  return bytes;
}

void OriginalBytes::acceptOwnWrite() {
  struct stat st;
  if (fd_ < 0 || ::fstat(fd_, &st) != 0) return;
  identity_ = identityOf(st);
  size_ = qint64(st.st_size);
  cache_.clear();
  changed_ = false;
}

std::shared_ptr<OriginalBytes> OriginalBytes::privateCopy(const QStringList& folders) const {
  if (fd_ < 0 || checkFile()) return nullptr;
  for (const QString& folder : folders) {
    files::Fd copy(files::openUnnamedFile(folder));
    if (!copy.valid() || files::copyBytes(fd_, copy.get(), size_) != 0) continue;
    // Bytes another program wrote during the copy are not ours.
    if (checkFile()) return nullptr;
    return reading(copy.release());
  }
  return nullptr;
}

std::shared_ptr<OriginalBytes> OriginalBytes::holding(std::string bytes) {
  std::shared_ptr<OriginalBytes> held(new OriginalBytes);
  held->held_ = std::move(bytes);
  held->size_ = qint64(held->held_.size());
  return held;
}

OriginalBytes::~OriginalBytes() {
  if (fd_ >= 0) ::close(fd_);
}

char OriginalBytes::byteAt(qint64 offset) const {
  if (offset < 0 || offset >= size_) return 0;
  if (fd_ < 0) return held_[std::size_t(offset)];
  const qint64 index = offset / kBlockBytes;
  return (*block(index))[std::size_t(offset - index * kBlockBytes)];
}

bool OriginalBytes::checkFile() const {
  if (fd_ < 0 || changed_) return changed_;
  struct stat st;
  if (::fstat(fd_, &st) != 0 || identityOf(st) != identity_) changed_ = true;
  return changed_;
}

std::shared_ptr<const std::string> OriginalBytes::block(qint64 index, bool keep) const {
  // The most recently used block is the last: a run of reads in one block
  // finds it at once.
  for (std::size_t i = cache_.size(); i-- > 0;) {
    if (cache_[i].index != index) continue;
    if (i + 1 != cache_.size()) std::rotate(cache_.begin() + std::ptrdiff_t(i), cache_.begin() + std::ptrdiff_t(i) + 1, cache_.end());
    return cache_.back().bytes;
  }
  if (!keep) return load(index);
  if (cache_.size() >= kCachedBlocks) cache_.erase(cache_.begin());
  cache_.push_back({index, load(index)});
  return cache_.back().bytes;
}

std::shared_ptr<const std::string> OriginalBytes::load(qint64 index) const {
  const qint64 start = index * kBlockBytes;
  const qint64 size = std::min(kBlockBytes, size_ - start);
  auto bytes = std::make_shared<std::string>(std::size_t(size), kStandIn);
  if (changed_) return bytes;
  // Bytes read are taken only when the file is still as it was opened after
  // the read: a write into it moves its modification time before it puts
  // its bytes in, so bytes of another program never pass this check.
  const bool read = readWhole(fd_, bytes->data(), size, start);
  if (!read || checkFile()) {
    changed_ = true;
    std::fill(bytes->begin(), bytes->end(), kStandIn);
  }
  return bytes;
}

}  // namespace wrenpad::large
