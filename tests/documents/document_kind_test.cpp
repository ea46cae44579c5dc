// SPDX-License-Identifier: GPL-3.0-or-later
// Names made from a line of the text stay one file name in the current
// folder.
#include "documents/document_kind.h"

#include <gtest/gtest.h>

using namespace wrenpad;

TEST(FileNameFromText, KeepsTheNameInTheCurrentFolderAndDropsMarkUp) {
  EXPECT_EQ(fileNameFromText("  ../escaped  "), "escaped");
  EXPECT_EQ(fileNameFromText("dir/name"), "dirname");
  EXPECT_EQ(fileNameFromText("a\\b"), "ab");
  EXPECT_EQ(fileNameFromText("<h1 align=\"center\">Title</h1>"), "Title");
  EXPECT_EQ(fileNameFromText("x..y"), "x.y");
  EXPECT_EQ(fileNameFromText(QString("bell\x07") + QChar(0x7F) + "end"), "bellend");
  EXPECT_EQ(fileNameFromText(".hidden"), "hidden");
  for (const char* nothing : {"", "   ", "..", "<br>", "/", "...."})
    EXPECT_FALSE(fileNameFromText(nothing).has_value()) << nothing;
  // Long lines give names the file system takes, never half a character.
  const std::optional<QString> kanji = fileNameFromText(QString(300, QChar(0x65E5)));
  ASSERT_TRUE(kanji.has_value());
  EXPECT_LE(kanji->toUtf8().size(), 200);
  QString emoji;
  for (int i = 0; i < 100; ++i) emoji += QString::fromUcs4(U"\U0001F600");
  EXPECT_FALSE(fileNameFromText(emoji)->back().isHighSurrogate());
}
