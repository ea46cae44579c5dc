// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/instance_slot.h"
#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace wrenpad;

TEST(InstanceSlot, ALiveRunKeepsItsSlotHoweverOldAndAGoneRunsSlotIsFreeAgain) {
  test::TempFolder folder;
  const QDateTime now = QDateTime::currentDateTime();
  InstanceLock first = claimInstanceSlot(folder.path(), now);
  EXPECT_EQ(first.slot(), 1);
  EXPECT_TRUE(QFile::exists(instanceMarkerPath(folder.path(), 1)));
  EXPECT_TRUE(InstanceSlotIsLive(folder.path(), 1));
  // However old its marker, a live run's slot is not taken.
  QFile marker(instanceMarkerPath(folder.path(), 1));
  ASSERT_TRUE(marker.open(QIODevice::ReadWrite));
  marker.setFileTime(now.addSecs(-5 * 3600), QFileDevice::FileModificationTime);
  marker.close();
  InstanceLock second = claimInstanceSlot(folder.path(), now);
  EXPECT_EQ(second.slot(), 2);
  // A slot kept back for work waiting to be offered is passed over.
  InstanceLock third = claimInstanceSlot(folder.path(), now, [](int slot) { return slot == 3; });
  EXPECT_EQ(third.slot(), 4);

  // The lock goes with the run; its marker, left behind, is free again.
  first = InstanceLock();
  EXPECT_TRUE(QFile::exists(instanceMarkerPath(folder.path(), 1)));
  EXPECT_FALSE(InstanceSlotIsLive(folder.path(), 1));
  EXPECT_EQ(claimInstanceSlot(folder.path(), now).slot(), 1);
}

TEST(InstanceSlot, MarkersArePrivateNeverFollowALinkAndGoAtAReleaseWhileLocked) {
  test::TempFolder folder;
  const QDateTime now = QDateTime::currentDateTime();
  // A link planted under a marker's name is not written through, nor does
  // a link to a name that is free make that file.
  const QString victim = folder.write("victim.txt", "someone else's");
  ASSERT_TRUE(QFile::link(victim, instanceMarkerPath(folder.path(), 1)));
  ASSERT_TRUE(QFile::link(folder.file("made.txt"), instanceMarkerPath(folder.path(), 2)));
  InstanceLock lock = claimInstanceSlot(folder.path(), now);
  EXPECT_EQ(lock.slot(), 3);
  EXPECT_EQ(test::TempFolder::read(victim), "someone else's");
  EXPECT_FALSE(QFile::exists(folder.file("made.txt")));
  EXPECT_EQ(QFile::permissions(instanceMarkerPath(folder.path(), 3)),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser);

  // A clean exit removes the marker; the slot is free at once.
  lock.release();
  EXPECT_FALSE(QFile::exists(instanceMarkerPath(folder.path(), 3)));
  EXPECT_FALSE(InstanceSlotIsLive(folder.path(), 3));
  EXPECT_EQ(claimInstanceSlot(folder.path(), now).slot(), 3);
}
