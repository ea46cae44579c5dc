// SPDX-License-Identifier: GPL-3.0-or-later
// The tool-chain profiles as data: what the Windows tools are given, and what
// the menus and prompts say in each profile and language.
#include "programming/compile_outcome.h"
#include "programming/tool_chain.h"
#include "programming/tool_profile.h"
#include "text/translation.h"

#include <gtest/gtest.h>

namespace wrenpad {
namespace {

// The Windows profile's files and commands are the tools' own; captions and
// prompts name the tools of the profile, in the interface language.
TEST(ToolProfile, WindowsFilesCommandsAndCaptionsAreTheToolsOwn) {
  // The folder is quoted where a path may hold blanks.
  EXPECT_EQ(WindowsToolFiles(LanguageMode::Cpp, "C:\\borland\\bcc55").at(1),
            (ToolFile{"bcc32.cfg", {"-I\"C:\\borland\\bcc55\\Include\"", "-L\"C:\\borland\\bcc55\\Lib\""}}));
  EXPECT_EQ(WindowsToolFiles(LanguageMode::Java, "C:\\jdk1.3").at(0).lines.at(1), "set PATH = C:\\jdk1.3\\bin\\;%PATH%");
  EXPECT_TRUE(WindowsToolFiles(LanguageMode::Pascal, "C:\\pp").empty());

  EXPECT_EQ(WindowsExecuteCommandLine(LanguageMode::Cpp, 6, "test.cpp", {}), "cmd /K test.exe");
  EXPECT_EQ(WindowsExecuteCommandLine(LanguageMode::Cpp, 1, "test.cpp", {}), "command.com /K test.exe");
  EXPECT_EQ(WindowsExecuteCommandLine(LanguageMode::Java, 5, "Hello.java", "C:\\jdk"), "cmd /K C:\\jdk\\bin\\java Hello");
  EXPECT_EQ(WindowsExecuteCommandLine(LanguageMode::Pascal, 6, "p.pas", {}), "command.com /K p.exe");
  EXPECT_EQ(ToolFolderPrompt(LanguageMode::Java, ToolProfile::Linux),
            "Please select folder where Java compiler (javac) is located.");
  const InterfaceLanguageScope japanese(InterfaceLanguage::Japanese);
  EXPECT_EQ(ToolFolderPrompt(LanguageMode::Pascal, ToolProfile::Windows),
            "Free Pascal コンパイラ (ppc386.exe)が置かれているフォルダを選んでください");
}

TEST(CompileOutcome, TheWindowsToolsAreJudgedByTheirWords) {
  // Borland: the caret goes just inside the first "エラー"; javac: the first line.
  const QString borland = "Borland C++ 5.5\ntest.cpp:\nエラー E2451 test.cpp 12: 未定義\n";
  const auto windows = [](const QString& text, LanguageMode mode) {
    return CompileOutcomeFor(text, mode, ToolProfile::Windows, "C:\\w\\test.cpp", true);
  };
  EXPECT_EQ(windows(borland, LanguageMode::Cpp), (CompileOutcome{borland.indexOf("エラー") + 1, true, false}));
  EXPECT_EQ(windows("A.java:3: エラー", LanguageMode::Java).errorPosition, 1);
  EXPECT_TRUE(windows("Borland C++ 5.5\n", LanguageMode::Cpp).execute);
  // ppc386: an "Error" before the first "Fatal" names the place.
  const QString pascal = "Compiling p.pas\np.pas(5,3) Error: Identifier not found\np.pas(7) Fatal: There were 1 errors\n";
  EXPECT_EQ(windows(pascal, LanguageMode::Pascal).errorPosition, pascal.indexOf("Error"));
  EXPECT_FALSE(windows("p.pas(2) Fatal: x\n", LanguageMode::Pascal).execute);
}

// Here the exit status decides whether the build failed (the compiles in
// ProgramCommandsTest run the built programs whatever their messages say);
// the messages only choose the line, and only a line of the document is
// jumped to.
TEST(CompileOutcome, HereTheExitStatusDecidesAndOnlyTheDocumentsLinesAreJumpedTo) {
  const auto failed = [](const QString& text, LanguageMode mode = LanguageMode::Cpp,
                         const QString& source = "/home/u/main.cpp", bool built = false) {
    return CompileOutcomeFor(text, mode, ToolProfile::Linux, source, true, built);
  };
  const auto line = [](const QString& text, const char* start, bool jump = true) {
    return CompileOutcome{text.indexOf(QString::fromUtf8(start)), jump, false};
  };
  // The first error in the document, not the first error.
  const QString both = "util.h:4:5: error: x\nmain.cpp:9:3: error: y\n";
  EXPECT_EQ(failed(both), line(both, "main.cpp:9"));
  // A library header's error leads back to the document's "required from here".
  const QString sorting =
      "In file included from /usr/include/c++/12/bits/stl_algobase.h:71,\n"
      "                 from /usr/include/c++/12/algorithm:60,\n"
      "                 from main.cpp:1:\n"
      "/usr/include/c++/12/bits/predefined_ops.h: In instantiation of 'bool f(...)':\n"
      "/usr/include/c++/12/bits/stl_algo.h:1809:14:   required from 'void std::__insertion_sort()'\n"
      "main.cpp:6:12:   required from here\n"
      "/usr/include/c++/12/bits/predefined_ops.h:45:23: error: no match for 'operator<'\n"
      "   45 |       { return *__it1 < *__it2; }\n"
      "      |                ~~~~~~~^~~~~~~~\n";
  EXPECT_EQ(failed(sorting), line(sorting, "main.cpp:6:12"));
  // The user's own header: back along the include chain.
  const QString header = "main.cpp:3:7: warning: unused\nIn file included from main.cpp:1:\n"
                         "util.h: In function 'bad':\nutil.h:4:24: error: 'u' undeclared\n";
  EXPECT_EQ(failed(header), line(header, "In file included from main.cpp:1:"));
  // A macro of a header used in the document: the note after the error.
  const QString macro = "util.h:2:20: error: 'y' undeclared\n    2 | #define USE_Y (y + 1)\n"
                        "main.cpp:4:10: note: in expansion of macro 'USE_Y'\n";
  EXPECT_EQ(failed(macro), line(macro, "main.cpp:4:10"));
  // The same after an include chain (gcc 12's own lines): the macro's use, not the #include.
  const QString included = QString::fromUtf8(
      "In file included from macro.c:2:\n"
      "macro.c: In function \u2018main\u2019:\n"
      "inc2/m.h:1:39: error: expected expression before \u2018)\u2019 token\n"
      "    1 | #define SHOW(x) printf(\"%d\\n\", (x) +* )\n"
      "      |                                       ^\n"
      "macro.c:7:5: note: in expansion of macro \u2018SHOW\u2019\n"
      "    7 |     SHOW(v);\n"
      "      |     ^~~~\n");
  EXPECT_EQ(failed(included, LanguageMode::Cpp, "/home/u/macro.c"), line(included, "macro.c:7:5"));
  // No line of the document anywhere: the first error is shown, no jump.
  const QString elsewhere = "other.cpp:2:1: error: x\n";
  EXPECT_EQ(failed(elsewhere), line(elsewhere, "other.cpp", false));
  // A linker failure names no place: nothing to show, and no run.
  EXPECT_EQ(failed("/usr/bin/ld: a.o: undefined reference to `f'\ncollect2: error: ld returned 1 exit status\n"),
            CompileOutcome{});
  EXPECT_EQ(failed("main.cpp:2:3: エラー: 不明\n"), (CompileOutcome{0, true, false}));

  EXPECT_EQ(failed("anything", LanguageMode::Perl, "/home/u/main.cpp", true), CompileOutcome{});
}

}  // namespace
}  // namespace wrenpad
