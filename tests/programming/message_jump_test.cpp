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

TEST(MessageJump, GnuLinesGiveLineAndColumnWithOrWithoutJapanese) {
  EXPECT_EQ(jump("a.cpp:12:5: error: 'x' was not declared", LanguageMode::Cpp), to(12, 4));
  EXPECT_EQ(jump("/home/先生/my prog;1.c:3:1: エラー: 'y' が宣言されていません", LanguageMode::Cpp), to(3, 0));
  EXPECT_EQ(jump("a.c:40: error: old form", LanguageMode::Cpp), to(40, 0));
  EXPECT_EQ(jump("a.cpp: In function 'int main()':", LanguageMode::Cpp), to(4, 3));  // the pane line's index
  EXPECT_TRUE(IsErrorMessage("a.cpp:12:5: error: x", ToolProfile::Linux));
  EXPECT_TRUE(IsErrorMessage("a.cpp:12:5: エラー: x", ToolProfile::Linux));
  EXPECT_FALSE(IsErrorMessage("a.cpp:12:5: warning: x", ToolProfile::Linux));
}

TEST(MessageJump, JavaLinesGiveTheNumberAfterThePath) {
  const QString source = "/home/u/Hello.java";
  EXPECT_EQ(jump(source + ":7: error: ';' expected", LanguageMode::Java, ToolProfile::Linux, 2, source), to(7, 3));
  EXPECT_EQ(jump(source + ":1234: error: x", LanguageMode::Java, ToolProfile::Linux, 2, source), to(1234, 3));
  EXPECT_EQ(jump("1 error", LanguageMode::Java, ToolProfile::Linux, 2, source), to(2, 3));
  EXPECT_EQ(jump(source + ":ab: x", LanguageMode::Java, ToolProfile::Linux, 2, source), to(2, 3));
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
  // fpc's columns count from 1: the caret goes before the character named.
  EXPECT_EQ(jump("test.pas(7,12) Error: Identifier not found", LanguageMode::Pascal), to(7, 11));
  EXPECT_EQ(jump("test.pas(7) Fatal: There were 1 errors", LanguageMode::Pascal), to(7, 0));
  EXPECT_EQ(jump("Free Pascal Compiler version 3.2.2", LanguageMode::Pascal),
            (MessageTarget{UnreadableNumber{"Free Pascal Compiler version 3.2.2"}}));
}

TEST(MessageJump, StoredLanguageModesOutsideTheListReadAsCpp) {
  EXPECT_EQ(languageModeFrom(3), LanguageMode::Pascal);
  EXPECT_EQ(languageModeFrom(-1), LanguageMode::Cpp);
  EXPECT_EQ(languageModeFrom(9), LanguageMode::Cpp);
}

}  // namespace
}  // namespace wrenpad
