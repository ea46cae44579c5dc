// SPDX-License-Identifier: GPL-3.0-or-later
// Names made from a line of the text stay one file name in the current
// folder; a program file selects its language, and Display as Web Page
// switches the document mode.
#include "documents/document_kind.h"
#include "documents/document_mode.h"

#include <gtest/gtest.h>

using namespace wrenpad;

TEST(FileNameFromText, KeepsTheNameInTheCurrentFolderAndDropsMarkUp) {
  EXPECT_EQ(fileNameFromText("  Plan A  "), "Plan A");
  EXPECT_EQ(fileNameFromText(QString::fromUtf8("日本語のメモ")), QString::fromUtf8("日本語のメモ"));
  EXPECT_EQ(fileNameFromText("../escaped"), "escaped");
  EXPECT_EQ(fileNameFromText("dir/name"), "dirname");
  EXPECT_EQ(fileNameFromText("a\\b"), "ab");
  EXPECT_EQ(fileNameFromText("MyTitle<br>"), "MyTitle");
  EXPECT_EQ(fileNameFromText("<h1 align=\"center\">Title</h1>"), "Title");
  EXPECT_EQ(fileNameFromText("x..y"), "x.y");
  EXPECT_EQ(fileNameFromText(QString("bell\x07") + QChar(0x7F) + "end"), "bellend");
  EXPECT_EQ(fileNameFromText(".hidden"), "hidden");
  for (const char* nothing : {"", "   ", "..", "<br>", "/", "...."})
    EXPECT_FALSE(fileNameFromText(nothing).has_value()) << nothing;
}

TEST(FileNameFromText, LongLinesGiveNamesTheFileSystemTakes) {
  const QString kanji = QString(300, QChar(0x65E5));  // three bytes each in UTF-8
  const std::optional<QString> name = fileNameFromText(kanji);
  ASSERT_TRUE(name.has_value());
  EXPECT_LE(name->toUtf8().size(), 200);
  QString emoji;
  for (int i = 0; i < 100; ++i) emoji += QString::fromUcs4(U"\U0001F600");
  const QString shortened = *fileNameFromText(emoji);
  EXPECT_FALSE(shortened.back().isHighSurrogate());  // never half a character
}

TEST(DocumentMode, ProgramFilesSelectTheirLanguageAndTheWebPageSwitchGivesBackText) {
  EXPECT_EQ(programLanguageOf("/src/a.CPP"), LanguageMode::Cpp);
  EXPECT_EQ(programLanguageOf("/src/Main.java"), LanguageMode::Java);
  EXPECT_EQ(programLanguageOf("/cgi-bin/form.cgi"), LanguageMode::Perl);
  EXPECT_EQ(programLanguageOf("/src/unit.pp"), LanguageMode::Pascal);
  // Text and pages leave the language as it is, as does a name without an
  // extension or a point that belongs to a folder.
  for (const char* other : {"/home/u/notes.txt", "/home/u/index.html", "/home/u.java/README", ""})
    EXPECT_EQ(programLanguageOf(other), std::nullopt) << other;
  for (const int mode : {kTextMode, kProgramMode, kHtmlMode})
    EXPECT_TRUE(switchWebPage(mode, true).documentMode == kHtmlMode && switchWebPage(mode, true).multiUndo);
  EXPECT_EQ(switchWebPage(kHtmlMode, false).documentMode, kTextMode);
  // Switching off does not turn a program into text.
  EXPECT_EQ(switchWebPage(kProgramMode, false).documentMode, kProgramMode);
  EXPECT_FALSE(switchWebPage(kHtmlMode, false).multiUndo);
}
