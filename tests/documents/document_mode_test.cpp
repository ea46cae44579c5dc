// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the document modes: the language a program file selects,
// what each mode shows, and how Display as Web Page changes the mode.
#include "documents/document_kind.h"
#include "documents/document_mode.h"

#include <gtest/gtest.h>

using namespace wrenpad;

TEST(DocumentModeTest, ProgramFilesSelectTheirLanguageOthersNone) {
  EXPECT_EQ(programLanguageOf("/src/a.CPP"), LanguageMode::Cpp);
  EXPECT_EQ(programLanguageOf("/src/a.h"), LanguageMode::Cpp);
  EXPECT_EQ(programLanguageOf("/src/Main.java"), LanguageMode::Java);
  EXPECT_EQ(programLanguageOf("/cgi-bin/form.cgi"), LanguageMode::Perl);
  EXPECT_EQ(programLanguageOf("/src/unit.pp"), LanguageMode::Pascal);
  // Text and pages leave the language as it is, as does a name without an
  // extension or a point that belongs to a folder.
  for (const char* other : {"/home/u/notes.txt", "/home/u/index.html", "/home/u.java/README", ""})
    EXPECT_EQ(programLanguageOf(other), std::nullopt) << other;
}

TEST(DocumentModeTest, WebPageSwitchMakesPagesAndGivesBackText) {
  for (const int mode : {kTextMode, kProgramMode, kHtmlMode})
    EXPECT_TRUE(switchWebPage(mode, true).documentMode == kHtmlMode && switchWebPage(mode, true).multiUndo);
  EXPECT_EQ(switchWebPage(kHtmlMode, false).documentMode, kTextMode);
  // Switching off does not turn a program into text.
  EXPECT_EQ(switchWebPage(kProgramMode, false).documentMode, kProgramMode);
  EXPECT_EQ(switchWebPage(kTextMode, false).documentMode, kTextMode);
  EXPECT_FALSE(switchWebPage(kHtmlMode, false).multiUndo);
}

TEST(DocumentModeTest, HeadersDoNotCompileAndPerlReadsNoKeyboard) {
  EXPECT_TRUE(compiles(kProgramMode, "/src/a.cpp"));
  EXPECT_FALSE(compiles(kProgramMode, "/src/a.H"));
  EXPECT_FALSE(compiles(kTextMode, "/src/a.cpp"));
  EXPECT_TRUE(readsKeyboardInput(kProgramMode, LanguageMode::Pascal));
  EXPECT_FALSE(readsKeyboardInput(kProgramMode, LanguageMode::Perl));
  EXPECT_FALSE(readsKeyboardInput(kHtmlMode, LanguageMode::Cpp));
}
