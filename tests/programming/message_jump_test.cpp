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

// Borland gives the number before the last colon; the Windows javac the
// number after the path, else the pane line's own.
TEST(MessageJump, WindowsToolsGiveTheNumberTheirFormatNames) {
  const auto borland = [](const QString& line) {
    return jump(line, LanguageMode::Cpp, ToolProfile::Windows);
  };
  EXPECT_EQ(borland("エラー E2451 test.cpp 12: 未定義のシンボル x"), to(12, 3));
  EXPECT_EQ(borland("エラー E2451 test.cpp 1234: 関数 main()"), to(1234, 3));  // every digit counts
  EXPECT_EQ(borland("警告 W8004 test.cpp 7: 'a' は値が代入されたが"), to(7, 3));
  EXPECT_EQ(borland("エラー E2451 test.cpp 12: 'x': undefined"),
            (MessageTarget{UnreadableNumber{"'x'"}}));
  EXPECT_EQ(borland("Borland C++ 5.5"), (MessageTarget{UnreadableNumber{"Borland C++ 5.5"}}));
  EXPECT_TRUE(IsErrorMessage("エラー E2451 test.cpp 12:", ToolProfile::Windows));
  EXPECT_FALSE(IsErrorMessage("警告 W8004 test.cpp 7:", ToolProfile::Windows));

  const QString source = "C:\\j\\Hello.java";
  const auto javac = [&source](const QString& line) {
    return jump(line, LanguageMode::Java, ToolProfile::Windows, 2, source);
  };
  EXPECT_EQ(javac(source + ":1234: エラー: x"), to(1234, 3));
  EXPECT_EQ(javac("エラー 1 個"), to(2, 3));
  EXPECT_EQ(javac(source + ":ab: x"), to(2, 3));
}

// The tools here: only a place in the document itself is a jump, however
// the tool wrote the document's name; another file's place, or none, keeps
// the caret.
TEST(MessageJump, GnuLinesJumpOnlyToPlacesInTheDocument) {
  const QString source = QString::fromUtf8("/home/先生/my prog;1.cpp");
  const struct {
    QString line;
    MessageTarget target;
  } rows[] = {
      {"./my prog;1.cpp:12:5: warning: unused", to(12, 4)},
      {source + ":40: error: old form", to(40, 0)},
      {QString::fromUtf8("my prog;1.cpp:3:1: エラー: 'y' が宣言されていません"), to(3, 0)},
      {"b/my prog;1.cpp:2:1: error: x", NoDocumentPlace{"b/my prog;1.cpp"}},
      {"util.h:4:24: error: 'u' undeclared", NoDocumentPlace{"util.h"}},
      {"my prog;1.cpp: In function 'int main()':", NoDocumentPlace{}},
      {"   45 |       { return *a:1: < b; }", NoDocumentPlace{}},
  };
  for (const auto& row : rows)
    EXPECT_EQ(jump(row.line, LanguageMode::Cpp, ToolProfile::Linux, 4, source), row.target)
        << row.line.toStdString();
  EXPECT_FALSE(IsErrorMessage("a.cpp:12:5: warning: x", ToolProfile::Linux));
}

TEST(MessageJump, PascalLinesGiveLineAndColumn) {
  EXPECT_EQ(jump("test.pas(7,12) Error: Identifier not found", LanguageMode::Pascal,
                 ToolProfile::Windows),
            to(7, 12));
  EXPECT_EQ(jump("Free Pascal Compiler version 3.2.2", LanguageMode::Pascal, ToolProfile::Windows),
            (MessageTarget{UnreadableNumber{"Free Pascal Compiler version 3.2.2"}}));
  // fpc's columns count from 1: the caret goes before the character named.
  const QString source = "/home/u/test.pas";
  const auto fpc = [&source](const QString& line) {
    return jump(line, LanguageMode::Pascal, ToolProfile::Linux, 4, source);
  };
  EXPECT_EQ(fpc("test.pas(7,12) Error: Identifier not found"), to(7, 11));
  EXPECT_EQ(fpc("myunit.pas(5,20) Error: Identifier not found \"writel\""),
            (MessageTarget{NoDocumentPlace{"myunit.pas"}}));
  EXPECT_EQ(fpc("Compiling FatalDemo.pas"), (MessageTarget{NoDocumentPlace{}}));
  EXPECT_FALSE(IsPascalError("test.pas(7,12) Warning: x"));
  EXPECT_FALSE(IsPascalError("Fatal: Compilation aborted"));
}

// The page check's lines name no file: a place in the document whatever the
// language and its tools.
TEST(MessageJump, LinesWithoutAFileGoToTheDocumentInEveryLanguage) {
  for (const ToolProfile profile : {ToolProfile::Windows, ToolProfile::Linux})
    for (const LanguageMode mode : {LanguageMode::Cpp, LanguageMode::Java, LanguageMode::Perl, LanguageMode::Pascal})
      EXPECT_EQ(jump("12:5: エラー: <zz> はHTMLの要素ではありません。", mode, profile), to(12, 4));
}

}  // namespace
}  // namespace wrenpad
