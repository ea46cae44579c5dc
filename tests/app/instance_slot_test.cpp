#include "app/instance_slot.h"
#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace wrenpad;

TEST(InstanceSlot, PacksDateAndTimeInTheDosForm) {
  const QDateTime at(QDate(2026, 12, 6), QTime(13, 45, 31));
  const std::uint32_t date = (46u << 9) | (12u << 5) | 6u;
  const std::uint32_t time = (13u << 11) | (45u << 5) | 15u;  // seconds halved
  EXPECT_EQ(packedDosDateTime(at), (date << 16) | time);
}

TEST(InstanceSlot, SecondInstanceTakesTheNextSlotAndStaleMarkersAreReused) {
  test::TempFolder folder;
  const QDateTime now = QDateTime::currentDateTime();
  EXPECT_EQ(claimInstanceSlot(folder.path(), now), 1);
  EXPECT_TRUE(QFile::exists(instanceMarkerPath(folder.path(), 1)));
  EXPECT_EQ(claimInstanceSlot(folder.path(), now), 2);

  // A marker left by a crashed run two hours ago is taken over and emptied.
  QFile stale(instanceMarkerPath(folder.path(), 1));
  ASSERT_TRUE(stale.open(QIODevice::ReadWrite));
  stale.write("left over");
  stale.close();
  ASSERT_TRUE(stale.open(QIODevice::ReadWrite));
  stale.setFileTime(now.addSecs(-2 * 3600), QFileDevice::FileModificationTime);
  stale.close();
  EXPECT_EQ(claimInstanceSlot(folder.path(), now), 1);
  EXPECT_EQ(QFile(instanceMarkerPath(folder.path(), 1)).size(), 0);
}
