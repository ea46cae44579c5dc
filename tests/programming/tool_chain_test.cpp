// SPDX-License-Identifier: GPL-3.0-or-later
// The compile command of each language, in both profiles.
#include "programming/tool_chain.h"

#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

TEST(ToolChain, LinuxCompilesPassEveryNameAsOneArgument) {
  const QString folder = QString::fromUtf8("/home/先生/my work; 'x'");
  std::optional<RunRequest> cpp = CompileRequest({LanguageMode::Cpp, folder + "/hello \"1\".cpp", "-O2 -Wall", {}});
  ASSERT_TRUE(cpp);
  EXPECT_EQ(cpp->arguments, (QStringList{"-O2", "-Wall", "hello \"1\".cpp", "-o", "hello \"1\""}));
  EXPECT_EQ(cpp->workingFolder, folder);

  EXPECT_EQ(CompileRequest({LanguageMode::Cpp, "/t/a.C", {}, {}})->program, "gcc");
  EXPECT_EQ(CompileRequest({LanguageMode::Cpp, "/t/a.tar.c", "\"-D NAME=a b\"", {}})->arguments,
            (QStringList{"-D NAME=a b", "a.tar.c", "-o", "a.tar"}));

  std::optional<RunRequest> java = CompileRequest({LanguageMode::Java, folder + "/Hello.java", {}, {}});
  ASSERT_TRUE(java);
  EXPECT_EQ(java->arguments, (QStringList{folder + "/Hello.java"}));
  std::optional<RunRequest> pascal = CompileRequest({LanguageMode::Pascal, "/t/p q.pas", "-Mdelphi", {}});
  ASSERT_TRUE(pascal);
  EXPECT_EQ(pascal->arguments, (QStringList{"-Mdelphi", "p q.pas"}));

  EXPECT_FALSE(CompileRequest({LanguageMode::Perl, "/t/a.cgi", {}, {}}));

  // A name that begins with "-" is never an option.
  EXPECT_EQ(CompileRequest({LanguageMode::Cpp, "/t/-O3.c", {}, {}})->arguments,
            (QStringList{"./-O3.c", "-o", "./-O3"}));
  EXPECT_EQ(CompileRequest({LanguageMode::Pascal, "/t/-vh.pas", {}, {}})->arguments, (QStringList{"./-vh.pas"}));
  EXPECT_EQ(CompileRequest({LanguageMode::Java, "/t/-d.java", {}, {}})->arguments, (QStringList{"/t/-d.java"}));
}

TEST(ToolChain, AToolInTheChosenFolderIsRunByItsFullPath) {
  const test::TempFolder folder;
  const QString fpc = folder.write("bin/fpc", "#!/bin/sh\n");
  QFile::setPermissions(fpc, QFile::ReadOwner | QFile::ExeOwner);
  EXPECT_EQ(CompileRequest({LanguageMode::Pascal, "/t/a.pas", {}, folder.path()})->program, fpc);
  // A folder without the tool leaves it to PATH.
  EXPECT_EQ(CompileRequest({LanguageMode::Cpp, "/t/a.cpp", {}, folder.path()})->program, "g++");
}

TEST(ToolChain, WindowsCommandLinesAreTheToolsOwn) {
  EXPECT_EQ(WindowsCompileCommandLine({LanguageMode::Cpp, "C:\\work\\test.cpp", "-O2", {}}), "bcc32  -O2 test.cpp");
  EXPECT_EQ(WindowsCompileCommandLine({LanguageMode::Java, "C:\\work\\Test.java", "", "C:\\jdk"}),
            "C:\\jdk\\bin\\javac  C:\\work\\Test.java");
  EXPECT_EQ(WindowsCompileCommandLine({LanguageMode::Pascal, "C:\\work\\test.pas", "-Sd", {}}),
            "ppc386 -Sd test.pas");
  EXPECT_EQ(WindowsCompileCommandLine({LanguageMode::Perl, "C:\\web\\a.cgi", {}, {}}), "");
}

}  // namespace
}  // namespace wrenpad
