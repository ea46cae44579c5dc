// SPDX-License-Identifier: GPL-3.0-or-later
// The modeless seam: a form's buttons send value requests through a channel
// that a command object serves; a test sends the same requests, no widget.
#include "platform/value_form.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

TEST(RequestChannel, RequestsReachTheServingCommandAndNothingIsLostSilently) {
  RequestChannel<QString> channel;
  EXPECT_FALSE(channel.served());
  EXPECT_FALSE(channel.send("needle"));  // nothing serves it yet: the sender is told

  QStringList served;
  channel.serve([&served](const QString& request) { served << request; });
  EXPECT_TRUE(channel.served());
  EXPECT_TRUE(channel.send("needle"));
  EXPECT_TRUE(channel.send("hay"));
  EXPECT_EQ(served, QStringList({"needle", "hay"}));
}

}  // namespace
}  // namespace wrenpad
