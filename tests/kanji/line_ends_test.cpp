// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "kanji/kanji.h"

namespace {

using namespace kanji;

TEST(ConvertLineEnds, OnlyLineEndsOfTheFirstKindChange) {
  EXPECT_EQ(ConvertLineEnds("a\nb\n\nc", leCrLf), "a\r\nb\r\n\r\nc");
  EXPECT_EQ(ConvertLineEnds("a\rb\r", leCrLf), "a\r\nb\r\n");
  EXPECT_EQ(ConvertLineEnds("no line end", leCrLf), "no line end");
  // Only line ends of the first kind change; others stay as they are.
  EXPECT_EQ(ConvertLineEnds("a\r\nb\nc", leCrLf), "a\r\nb\nc");
  EXPECT_EQ(ConvertLineEnds("a\nb\r\nc", leCrLf), "a\r\nb\r\r\nc");
  // To the other kinds; to the same kind or to none nothing changes.
  EXPECT_EQ(ConvertLineEnds("a\r\nb\r\n", leCr), "a\rb\r");
  EXPECT_EQ(ConvertLineEnds("a\nb\n", leCr), "a\rb\r");
  EXPECT_EQ(ConvertLineEnds("a\nb\n", leNone), "a\nb\n");
}

}  // namespace
