// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "kanji/kanji.h"

namespace {

using namespace kanji;

TEST(DetectLineEnd, FirstLineEndDecides) {
  EXPECT_EQ(DetectLineEnd(""), leNone);
  EXPECT_EQ(DetectLineEnd("no line end"), leNone);
  EXPECT_EQ(DetectLineEnd("a\r\nb\n"), leCrLf);
  EXPECT_EQ(DetectLineEnd("a\rb\r\n"), leCr);
  EXPECT_EQ(DetectLineEnd("a\nb\r\n"), leLf);
  EXPECT_EQ(DetectLineEnd("a\n\r"), leLf);
  EXPECT_EQ(DetectLineEnd("abc\r"), leCr);  // CR at the very end
}

TEST(ConvertLineEnds, ToCrLf) {
  EXPECT_EQ(ConvertLineEnds("a\nb\n\nc", leCrLf), "a\r\nb\r\n\r\nc");
  EXPECT_EQ(ConvertLineEnds("\n", leCrLf), "\r\n");
  EXPECT_EQ(ConvertLineEnds("a\rb\r", leCrLf), "a\r\nb\r\n");
  EXPECT_EQ(ConvertLineEnds("no line end", leCrLf), "no line end");
  // Only line ends of the first kind change; others stay as they are.
  EXPECT_EQ(ConvertLineEnds("a\r\nb\nc", leCrLf), "a\r\nb\nc");
  EXPECT_EQ(ConvertLineEnds("a\nb\r\nc", leCrLf), "a\r\nb\r\r\nc");
  EXPECT_EQ(ConvertLineEnds("a\rb\r\nc", leCrLf), "a\r\nb\r\n\nc");
}

TEST(ConvertLineEnds, ToOtherKinds) {
  EXPECT_EQ(ConvertLineEnds("a\r\nb\r\n", leLf), "a\nb\n");
  EXPECT_EQ(ConvertLineEnds("a\r\nb\r\n", leCr), "a\rb\r");
  EXPECT_EQ(ConvertLineEnds("a\nb\n", leCr), "a\rb\r");
  EXPECT_EQ(ConvertLineEnds("a\nb\n", leLf), "a\nb\n");
  EXPECT_EQ(ConvertLineEnds("a\nb\n", leNone), "a\nb\n");
}

TEST(ConvertLineEnds, LongText) {
  std::string lf, crlf;
  for (int i = 0; i < 20000; ++i) {
    const std::string line(i % 97, static_cast<char>('a' + i % 26));
    lf += line + "\n";
    crlf += line + "\r\n";
  }
  EXPECT_EQ(ConvertLineEnds(lf, leCrLf), crlf);
  EXPECT_EQ(ConvertLineEnds(crlf, leLf), lf);
}

}  // namespace
