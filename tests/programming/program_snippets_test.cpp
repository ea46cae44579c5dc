// SPDX-License-Identifier: GPL-3.0-or-later
// The Coding menu's program text, compiled and run with the real tools: the
// starting programs, the input statements and the inspector's watch blocks.
#include "programming/program_snippets.h"

#include "support/temp_folder.h"
#include "text/translation.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

using test::TempFolder;

struct Ran {
  int exitCode = -1;  // -1 when it did not start, crashed or timed out
  QString output;     // standard output and error together
  bool operator==(const Ran&) const = default;
};
void PrintTo(const Ran& ran, std::ostream* out) { *out << ran.exitCode << ": " << ran.output.toStdString(); }

// Runs `program` in `folder` with `input` as its whole standard input.
Ran run(const QString& folder, const QString& program, const QStringList& arguments,
        const QByteArray& input = {}) {
  QProcess process;
  process.setWorkingDirectory(folder);
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  if (!process.waitForStarted(10000)) return {-1, process.errorString()};
  process.write(input);
  process.closeWriteChannel();
  const bool finished = process.waitForFinished(60000);
  if (!finished) process.kill(), process.waitForFinished();
  const bool ended = finished && process.exitStatus() == QProcess::NormalExit;
  return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAll())};
}

TEST(ProgramSnippets, CppProgramWithInputAndWatchBlocksBuildsAndPrintsNamesAndValues) {
  if (QStandardPaths::findExecutable("g++").isEmpty()) GTEST_SKIP() << "g++ is not installed";
  TempFolder folder;
  // The code goes in after the line "{" that opens main.
  QString program = BuiltInProgramText(LanguageMode::Cpp);
  const qsizetype body = program.indexOf("\r\n{\r\n");
  ASSERT_GE(body, 0) << program.toStdString();
  // An empty first name must not leave a separator straight after the
  // opening quote, and a block without names still compiles.
  const QString code = "  int x, y, z, w;\r\n  y = 7; z = -3; w = 100;\r\n  " +
                       InputStatement(LanguageMode::Cpp, "Say \"hi\" \\ x? ", "x", {}) +  //
                       "  " + InspectorBlock(LanguageMode::Cpp, 2, {"x"}) +                  //
                       "  " + InspectorBlock(LanguageMode::Cpp, 2, {"", " x ", "y", "z", "w"}) +
                       "  " + InspectorBlock(LanguageMode::Cpp, 2, {});
  folder.write("lesson.cpp", program.insert(body + 5, code).toUtf8());
  const Ran built = run(folder.path(), "g++", {"-Wall", "-o", "lesson", "lesson.cpp"});
  ASSERT_EQ(built.exitCode, 0) << built.output.toStdString();
  EXPECT_EQ(run(folder.path(), folder.file("lesson"), {}, "42\n\n\n\n\n\n\n\n"),
            (Ran{0, "Say \"hi\" \\ x? x = 42\nx = 42, y = 7, z = -3, w = 100\n\nPress Enter to exit.\n"}));
}

// Every starting program and watch block ends each line with CR LF.
TEST(ProgramSnippets, BlocksAndStartingProgramsEndEveryLineWithCrLf) {
  for (const LanguageMode mode :
       {LanguageMode::Cpp, LanguageMode::Java, LanguageMode::Perl, LanguageMode::Pascal}) {
    for (const QString& text : {BuiltInProgramText(mode, "A"), InspectorBlock(mode, 2, {"a", "b"})}) {
      EXPECT_TRUE(text.endsWith("\r\n")) << int(mode);
      EXPECT_EQ(text.count('\n'), text.count("\r\n")) << int(mode);
    }
  }
}

TEST(ProgramSnippets, JavaTypeComesFromTheDeclarationOfTheVariable) {
  EXPECT_EQ(DetectJavaType("double d[] = new double[3];", "d[i]"), "double");
  EXPECT_EQ(DetectJavaType("\tfloat f, g;", "g"), "float");
  EXPECT_EQ(DetectJavaType("long n;", "n"), "int");  // a long is read through int
  EXPECT_EQ(DetectJavaType("static void f(int k) {", "k"), "int");
  EXPECT_EQ(DetectJavaType("{String s;", "s"), "string");
  // Only the statement that declares the variable counts.
  EXPECT_EQ(DetectJavaType("int i; String word;", "word"), "string");
  EXPECT_EQ(DetectJavaType("int a;", "b"), "???");
  // "???" is kept, so the compiler stops at the statement to be fixed.
  EXPECT_TRUE(InputStatement(LanguageMode::Java, "?", "q", "???").contains("q = ???.valueOf(S).???Value();"));
  // A quote in a Pascal prompt is doubled.
  EXPECT_EQ(InputStatement(LanguageMode::Pascal, "Tom's x? ", "x", {}),
            "Write('Tom''s x? '); Readln(x);");
  // A CGI script reads no keyboard.
  EXPECT_EQ(InputStatement(LanguageMode::Perl, "x? ", "$x", {}), "");
}

// Each kind of name the tools cannot use is refused, in both interface
// languages with the name in the reason.
TEST(ProgramSnippets, NamesTheToolsCannotUseAreRefusedWithTheNameInTheReason) {
  for (const QString good : {"Hello", "my_class", "Dollar$", "Int"})
    EXPECT_FALSE(JavaClassNameProblem(good)) << good.toStdString();
  for (const QString good : {"lesson", "Test_2"}) EXPECT_FALSE(PascalNameProblem(good)) << good.toStdString();
  const auto expectRefused = [](const std::optional<QString>& problem, const QString& bad) {
    ASSERT_TRUE(problem) << bad.toStdString();
    EXPECT_TRUE(problem->contains(bad)) << problem->toStdString();
  };
  for (const bool japanese : {false, true}) {
    const InterfaceLanguageScope language(interfaceLanguageFor(japanese));
    for (const QString bad : {"1abc", "my class", "class"}) expectRefused(JavaClassNameProblem(bad), bad);
    for (const QString& bad : QStringList{"2go", "a$b", "BEGIN", QString::fromUtf8("名前")})
      expectRefused(PascalNameProblem(bad), bad);
    EXPECT_TRUE(JavaClassNameProblem("") && PascalNameProblem(""));
  }
  EXPECT_EQ(*JavaClassNameProblem("1abc"),
            "The class name \"1abc\" cannot be used: a Java class name must start with a letter.");
}

}  // namespace
}  // namespace wrenpad
