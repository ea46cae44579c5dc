// The tool-chain profiles as data: what the Windows tools are given, and what
// the menus and prompts say in each profile and language.
#include "programming/compile_outcome.h"
#include "programming/tool_chain.h"
#include "programming/tool_profile.h"

#include <gtest/gtest.h>

namespace wrenpad {
namespace {

TEST(ToolProfile, WindowsFilesStartupLineAndConsoleCommandsAreTheToolsOwn) {
  const std::vector<ToolFile> borland = WindowsToolFiles(LanguageMode::Cpp, "C:\\borland\\bcc55");
  ASSERT_EQ(borland.size(), 3u);
  EXPECT_EQ(borland[0], (ToolFile{"ilink32.cfg", {"-L\"C:\\borland\\bcc55\\Lib\""}}));
  EXPECT_EQ(borland[1], (ToolFile{"bcc32.cfg", {"-I\"C:\\borland\\bcc55\\Include\"", "-L\"C:\\borland\\bcc55\\Lib\""}}));
  EXPECT_EQ(borland[2], (ToolFile{"e.bat", {"exit"}}));
  const std::vector<ToolFile> jdk = WindowsToolFiles(LanguageMode::Java, "C:\\jdk1.3");
  ASSERT_EQ(jdk.size(), 1u);
  EXPECT_EQ(jdk[0], (ToolFile{"javaenv.bat", {"set JAVA_HOME = C:\\jdk1.3", "set PATH = C:\\jdk1.3\\bin\\;%PATH%",
                                              "set CLASSPATH = C:\\jdk1.3;%CLASSPATH%"}}));
  EXPECT_TRUE(WindowsToolFiles(LanguageMode::Pascal, "C:\\pp").empty());
  EXPECT_TRUE(WindowsToolFiles(LanguageMode::Perl, "C:\\web").empty());
  EXPECT_EQ(StartupPathLine("C:\\borland\\bcc55\\bin"), "SET PATH=%PATH%;C:\\borland\\bcc55\\bin");

  EXPECT_EQ(WindowsKind(WindowsPlatform::Win9x, 4, 0), 0);
  EXPECT_EQ(WindowsKind(WindowsPlatform::Win9x, 4, 10), 1);
  EXPECT_EQ(WindowsKind(WindowsPlatform::Win9x, 4, 90), 2);
  EXPECT_EQ(WindowsKind(WindowsPlatform::NT, 3, 51), 3);
  EXPECT_EQ(WindowsKind(WindowsPlatform::NT, 4, 0), 4);
  EXPECT_EQ(WindowsKind(WindowsPlatform::NT, 5, 0), 5);
  EXPECT_EQ(WindowsKind(WindowsPlatform::NT, 5, 1), 6);
  EXPECT_EQ(WindowsKind(WindowsPlatform::NT, 6, 1), 7);
  EXPECT_EQ(WindowsKind(WindowsPlatform::Other, 5, 1), 7);

  EXPECT_EQ(WindowsExecuteCommandLine(LanguageMode::Cpp, 6, "test.cpp", {}), "cmd /K test.exe");
  EXPECT_EQ(WindowsExecuteCommandLine(LanguageMode::Cpp, 1, "test.cpp", {}), "command.com /K test.exe");
  EXPECT_EQ(WindowsExecuteCommandLine(LanguageMode::Java, 5, "Hello.java", "C:\\jdk"), "cmd /K C:\\jdk\\bin\\java Hello");
  EXPECT_EQ(WindowsExecuteCommandLine(LanguageMode::Pascal, 6, "p.pas", {}), "command.com /K p.exe");
  EXPECT_EQ(WindowsCompileCommandLine({LanguageMode::Cpp, "C:\\src\\test.cpp", "-O2", {}}), "bcc32  -O2 test.cpp");
}

TEST(ToolProfile, CodingMenuCaptionsAndPromptsFollowLanguageInterfaceAndProfile) {
  const CodingMenuCaptions borland = CodingMenuCaptionsFor(LanguageMode::Cpp, false, ToolProfile::Windows);
  EXPECT_EQ(borland.coding, "&C/C++");
  EXPECT_EQ(borland.setCompiler, "&Set Borland C++ Compiler");
  const CodingMenuCaptions perl = CodingMenuCaptionsFor(LanguageMode::Perl, true, ToolProfile::Windows);
  EXPECT_EQ(perl.coding, "コーディング(&C)");
  EXPECT_EQ(perl.setCompiler, "ActivePerlおよびテスト用サーバーの設定(&S)");
  EXPECT_FALSE(perl.inputWizard);
  EXPECT_TRUE(CodingMenuCaptionsFor(LanguageMode::Pascal, false, ToolProfile::Linux).inputWizard);
  // Here the captions name the tools that actually run.
  EXPECT_EQ(CodingMenuCaptionsFor(LanguageMode::Cpp, false, ToolProfile::Linux).setCompiler, "&Set GNU C/C++ Compiler");
  EXPECT_EQ(CodingMenuCaptionsFor(LanguageMode::Perl, false, ToolProfile::Linux).coding, "&Perl");

  EXPECT_EQ(ToolFolderPrompt(LanguageMode::Cpp, false, ToolProfile::Windows),
            "Please select folder where Borland C++ compiler (bcc32.exe) is located.");
  EXPECT_EQ(ToolFolderPrompt(LanguageMode::Pascal, true, ToolProfile::Windows),
            "Free Pascal コンパイラ (ppc386.exe)が置かれているフォルダを選んでください");
  EXPECT_EQ(ToolFolderPrompt(LanguageMode::Java, false, ToolProfile::Linux),
            "Please select folder where Java compiler (javac) is located.");
  EXPECT_EQ(ToolFolderPrompt(LanguageMode::Perl, false, ToolProfile::Linux),
            "Please select the folder which is the document-root of the test-server.");
  EXPECT_EQ(ProgrammingLanguageItems(ToolProfile::Windows).at(2), "Perl      (ActivePerl)");
}

TEST(CompileOutcome, ErrorsAreFoundInEachToolsWordsAndAFailedCompileNeverRuns) {
  // Borland: the caret goes just inside the first "エラー"; javac: the first line.
  const QString borland = "Borland C++ 5.5\ntest.cpp:\nエラー E2451 test.cpp 12: 未定義\n";
  EXPECT_EQ(CompileOutcomeFor(borland, LanguageMode::Cpp, ToolProfile::Windows, true).errorPosition,
            borland.indexOf("エラー") + 1);
  EXPECT_EQ(CompileOutcomeFor("A.java:3: エラー", LanguageMode::Java, ToolProfile::Windows, true).errorPosition, 1);
  EXPECT_TRUE(CompileOutcomeFor("Borland C++ 5.5\n", LanguageMode::Cpp, ToolProfile::Windows, true).execute);

  // g++: the first error that names a place; a warning alone still runs.
  const QString gnu = "a.cpp: In function 'int main()':\na.cpp:3:5: warning: unused\na.cpp:4:1: error: expected ';'\n";
  CompileOutcome outcome = CompileOutcomeFor(gnu, LanguageMode::Cpp, ToolProfile::Linux, true, false);
  EXPECT_EQ(outcome.errorPosition, gnu.indexOf("a.cpp:4:1"));
  EXPECT_FALSE(outcome.execute);
  EXPECT_TRUE(CompileOutcomeFor("a.cpp:3:5: warning: unused\n", LanguageMode::Cpp, ToolProfile::Linux, true, true).execute);
  EXPECT_FALSE(CompileOutcomeFor("a.cpp:3:5: warning: unused\n", LanguageMode::Cpp, ToolProfile::Linux, false, true).execute);
  // A linker failure has no place to jump to, and the program is not run.
  outcome = CompileOutcomeFor("/usr/bin/ld: a.o: undefined reference to `f'\ncollect2: error: ld returned 1 exit status\n",
                              LanguageMode::Cpp, ToolProfile::Linux, true, false);
  EXPECT_EQ(outcome, CompileOutcome{});
  EXPECT_TRUE(CompileOutcomeFor("x.cpp:2:3: エラー: 不明\n", LanguageMode::Cpp, ToolProfile::Linux, true, false).errorPosition);

  // Free Pascal: an "Error" before the first "Fatal" names the place.
  const QString pascal = "Compiling p.pas\np.pas(5,3) Error: Identifier not found\np.pas(7) Fatal: There were 1 errors\n";
  EXPECT_EQ(CompileOutcomeFor(pascal, LanguageMode::Pascal, ToolProfile::Linux, true, false).errorPosition,
            pascal.indexOf("Error"));
  const QString fatal = "p.pas(4,1) Fatal: Syntax error\nError: ppcx64 returned an error exitcode\n";
  EXPECT_EQ(CompileOutcomeFor(fatal, LanguageMode::Pascal, ToolProfile::Linux, true, false).errorPosition, fatal.indexOf("Fatal"));
  EXPECT_FALSE(CompileOutcomeFor("p.pas(2) Fatal: x\n", LanguageMode::Pascal, ToolProfile::Windows, true).execute);
  EXPECT_EQ(CompileOutcomeFor("anything", LanguageMode::Perl, ToolProfile::Linux, true, true), CompileOutcome{});
}

}  // namespace
}  // namespace wrenpad
