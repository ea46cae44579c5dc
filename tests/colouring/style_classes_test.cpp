// SPDX-License-Identifier: GPL-3.0-or-later
// Class names read from the page's style block.
#include <gtest/gtest.h>

#include "colouring/style_classes.h"

namespace wrenpad {
namespace {

TEST(CollectStyleClasses, ClassSelectorsInOrderAndNothingElse) {
  const std::pair<QString, QStringList> cases[] = {
      {"<html><head><style type=\"text/css\">\r\n.red{color:red}\r\n.big, p{font-size:20pt}\r\n</style></head></html>",
       {"red", "big,p"}},
      {"<style>\r\n  body{margin:0}\r\n  .Note { color:red }\r\n</style>", {"note"}},
      {"<style>p.note{}a:hover{}.a,.b{}</style>", {"a,.b"}},
      {"<style>.{}</style>", {}},
      {"<p class=x>no block</p>", {}},
      {"<style>.open{color:red", {}},
      // A block hidden in a comment, and a rule written after the comment's end.
      {"<style>\r\n<!--\r\n.x{}\r\n.y{}\r\n-->\r\n</style>", {"x", "y"}},
      {"<style>\r\n<!--\r\n.x{}\r\n-->\r\n  .my_box{border-style:outset}\r\n</style>", {"x", "my_box"}},
  };
  for (const auto& [page, classes] : cases) EXPECT_EQ(CollectStyleClasses(page), classes) << page.toStdString();
}

// The rows and the name length are limited; the limit does not split a
// character beyond 16 bits.
TEST(CollectStyleClasses, Limits) {
  QString many = "<style>";
  for (int i = 1; i <= 35; ++i) many += QString(".c%1{}").arg(i);
  many += "</style>";
  EXPECT_EQ(CollectStyleClasses(many).size(), kStyleClassRows);
  const QString wide = QString::fromUcs4(U"\U0001F600");
  EXPECT_EQ(CollectStyleClasses("<style>." + QString(999, u'n') + wide + "{}</style>").front(),
            QString(999, u'n'));
  // The list shows the names up to the first empty row.
  EXPECT_EQ(FillStyleClassList({"a", "b", "", "c"}), QStringList({"a", "b"}));
}

}  // namespace
}  // namespace wrenpad
