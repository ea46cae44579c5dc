// SPDX-License-Identifier: GPL-3.0-or-later
// The line-break conversions behind the editor's CR LF text, and the kept
// CR LF text refusing a change it cannot follow. Random changes are followed
// through the editor itself (editor_control_test).
#include "editor/crlf_text.h"

#include <gtest/gtest.h>

namespace wrenpad {
namespace {

TEST(KeptText, AChangeRunningPastTheEndLeavesTheTextAsItWas) {
  PieceText kept(QStringLiteral("ab\r\ncd"));
  EXPECT_FALSE(followDocumentChange(kept, 4, 3, "x").has_value());
  EXPECT_FALSE(followDocumentChange(kept, 7, 0, "x").has_value());
  EXPECT_EQ(kept.toString(), "ab\r\ncd");
  // The break at the end counts as one character and goes whole.
  const std::optional<CrLfChange> change = followDocumentChange(kept, 1, 2, "");
  ASSERT_TRUE(change.has_value());
  EXPECT_EQ(change->removed, 3);
  EXPECT_EQ(kept.toString(), "acd");
}

TEST(CrLfText, OnlyATextOfCrLfBreaksAndOrdinaryCharactersReadsBackUnchanged) {
  EXPECT_TRUE(readsBackUnchanged(""));
  EXPECT_TRUE(readsBackUnchanged(QString::fromUtf8("一行目\r\n\tsecond\r\n")));
  EXPECT_FALSE(readsBackUnchanged("lf\nonly"));
  EXPECT_FALSE(readsBackUnchanged("lone\rcr"));
  EXPECT_FALSE(readsBackUnchanged("ends in cr\r"));
  EXPECT_FALSE(readsBackUnchanged("\nstarts with lf"));
  EXPECT_FALSE(readsBackUnchanged(QString("nul") + QChar(0) + "inside"));
  EXPECT_FALSE(readsBackUnchanged(QString("sep") + QChar(0x2028)));
  EXPECT_FALSE(readsBackUnchanged(QString("frame") + QChar(0xFDD0)));
}

}  // namespace
}  // namespace wrenpad
