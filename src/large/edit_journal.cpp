// SPDX-License-Identifier: GPL-3.0-or-later
#include "large/edit_journal.h"

#include "files/descriptors.h"
#include "files/file_names.h"
#include "files/private_files.h"

#include <QFileInfo>
#include <QStringList>
#include <QtEndian>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <sys/file.h>
#include <unistd.h>

namespace wrenpad::large {

namespace {

// The file's first bytes; the number is the version of the layout.
constexpr std::string_view kMagic = "Wrenpad edits 1\n";
constexpr quint32 kRecordTag = 0x45444954;  // "EDIT"
constexpr qint64 kRecordHeadBytes = 4 + 3 * 8;
constexpr qint64 kLongestPath = qint64(1) << 16;

// FNV-1a, 64 bits: enough to tell a record cut short or left half on disk.
class CheckSum {
 public:
  void add(std::string_view bytes) {
    for (const char c : bytes) value_ = (value_ ^ quint8(c)) * 0x100000001b3ULL;
  }
  quint64 value() const { return value_; }

 private:
  quint64 value_ = 0xcbf29ce484222325ULL;
};

void putNumber(std::string& out, quint64 value, int bytes = 8) {
  for (int i = 0; i < bytes; ++i) out += char((value >> (8 * i)) & 0xff);
}

quint64 numberAt(std::string_view in, std::size_t at, int bytes = 8) {
  quint64 value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | quint8(in[at + std::size_t(i)]);
  return value;
}

std::string headBytes(const JournalBase& base) {
  const QByteArray path = files::native(base.path);
  std::string head(kMagic);
  putNumber(head, base.identity.device);
  putNumber(head, base.identity.inode);
  putNumber(head, quint64(base.identity.size));
  putNumber(head, quint64(base.identity.modifiedNs));
  putNumber(head, quint64(base.encoding), 4);
  putNumber(head, quint64(path.size()), 4);
  head.append(path.constData(), std::size_t(path.size()));
  CheckSum sum;
  sum.add(head);
  putNumber(head, sum.value());
  return head;
}

std::string recordHead(const Change& change) {
  std::string head;
  putNumber(head, kRecordTag, 4);
  putNumber(head, quint64(change.offset));
  putNumber(head, quint64(change.removed));
  putNumber(head, quint64(change.inserted));
  return head;
}

// Reads a journal from its start, in order, with a buffer of its own.
class JournalReader {
 public:
  explicit JournalReader(const QString& path)
      : fd_(::open(files::native(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC)) {}

  // Exactly `count` bytes appended to `out`; false at the end of the file.
  bool take(qint64 count, std::string& out) {
    while (count > 0) {
      if (at_ == buffer_.size() && !fill()) return false;
      const std::size_t part = std::min(std::size_t(count), buffer_.size() - at_);
      out.append(buffer_, at_, part);
      at_ += part;
      count -= qint64(part);
    }
    return true;
  }

  std::optional<JournalBase> base() {
    std::string head;
    if (!fd_.valid() || !take(qint64(kMagic.size()) + 4 * 8 + 2 * 4, head) || !head.starts_with(kMagic))
      return std::nullopt;
    const std::size_t numbers = kMagic.size();
    const qint64 pathBytes = qint64(numberAt(head, numbers + 36, 4));
    if (pathBytes > kLongestPath || !take(pathBytes, head)) return std::nullopt;
    CheckSum sum;
    sum.add(head);
    std::string written;
    if (!take(8, written) || numberAt(written, 0) != sum.value()) return std::nullopt;
    const quint32 encoding = quint32(numberAt(head, numbers + 32, 4));
    if (encoding > quint32(TextEncoding::Utf8)) return std::nullopt;
    JournalBase base;
    base.identity = {numberAt(head, numbers), numberAt(head, numbers + 8), qint64(numberAt(head, numbers + 16)),
                     qint64(numberAt(head, numbers + 24))};
    base.encoding = TextEncoding(encoding);
    base.path = files::fileNameFromBytes(QByteArray(head.data() + numbers + 40, qsizetype(pathBytes)));
    return base;
  }

 private:
  bool fill() {
    buffer_.resize(std::size_t(EditJournal::kBlockBytes));
    const ssize_t got = ::read(fd_.get(), buffer_.data(), buffer_.size());
    buffer_.resize(got > 0 ? std::size_t(got) : 0);
    at_ = 0;
    return got > 0;
  }

  files::Fd fd_;
  std::string buffer_;
  std::size_t at_ = 0;
};

// What a walk over the records does with each: `start` gets the record's
// change (false stops the walk), `block` its inserted bytes in order.
struct RecordVisitor {
  std::function<bool(const Change&)> start;
  std::function<void(std::string_view)> block;
};

// Walks at most `most` whole records after the head and returns how many
// there were. A record cut short or with a wrong check sum ends the walk;
// the visitor has then seen its start and some of its bytes.
qint64 walkRecords(JournalReader& reader, qint64 most, const RecordVisitor& visit) {
  qint64 walked = 0;
  std::string bytes;
  while (walked < most) {
    bytes.clear();
    if (!reader.take(kRecordHeadBytes, bytes) || numberAt(bytes, 0, 4) != kRecordTag) break;
    CheckSum sum;
    sum.add(bytes);
    const Change change{qint64(numberAt(bytes, 4)), qint64(numberAt(bytes, 12)), qint64(numberAt(bytes, 20))};
    if (change.offset < 0 || change.removed < 0 || change.inserted < 0) break;
    if (visit.start && !visit.start(change)) break;
    bool whole = true;
    for (qint64 done = 0; whole && done < change.inserted; done += qint64(bytes.size())) {
      bytes.clear();
      whole = reader.take(std::min(change.inserted - done, EditJournal::kBlockBytes), bytes);
      sum.add(bytes);
      if (whole && visit.block) visit.block(bytes);
    }
    bytes.clear();
    if (!whole || !reader.take(8, bytes) || numberAt(bytes, 0) != sum.value()) break;
    ++walked;
  }
  return walked;
}

}  // namespace

EditJournal::EditJournal(QString journalPath, JournalBase base)
    : path_(std::move(journalPath)), base_(std::move(base)) {}

EditJournal::~EditJournal() {
  if (fd_ >= 0) ::close(fd_);
}

files::Failure EditJournal::open() {
  files::AppendOnlyFile made = files::createAppendOnlyFile(path_);
  if (made.failure.failed()) return made.failure;
  fd_ = made.fd;
  // Held while this run lives: a second instance does not take a live
  // run's edits for a gone one's.
  ::flock(fd_, LOCK_EX | LOCK_NB);
  if (const int error = append(headBytes(base_))) return files::failureOf(error);
  files::syncFolder(QFileInfo(path_).absolutePath());
  return {};
}

int EditJournal::append(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return written < 0 ? errno : EIO;
    bytes.remove_prefix(std::size_t(written));
  }
  return 0;
}

int EditJournal::writeRecord(const LargeDocument& document, const Change& change) {
  std::string out = recordHead(change);
  CheckSum sum;
  sum.add(out);
  // A short record goes in one write; a long stretch a block at a time.
  for (qint64 done = 0; done < change.inserted;) {
    const qint64 to = std::min(change.inserted, done + kBlockBytes);
    const std::string block = document.bytes(change.offset + done, change.offset + to);
    sum.add(block);
    out += block;
    done = to;
    if (done < change.inserted) {
      if (const int error = append(out)) return error;
      out.clear();
    }
  }
  putNumber(out, sum.value());
  return append(out);
}

files::Failure EditJournal::record(const LargeDocument& document, const Change& change) {
  if (failed_) return {};
  files::Failure failure;
  if (fd_ < 0) failure = open();
  if (!failure.failed()) {
    if (const int error = writeRecord(document, change)) failure = files::failureOf(error);
  }
  if (failure.failed()) {
    remove();
    failed_ = true;
    return failure;
  }
  unsynced_ = true;
  if (!sinceSync_.isValid() || sinceSync_.elapsed() >= kSyncIntervalMs) sync();
  return {};
}

void EditJournal::sync() {
  if (fd_ >= 0 && unsynced_) ::fdatasync(fd_);
  unsynced_ = false;
  sinceSync_.start();
}

void EditJournal::remove() {
  if (fd_ < 0) return;
  // Unlinked while still held, so no other instance claims a name that goes.
  ::unlink(files::native(path_).constData());
  ::close(fd_);
  fd_ = -1;
  unsynced_ = false;
}

std::optional<JournalBase> readJournalBase(const QString& journalPath) {
  JournalReader reader(journalPath);
  return reader.base();
}

qint64 wholeRecords(const QString& journalPath) {
  JournalReader reader(journalPath);
  return reader.base() ? walkRecords(reader, std::numeric_limits<qint64>::max(), {}) : 0;
}

namespace {
// The whole records of a journal, their positions checked against a
// document of `size` bytes; nothing when one does not fit (a record is
// headed before its bytes are written, so even a record cut short has a
// true head).
std::optional<qint64> fittingRecords(const QString& journalPath, qint64 size) {
  JournalReader reader(journalPath);
  if (!reader.base()) return std::nullopt;
  bool fits = true;
  const qint64 count = walkRecords(reader, std::numeric_limits<qint64>::max(), {[&](const Change& change) {
    fits = change.offset + change.removed <= size;
    size += change.inserted - change.removed;
    return fits;
  }, {}});
  return fits ? std::optional<qint64>(count) : std::nullopt;
}
}  // namespace

Replay replayJournal(const QString& journalPath, const FileIdentity& current, LargeDocument& document) {
  JournalReader reader(journalPath);
  const std::optional<JournalBase> base = reader.base();
  if (!base) return {};
  if (base->identity != current || document.size() != current.size) return {ReplayOutcome::OriginalChanged, 0};
  const std::optional<qint64> whole = fittingRecords(journalPath, document.size());
  if (!whole) return {};
  document.sealUndoStep();
  qint64 at = 0;
  qint64 removing = 0;
  const qint64 replayed = walkRecords(reader, *whole, {[&](const Change& change) {
    at = change.offset;
    removing = change.removed;
    if (change.inserted == 0) document.replace(at, removing, {});
    return true;
  }, [&](std::string_view block) {
    document.replace(at, removing, block);
    at += qint64(block.size());
    removing = 0;
  }});
  document.sealUndoStep();
  return {ReplayOutcome::Replayed, replayed};
}

std::optional<QString> typedText(const QString& journalPath, qint64 limitBytes) {
  JournalReader reader(journalPath);
  const std::optional<JournalBase> base = reader.base();
  if (!base) return std::nullopt;
  std::string typed;
  qint64 end = -1;  // where the text the last record put in ends
  walkRecords(reader, std::numeric_limits<qint64>::max(), {[&](const Change& change) {
    if (change.inserted > 0 && change.offset != end && !typed.empty()) typed += '\n';
    end = change.offset + change.inserted;
    return qint64(typed.size()) < limitBytes;
  }, [&](std::string_view block) {
    typed.append(block.substr(0, std::size_t(std::max<qint64>(0, limitBytes - qint64(typed.size())))));
  }});
  // Decoded a line at a time, as the view decodes them: the codes' bytes
  // never take a CR or an LF inside a character.
  QStringList lines;
  std::string_view rest(typed);
  while (true) {
    const std::size_t lineEnd = rest.find_first_of("\r\n");
    lines << decodeText(base->encoding, rest.substr(0, lineEnd)).text;
    if (lineEnd == std::string_view::npos) break;
    const std::size_t next = rest.compare(lineEnd, 2, "\r\n") == 0 ? lineEnd + 2 : lineEnd + 1;
    rest.remove_prefix(next);
  }
  return lines.join(u'\n');
}

}  // namespace wrenpad::large
