// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/instance_slot.h"

#include "files/descriptors.h"
#include "files/private_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace wrenpad {

std::uint32_t packedDosDateTime(const QDateTime& localTime) {
  const QDate date = localTime.date();
  const QTime time = localTime.time();
  const std::uint32_t year = static_cast<std::uint32_t>(std::max(0, date.year() - 1980));
  const std::uint32_t datePart = (year << 9) | (std::uint32_t(date.month()) << 5) |
                                 std::uint32_t(date.day());
  const std::uint32_t timePart = (std::uint32_t(time.hour()) << 11) |
                                 (std::uint32_t(time.minute()) << 5) |
                                 std::uint32_t(time.second() / 2);
  return (datePart << 16) | timePart;
}

QString instanceMarkerPath(const QString& folder, int slot) {
  return QDir(folder).filePath(QStringLiteral("Wrenpad_%1.txt").arg(slot));
}

InstanceLock::InstanceLock(InstanceLock&& other) noexcept
    : slot_(std::exchange(other.slot_, 0)),
      descriptor_(std::exchange(other.descriptor_, -1)),
      marker_(std::exchange(other.marker_, QString())) {}

InstanceLock& InstanceLock::operator=(InstanceLock&& other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0) ::close(descriptor_);
    slot_ = std::exchange(other.slot_, 0);
    descriptor_ = std::exchange(other.descriptor_, -1);
    marker_ = std::exchange(other.marker_, QString());
  }
  return *this;
}

InstanceLock::~InstanceLock() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

void InstanceLock::release() {
  if (descriptor_ < 0) return;
  // Removed while still locked: a run that opened the marker meanwhile finds
  // its lock on a file the name no longer names, and tries again.
  ::unlink(files::native(marker_).constData());
  ::close(std::exchange(descriptor_, -1));
}

namespace {
// Only so many instances are looked for; a folder never holds more.
constexpr int kLastSlot = 999;

// The marker opened and locked; -1 when another run holds it. Never through
// a link planted under the marker's name.
int lockMarker(const QString& path) {
  for (int attempt = 0; attempt < 8; ++attempt) {
    const int descriptor =
        ::open(files::native(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0) return -1;
    const files::LockOutcome lock = files::lockWhileNamed(descriptor, path);
    if (lock == files::LockOutcome::Locked) return descriptor;
    ::close(descriptor);
    if (lock == files::LockOutcome::HeldElsewhere) return -1;
  }
  return -1;
}
}  // namespace

InstanceLock claimInstanceSlot(const QString& folder, const QDateTime& now,
                               const std::function<bool(int slot)>& reserved) {
  files::makePrivateFolders(folder);
  for (int slot = 1; slot <= kLastSlot; ++slot) {
    if (reserved && reserved(slot)) continue;
    const int descriptor = lockMarker(instanceMarkerPath(folder, slot));
    if (descriptor < 0) continue;
    const QByteArray stamp = QByteArray::number(packedDosDateTime(now.toLocalTime()));
    [[maybe_unused]] const int truncated = ::ftruncate(descriptor, 0);
    [[maybe_unused]] const ssize_t written = ::write(descriptor, stamp.constData(), std::size_t(stamp.size()));
    return InstanceLock(slot, descriptor, instanceMarkerPath(folder, slot));
  }
  return InstanceLock(kLastSlot + 1, -1, QString());
}

bool InstanceSlotIsLive(const QString& folder, int slot) {
  const int descriptor = ::open(files::native(instanceMarkerPath(folder, slot)).constData(),
                                O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
  if (descriptor < 0) return false;
  const bool live = ::flock(descriptor, LOCK_SH | LOCK_NB) != 0;
  ::close(descriptor);
  return live;
}

}  // namespace wrenpad
