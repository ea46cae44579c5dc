#pragma once
// Each running instance takes a slot number that keeps its temporary files
// apart from those of other instances. The slot is claimed by a marker file
// "Wrenpad_<n>.txt"; a marker older than about an hour is a leftover of a run
// that did not end cleanly and may be taken over.

#include <QDateTime>
#include <QString>
#include <cstdint>

namespace wrenpad {

// The 32-bit DOS form of a local date and time: date in the high word
// ((year - 1980) << 9 | month << 5 | day), time in the low word
// (hour << 11 | minute << 5 | second / 2).
std::uint32_t packedDosDateTime(const QDateTime& localTime);

QString instanceMarkerPath(const QString& folder, int slot);

// Picks the first slot whose marker is missing or more than 3600 packed units
// older than `now`, and creates (or empties) its marker. Returns the slot.
int claimInstanceSlot(const QString& folder, const QDateTime& now);

}  // namespace wrenpad
