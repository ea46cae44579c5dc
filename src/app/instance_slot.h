// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Each running instance takes a slot number that keeps its temporary files
// apart from those of other instances. The slot is claimed by a marker file
// "Wrenpad_<n>.txt" that the instance holds locked for as long as it runs, so
// a later instance never takes the slot of a live one, however long it has
// run; the lock goes with the process, so a run that ended without cleaning
// up leaves a marker that is free again.

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <functional>
#include <utility>

namespace wrenpad {

// The 32-bit DOS form of a local date and time: date in the high word
// ((year - 1980) << 9 | month << 5 | day), time in the low word
// (hour << 11 | minute << 5 | second / 2).
std::uint32_t packedDosDateTime(const QDateTime& localTime);

QString instanceMarkerPath(const QString& folder, int slot);

// The slot this run holds; the lock ends with the object (or the process).
class InstanceLock {
 public:
  InstanceLock() = default;
  InstanceLock(int slot, int descriptor, QString marker)
      : slot_(slot), descriptor_(descriptor), marker_(std::move(marker)) {}
  InstanceLock(InstanceLock&& other) noexcept;
  InstanceLock& operator=(InstanceLock&& other) noexcept;
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;
  ~InstanceLock();

  int slot() const { return slot_; }
  // Ends the claim at a clean exit: the marker is removed, then unlocked.
  void release();

 private:
  int slot_ = 0;
  int descriptor_ = -1;
  QString marker_;
};

// Claims the first slot whose marker no live run holds and that `reserved`
// does not keep back (work of a gone run waiting to be offered), writes the
// time into its marker and locks it.
InstanceLock claimInstanceSlot(const QString& folder, const QDateTime& now,
                               const std::function<bool(int slot)>& reserved = {});

// Whether a running instance holds the slot's marker.
bool InstanceSlotIsLive(const QString& folder, int slot);

}  // namespace wrenpad
