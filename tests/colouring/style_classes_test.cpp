// SPDX-License-Identifier: GPL-3.0-or-later
// Class names read from the page's style block.
#include <gtest/gtest.h>

#include "colouring/style_classes.h"

namespace wrenpad {
namespace {

TEST(CollectStyleClasses, ClassSelectorsInOrder) {
  const QString page =
      "<html><head><style type=\"text/css\">\r\n.red{color:red}\r\n"
      ".big, p{font-size:20pt}\r\n</style></head></html>";
  EXPECT_EQ(CollectStyleClasses(page), QStringList({"red", "big,p"}));
  EXPECT_EQ(CollectStyleClasses("<style>\r\n  body{margin:0}\r\n  .Note { color:red }\r\n</style>"),
            QStringList({"note"}));
}

TEST(CollectStyleClasses, SelectorsThatAreNotClassesGiveNothing) {
  EXPECT_EQ(CollectStyleClasses("<style>p.note{}a:hover{}.a,.b{}</style>"),
            QStringList({"a,.b"}));
  EXPECT_EQ(CollectStyleClasses("<style>.{}</style>"), QStringList());
  EXPECT_EQ(CollectStyleClasses("<p class=x>no block</p>"), QStringList());
  EXPECT_EQ(CollectStyleClasses("<style>.open{color:red"), QStringList());
}

TEST(CollectStyleClasses, BlockHiddenInACommentAndLimits) {
  EXPECT_EQ(CollectStyleClasses("<style>\r\n<!--\r\n.x{}\r\n.y{}\r\n-->\r\n</style>"),
            QStringList({"x", "y"}));
  // A rule written after the comment's end, as a box class is added.
  EXPECT_EQ(CollectStyleClasses("<style>\r\n<!--\r\n.x{}\r\n-->\r\n  .my_box{border-style:outset}\r\n</style>"),
            QStringList({"x", "my_box"}));
  QString many = "<style>";
  for (int i = 1; i <= 35; ++i) many += QString(".c%1{}").arg(i);
  many += "</style>";
  const QStringList classes = CollectStyleClasses(many);
  ASSERT_EQ(classes.size(), kStyleClassRows);
  EXPECT_EQ(classes.back(), "c30");
  const QString longName = QString(1200, u'n');
  EXPECT_EQ(CollectStyleClasses("<style>." + longName + "{}</style>").front().size(),
            kStyleClassLength);
  // The limit does not split a character beyond 16 bits.
  const QString wide = QString::fromUcs4(U"\U0001F600");
  EXPECT_EQ(CollectStyleClasses("<style>." + QString(999, u'n') + wide + "{}</style>").front(),
            QString(999, u'n'));
}

TEST(FillStyleClassList, NamesUpToTheFirstEmptyRow) {
  EXPECT_EQ(FillStyleClassList({"a", "b", "", "c"}), QStringList({"a", "b"}));
  EXPECT_EQ(FillStyleClassList({}), QStringList());
}

}  // namespace
}  // namespace wrenpad
