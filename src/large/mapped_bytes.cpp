#include "large/mapped_bytes.h"

#include "files/file_names.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wrenpad::large {

MappedBytes::Opened MappedBytes::map(const QString& path) {
  // Without waiting: a FIFO in the file's place would hold the open forever.
  const int fd = ::open(files::fileNameToBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return {nullptr, files::failureOf(errno)};
  struct stat st;
  files::Failure failure;
  std::shared_ptr<MappedBytes> bytes(new MappedBytes);
  if (::fstat(fd, &st) != 0) {
    failure = files::failureOf(errno);
  } else if (!S_ISREG(st.st_mode)) {
    failure = files::because(files::Problem::NotRegular);
  } else if (st.st_size > 0) {
    void* address = ::mmap(nullptr, std::size_t(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    if (address == MAP_FAILED) {
      failure = files::failureOf(errno);
    } else {
      bytes->data_ = static_cast<const char*>(address);
      bytes->size_ = st.st_size;
      bytes->mapped_ = true;
      bytes->device_ = quint64(st.st_dev);
      bytes->inode_ = quint64(st.st_ino);
    }
  }
  ::close(fd);
  if (failure.failed()) return {nullptr, failure};
  return {std::move(bytes), {}};
}

std::shared_ptr<MappedBytes> MappedBytes::holding(std::string bytes) {
  std::shared_ptr<MappedBytes> held(new MappedBytes);
  held->held_ = std::move(bytes);
  held->data_ = held->held_.data();
  held->size_ = qint64(held->held_.size());
  return held;
}

MappedBytes::~MappedBytes() {
  if (mapped_) ::munmap(const_cast<char*>(data_), std::size_t(size_));
}

void MappedBytes::release(qint64 from, qint64 to) const {
  if (!mapped_) return;
  // Whole pages inside the range only: a page shared with bytes outside it
  // may be in use.
  static const qint64 page = ::sysconf(_SC_PAGESIZE);
  const qint64 start = (from + page - 1) / page * page;
  const qint64 end = std::min(to, size_) / page * page;
  if (end > start) ::madvise(const_cast<char*>(data_ + start), std::size_t(end - start), MADV_DONTNEED);
}

void MappedBytes::release(std::string_view chunk) const {
  if (!mapped_ || chunk.data() < data_ || chunk.data() + chunk.size() > data_ + size_) return;
  release(chunk.data() - data_, chunk.data() - data_ + qint64(chunk.size()));
}

}  // namespace wrenpad::large
