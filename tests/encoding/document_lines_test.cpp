// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/document_lines.h"

#include <gtest/gtest.h>

using namespace wrenpad;

TEST(DocumentLines, SplitsAtEveryLineEndAndKeepsEveryOtherCharacter) {
  DocumentLines lines;
  lines.setText(QStringLiteral("a\r\nb\rc\nd"));
  EXPECT_EQ(lines.lines(), QStringList({"a", "b", "c", "d"}));
  // Every line ends with CR LF, the last one too.
  EXPECT_EQ(lines.text(), "a\r\nb\r\nc\r\nd\r\n");
  // LF CR is two line ends; an empty line survives.
  lines.setText(QStringLiteral("a\n\rb\r\n\r\n"));
  EXPECT_EQ(lines.text(), "a\r\n\r\nb\r\n\r\n");
  // A NUL is text like any other: a save never stops at it.
  lines.setText(QString::fromLatin1("ab\0cd\r\nx", 8));
  EXPECT_EQ(lines.text(), QString::fromLatin1("ab\0cd\r\nx\r\n", 10));
  lines.setText(QString());
  EXPECT_EQ(lines.text(), "");
}
