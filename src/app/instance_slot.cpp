#include "app/instance_slot.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

namespace {
bool markerIsFree(const QString& path, std::uint32_t now) {
  const QFileInfo marker(path);
  if (!marker.exists()) return true;
  const std::uint32_t stamp = packedDosDateTime(marker.lastModified().toLocalTime());
  return static_cast<std::int64_t>(stamp) < static_cast<std::int64_t>(now) - 3600;
}
}  // namespace

int claimInstanceSlot(const QString& folder, const QDateTime& now) {
  const std::uint32_t packedNow = packedDosDateTime(now.toLocalTime());
  int slot = 1;
  while (!markerIsFree(instanceMarkerPath(folder, slot), packedNow)) ++slot;
  QFile marker(instanceMarkerPath(folder, slot));
  if (marker.open(QIODevice::WriteOnly | QIODevice::Truncate)) marker.close();
  return slot;
}

}  // namespace wrenpad
