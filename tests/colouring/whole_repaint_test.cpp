// SPDX-License-Identifier: GPL-3.0-or-later
// The text-only decisions of the whole-document repaint.
#include <gtest/gtest.h>

#include "colouring/whole_repaint.h"

namespace wrenpad {
namespace {

TEST(FirstScriptStretch, FromAfterTheOpeningTagToTheLastLineBreakOrNothing) {
  const QString page =
      "<head>\r\n<script language=\"JavaScript\"><!--\r\nvar a;\r\n// --></script>\r\n";
  const std::optional<ProgramStretch> stretch = FirstScriptStretch(page);
  ASSERT_TRUE(stretch.has_value());
  // 1-based: the "<" after ">" is position 39; the CR before "// -->" is 51.
  EXPECT_EQ(stretch->from, 39);
  EXPECT_EQ(stretch->to, 51);
  EXPECT_EQ(page.mid(stretch->from - 1, stretch->to - stretch->from + 1), "<!--\r\nvar a;\r");
  // One stretch from the first block to the last.
  const QString two = "<SCRIPT type=\"text/javascript\">\r\na();\r\n</SCRIPT>\r\n<script>\r\nb();\r\n</script>";
  const std::optional<ProgramStretch> both = FirstScriptStretch(two);
  ASSERT_TRUE(both.has_value());
  EXPECT_EQ(both->from, 32);
  EXPECT_EQ(two.mid(both->to - 1), "\r\n</script>");

  // Nothing without JavaScript or a stretch.
  EXPECT_FALSE(FirstScriptStretch("<script>\r\nx\r\n</script>"));  // no "javascript"
  EXPECT_FALSE(FirstScriptStretch("<script>javascript"));           // no "</script>"
  EXPECT_FALSE(FirstScriptStretch("javascript</script>"));          // no "<script"
  EXPECT_FALSE(FirstScriptStretch("<script>javascript</script>"));  // no line break
  EXPECT_FALSE(FirstScriptStretch("<script\r\njavascript</script>"));  // tag never closed
}

}  // namespace
}  // namespace wrenpad
