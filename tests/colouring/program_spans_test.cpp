// SPDX-License-Identifier: GPL-3.0-or-later
// Keywords, strings and comments of program text, line by line.
#include "colouring/program_spans.h"

#include <gtest/gtest.h>

namespace wrenpad {
namespace {

const KeywordList kList = KeywordList::fromLines(
    {"; a remark, not a keyword", "int", "|void", "else|", "end;", "return", "|begin|", "break", "  "});

// The stretches of one kind, as the text they cover.
QStringList textsOf(const QString& text, SpanKind kind, LanguageMode mode) {
  QStringList texts;
  for (const ColourSpan& span : ProgramSpans(text, mode, kList))
    if (span.kind == kind) texts << text.mid(span.start, span.length);
  return texts;
}

struct Row {
  LanguageMode mode;
  SpanKind kind;
  QString text;
  QStringList expected;
};

constexpr LanguageMode kCpp = LanguageMode::Cpp, kJava = LanguageMode::Java,
                       kPerl = LanguageMode::Perl, kPascal = LanguageMode::Pascal;
constexpr SpanKind kKeyword = SpanKind::ProgramKeyword, kString = SpanKind::ProgramString,
                   kComment = SpanKind::ProgramComment;

// Keywords need their edges and the markers widen them; strings and
// comments by the rules of each language.
TEST(ProgramSpans, KeywordsStringsAndCommentsOfEachLanguage) {
  const QString javaBlock =
      "String s = \"\"\"\r\n  /* not a comment \\\"\"\" still text\r\n  \"\"\"; int /* c */ x;\r\nint y;";
  const Row rows[] = {
      {kCpp, kKeyword, "x int y", {"int"}},
      {kCpp, kKeyword, "x INT y", {"INT"}},  // case is ignored
      {kCpp, kKeyword, "f(int)", {}},        // a blank is needed on one side
      {kCpp, kKeyword, "f(int y)", {"int"}},
      {kCpp, kKeyword, "int x", {}},  // first on a line needs a leading "|"
      {kCpp, kKeyword, "void f()\r\n\tvoid g", {"void", "void"}},  // a tab counts as a blank
      {kCpp, kKeyword, "} else\r\nx", {"else"}},  // last on a line: trailing "|"
      {kCpp, kKeyword, "x int\r\n", {}},
      {kCpp, kKeyword, "  end;\r\nend;", {"end;", "end;"}},  // ";" is kept and counts as "|"
      {kCpp, kKeyword, "begin", {"begin"}},  // alone on a line
      {kCpp, kKeyword, " int int x", {"int", "int"}},
      {kCpp, kKeyword, "  break;", {"break"}},
      {kCpp, kKeyword, "x integer y", {}},
      {kCpp, kKeyword, "/* int y */", {}},
      {kPascal, kKeyword, "Program Hello;\r\nbegin\r\nend.", {"begin", "Program"}},
      // An escaped quote does not end the string; "//" inside it is no comment.
      {kCpp, kString, R"(s = "a\"b // c" + 'x';)", {R"("a\"b // c")", "'x'"}},
      {kCpp, kComment, R"(s = "a\"b // c" + 'x';)", {}},
      {kJava, kString, "s = \"open\r\nx = 1", {"\"open"}},  // ends with its line
      {kJava, kComment, "x; // int y\r\n/* a\r\n int */ y /* z */",
       {"// int y", "/* a", " int */", "/* z */"}},
      // Java text blocks are strings over lines; C++ has none.
      {kJava, kString, javaBlock, {"\"\"\"", "  /* not a comment \\\"\"\" still text", "  \"\"\""}},
      {kJava, kComment, javaBlock, {"/* c */"}},
      {kJava, kKeyword, javaBlock, {"int"}},
      {kJava, kString, "a(\"\"\"x\"\"\") /* y */", {"\"\"\"x\"\"\""}},  // closes on its line
      {kCpp, kComment, "s = \"\"\"\r\n/* z", {"/* z"}},
      {kPerl, kComment, "print 1; # remark\r\n$#list = 2;", {"# remark"}},
      {kPerl, kString, "print \"a\r\nb\"; 'c#'", {"\"a", "b\"", "'c#'"}},  // over lines
      {kPascal, kString, "s := 'it''s'; t := \"x\";", {"'it''s'"}},
      {kPascal, kComment, "{ a\r\nb } x (* c\r\n*) // d", {"{ a", "b }", "(* c", "*)", "// d"}},
  };
  for (const Row& row : rows)
    EXPECT_EQ(textsOf(row.text, row.kind, row.mode), row.expected) << row.text.toStdString();
  EXPECT_EQ(kList.size(), 7);  // the remark and the blank line are no entries
  KeywordList fallback = kList;
  fallback.addFallbackWords();
  EXPECT_TRUE(fallback.find(u"WHILE"));
  const std::optional<ColourSpan> var = PascalHeadingSpan("uses crt;\r\nvar x: integer;");
  ASSERT_TRUE(var);
  EXPECT_EQ(var->start, 11);
  EXPECT_FALSE(PascalHeadingSpan("begin end."));
}

}  // namespace
}  // namespace wrenpad
