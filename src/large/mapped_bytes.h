#pragma once
// The bytes of a large document's file as it was opened: mapped read-only
// (MAP_PRIVATE), so opening costs no reading and memory holds only the parts
// looked at. Long passes over the file (the line count, a search, a save)
// give their pages back as they go, so a pass over a file of a gigabyte does
// not leave a gigabyte resident.
//
// Tests and small texts hold their bytes in memory instead.

#include "files/file_failure.h"

#include <QString>
#include <QtGlobal>
#include <memory>
#include <string>
#include <string_view>

namespace wrenpad::large {

class MappedBytes {
 public:
  // The file as it is now; an empty file maps to no bytes.
  struct Opened {
    std::shared_ptr<MappedBytes> bytes;
    files::Failure failure;
  };
  static Opened map(const QString& path);
  static std::shared_ptr<MappedBytes> holding(std::string bytes);

  MappedBytes(const MappedBytes&) = delete;
  MappedBytes& operator=(const MappedBytes&) = delete;
  ~MappedBytes();

  const char* data() const { return data_; }
  qint64 size() const { return size_; }
  std::string_view view() const { return {data_, std::size_t(size_)}; }
  // Lets the system drop the resident pages of [from, to) (they are read
  // again from the file when touched); nothing for bytes held in memory.
  void release(qint64 from, qint64 to) const;
  // The same for the bytes `chunk` shows, when they are this file's.
  void release(std::string_view chunk) const;
  // Whether these are the bytes of the file with this device and inode.
  bool isFile(quint64 device, quint64 inode) const { return mapped_ && device == device_ && inode == inode_; }

 private:
  MappedBytes() = default;
  const char* data_ = nullptr;
  qint64 size_ = 0;
  bool mapped_ = false;
  quint64 device_ = 0;
  quint64 inode_ = 0;
  std::string held_;
};

}  // namespace wrenpad::large
