// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the source place out of compiler message lines, for each tool.
#include "programming/message_jump.h"

#include <gtest/gtest.h>

namespace wrenpad {
namespace {

MessageTarget jump(const QString& line, LanguageMode mode, ToolProfile profile = ToolProfile::Linux,
                   int index = 4, const QString& source = QString()) {
  return MessageJumpTarget(line, index, mode, profile, source);
}
MessageTarget to(int line, int column) { return MessageJump{line, column}; }

TEST(MessageJump, BorlandLinesGiveTheNumberBeforeTheLastColon) {
  const auto borland = [](const QString& line) { return jump(line, LanguageMode::Cpp, ToolProfile::Windows); };
  EXPECT_EQ(borland("エラー E2451 test.cpp 12: 未定義のシンボル x"), to(12, 3));
  EXPECT_EQ(borland("エラー E2451 test.cpp 1234: 関数 main()"), to(1234, 3));  // every digit counts
  EXPECT_EQ(borland("警告 W8004 test.cpp 7: 'a' は値が代入されたが"), to(7, 3));
  EXPECT_EQ(borland("エラー E2451 test.cpp 12: 'x': undefined"), (MessageTarget{UnreadableNumber{"'x'"}}));
  EXPECT_EQ(borland("Borland C++ 5.5"), (MessageTarget{UnreadableNumber{"Borland C++ 5.5"}}));
  EXPECT_TRUE(IsErrorMessage("エラー E2451 test.cpp 12:", ToolProfile::Windows));
  EXPECT_FALSE(IsErrorMessage("警告 W8004 test.cpp 7:", ToolProfile::Windows));
}

// The tools here: only a place in the document itself is a jump, however
// the tool wrote the document's name; another file's place, or none, keeps
// the caret.
TEST(MessageJump, GnuAndJavacLinesJumpOnlyToPlacesInTheDocument) {
  const QString source = "/home/u/a.cpp";
  const auto gnu = [&source](const QString& line) {
    return jump(line, LanguageMode::Cpp, ToolProfile::Linux, 4, source);
  };
  EXPECT_EQ(gnu("a.cpp:12:5: error: 'x' was not declared"), to(12, 4));
  EXPECT_EQ(gnu("./a.cpp:12:5: warning: unused"), to(12, 4));
  EXPECT_EQ(gnu("/home/u/a.cpp:40: error: old form"), to(40, 0));
  EXPECT_EQ(gnu("a.cpp:6:12:   required from here"), to(6, 11));
  EXPECT_EQ(gnu("In file included from a.cpp:1:"), to(1, 0));
  EXPECT_EQ(gnu("                 from a.cpp:3,"), to(3, 0));
  EXPECT_EQ(gnu("/usr/include/c++/12/bits/predefined_ops.h:45:23: error: no match for 'operator<'"),
            (MessageTarget{NoDocumentPlace{"/usr/include/c++/12/bits/predefined_ops.h"}}));
  EXPECT_EQ(gnu("util.h:4:24: error: 'u' undeclared"), (MessageTarget{NoDocumentPlace{"util.h"}}));
  EXPECT_EQ(gnu("b/a.cpp:2:1: error: x"), (MessageTarget{NoDocumentPlace{"b/a.cpp"}}));
  EXPECT_EQ(gnu("a.cpp: In function 'int main()':"), (MessageTarget{NoDocumentPlace{}}));
  EXPECT_EQ(gnu("   45 |       { return *a:1: < b; }"), (MessageTarget{NoDocumentPlace{}}));
  EXPECT_EQ(gnu("collect2: error: ld returned 1 exit status"), (MessageTarget{NoDocumentPlace{}}));

  const QString japanese = "/home/先生/my prog;1.c";
  EXPECT_EQ(jump(japanese + ":3:1: エラー: 'y' が宣言されていません", LanguageMode::Cpp, ToolProfile::Linux, 4, japanese),
            to(3, 0));
  EXPECT_TRUE(IsErrorMessage("a.cpp:12:5: error: x", ToolProfile::Linux));
  EXPECT_TRUE(IsErrorMessage("a.cpp:12:5: エラー: x", ToolProfile::Linux));
  EXPECT_FALSE(IsErrorMessage("a.cpp:12:5: warning: x", ToolProfile::Linux));

  const QString java = "/home/u/Hello.java";
  EXPECT_EQ(jump(java + ":7: error: ';' expected", LanguageMode::Java, ToolProfile::Linux, 2, java), to(7, 0));
  EXPECT_EQ(jump("/home/u/Other.java:3: error: x", LanguageMode::Java, ToolProfile::Linux, 2, java),
            (MessageTarget{NoDocumentPlace{"/home/u/Other.java"}}));
  EXPECT_EQ(jump("1 error", LanguageMode::Java, ToolProfile::Linux, 2, java), (MessageTarget{NoDocumentPlace{}}));
}

TEST(MessageJump, WindowsJavaLinesGiveTheNumberAfterThePath) {
  const QString source = "C:\\j\\Hello.java";
  const auto javac = [&source](const QString& line) {
    return jump(line, LanguageMode::Java, ToolProfile::Windows, 2, source);
  };
  EXPECT_EQ(javac(source + ":7: エラー: ';' がありません"), to(7, 3));
  EXPECT_EQ(javac(source + ":1234: エラー: x"), to(1234, 3));
  EXPECT_EQ(javac("エラー 1 個"), to(2, 3));
  EXPECT_EQ(javac(source + ":ab: x"), to(2, 3));
}

TEST(MessageJump, PerlLinesGiveTheNumberAfterLine) {
  EXPECT_EQ(jump("syntax error at C:\\web\\htdocs\\a.cgi line 25, near \"}\"", LanguageMode::Perl), to(25, 3));
  EXPECT_EQ(jump("Died at /srv/www/a.cgi line 8.", LanguageMode::Perl), to(8, 3));
  EXPECT_EQ(jump("Bareword found (at /srv/a.cgi line 9) x", LanguageMode::Perl), to(9, 3));
  EXPECT_EQ(jump("no place here", LanguageMode::Perl), to(4, 3));
  EXPECT_EQ(jump("at a.cgi line x, near", LanguageMode::Perl), (MessageTarget{UnreadableNumber{"x"}}));
}

TEST(MessageJump, PascalLinesGiveLineAndColumn) {
  EXPECT_EQ(jump("test.pas(7,12) Error: Identifier not found", LanguageMode::Pascal, ToolProfile::Windows), to(7, 12));
  EXPECT_EQ(jump("Free Pascal Compiler version 3.2.2", LanguageMode::Pascal, ToolProfile::Windows),
            (MessageTarget{UnreadableNumber{"Free Pascal Compiler version 3.2.2"}}));
  // fpc's columns count from 1: the caret goes before the character named.
  const QString source = "/home/u/test.pas";
  const auto fpc = [&source](const QString& line) {
    return jump(line, LanguageMode::Pascal, ToolProfile::Linux, 4, source);
  };
  EXPECT_EQ(fpc("test.pas(7,12) Error: Identifier not found"), to(7, 11));
  EXPECT_EQ(fpc("test.pas(7) Fatal: There were 1 errors"), to(7, 0));
  EXPECT_EQ(fpc("myunit.pas(5,20) Error: Identifier not found \"writel\""),
            (MessageTarget{NoDocumentPlace{"myunit.pas"}}));
  EXPECT_EQ(fpc("Compiling FatalDemo.pas"), (MessageTarget{NoDocumentPlace{}}));
  EXPECT_EQ(fpc("Free Pascal Compiler version 3.2.2"), (MessageTarget{NoDocumentPlace{}}));
  EXPECT_TRUE(IsPascalError("test.pas(7,12) Error: x"));
  EXPECT_TRUE(IsPascalError("test.pas(7) Fatal: x"));
  EXPECT_FALSE(IsPascalError("test.pas(7,12) Warning: x"));
  EXPECT_FALSE(IsPascalError("Fatal: Compilation aborted"));
}

TEST(MessageJump, StoredLanguageModesOutsideTheListReadAsCpp) {
  EXPECT_EQ(languageModeFrom(3), LanguageMode::Pascal);
  EXPECT_EQ(languageModeFrom(-1), LanguageMode::Cpp);
  EXPECT_EQ(languageModeFrom(9), LanguageMode::Cpp);
}

}  // namespace
}  // namespace wrenpad
