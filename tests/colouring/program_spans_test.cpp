// SPDX-License-Identifier: GPL-3.0-or-later
// Keywords, strings and comments of program text, line by line.
#include "colouring/program_spans.h"

#include <gtest/gtest.h>

namespace wrenpad {
namespace {

// The stretches of one kind, as the text they cover.
QStringList textsOf(const QString& text, SpanKind kind, LanguageMode mode, const KeywordList& keywords) {
  QStringList texts;
  for (const ColourSpan& span : ProgramSpans(text, mode, keywords))
    if (span.kind == kind) texts << text.mid(span.start, span.length);
  return texts;
}

const KeywordList kList = KeywordList::fromLines(
    {"; a remark, not a keyword", "int", "|void", "else|", "end;", "return", "|begin|", "break", "  "});

TEST(ProgramSpans, KeywordsNeedTheirEdgesAndTheMarkersWidenThem) {
  const auto keywords = [](const QString& text) {
    return textsOf(text, SpanKind::ProgramKeyword, LanguageMode::Cpp, kList);
  };
  EXPECT_EQ(keywords("x int y"), QStringList{"int"});
  EXPECT_EQ(keywords("x INT y"), QStringList{"INT"});  // case is ignored
  EXPECT_TRUE(keywords("f(int)").isEmpty());           // a blank is needed on one side
  EXPECT_EQ(keywords("f(int y)"), QStringList{"int"});
  EXPECT_EQ(keywords("x int(y)"), QStringList{"int"});
  EXPECT_TRUE(keywords("int x").isEmpty());             // first on a line needs a leading "|"
  EXPECT_EQ(keywords("void f()\r\n\tvoid g"), (QStringList{"void", "void"}));  // a tab counts as a blank
  EXPECT_EQ(keywords("} else\r\nx"), QStringList{"else"});  // last on a line: trailing "|"
  EXPECT_TRUE(keywords("x int\r\n").isEmpty());
  EXPECT_EQ(keywords("  end;\r\nend;"), (QStringList{"end;", "end;"}));  // ";" is kept and counts as "|"
  EXPECT_EQ(keywords("begin"), QStringList{"begin"});  // alone on a line
  EXPECT_EQ(keywords(" int int x"), (QStringList{"int", "int"}));
  EXPECT_EQ(keywords("  break;"), QStringList{"break"});
  EXPECT_TRUE(keywords("x integer y").isEmpty());
  EXPECT_EQ(kList.size(), 7);  // the remark and the blank line are no entries

  KeywordList fallback = kList;
  fallback.addFallbackWords();
  EXPECT_EQ(fallback.size(), 10);  // "else" was there
  EXPECT_TRUE(fallback.find(u"WHILE"));
}

TEST(ProgramSpans, StringsAndCommentsOfEachLanguage) {
  const auto strings = [](const QString& text, LanguageMode mode) {
    return textsOf(text, SpanKind::ProgramString, mode, kList);
  };
  const auto comments = [](const QString& text, LanguageMode mode) {
    return textsOf(text, SpanKind::ProgramComment, mode, kList);
  };
  // An escaped quote does not end the string; "//" inside it is no comment.
  EXPECT_EQ(strings(R"(s = "a\"b // c" + 'x';)", LanguageMode::Cpp), (QStringList{R"("a\"b // c")", "'x'"}));
  EXPECT_TRUE(comments(R"(s = "a\"b // c" + 'x';)", LanguageMode::Cpp).isEmpty());
  EXPECT_EQ(strings("s = \"open\r\nx = 1", LanguageMode::Java), QStringList{"\"open"});  // ends with its line
  EXPECT_EQ(comments("x; // int y\r\n/* a\r\n int */ y /* z */", LanguageMode::Java),
            (QStringList{"// int y", "/* a", " int */", "/* z */"}));
  EXPECT_TRUE(textsOf("/* int y */", SpanKind::ProgramKeyword, LanguageMode::Cpp, kList).isEmpty());

  EXPECT_EQ(comments("print 1; # remark\r\n$#list = 2;", LanguageMode::Perl), QStringList{"# remark"});
  // Perl strings go on across lines.
  EXPECT_EQ(strings("print \"a\r\nb\"; 'c#'", LanguageMode::Perl), (QStringList{"\"a", "b\"", "'c#'"}));

  EXPECT_EQ(strings("s := 'it''s'; t := \"x\";", LanguageMode::Pascal), QStringList{"'it''s'"});
  EXPECT_EQ(comments("{ a\r\nb } x (* c\r\n*) // d", LanguageMode::Pascal),
            (QStringList{"{ a", "b }", "(* c", "*)", "// d"}));
}

TEST(ProgramSpans, JavaTextBlocksAreStringsOverLines) {
  const QString text = "String s = \"\"\"\r\n  /* not a comment \\\"\"\" still text\r\n  \"\"\"; int /* c */ x;\r\nint y;";
  std::vector<LineState> states;
  ProgramSpans(text, LanguageMode::Java, kList, &states);
  EXPECT_EQ(states, (std::vector<LineState>{LineState::TextBlock, LineState::TextBlock, LineState::Code,
                                            LineState::Code}));
  EXPECT_EQ(textsOf(text, SpanKind::ProgramString, LanguageMode::Java, kList),
            (QStringList{"\"\"\"", "  /* not a comment \\\"\"\" still text", "  \"\"\""}));
  EXPECT_EQ(textsOf(text, SpanKind::ProgramComment, LanguageMode::Java, kList), QStringList{"/* c */"});
  EXPECT_EQ(textsOf(text, SpanKind::ProgramKeyword, LanguageMode::Java, kList), QStringList{"int"});
  // One line: the block closes where it opened; C++ has no text blocks.
  EXPECT_EQ(textsOf("a(\"\"\"x\"\"\") /* y */", SpanKind::ProgramString, LanguageMode::Java, kList),
            QStringList{"\"\"\"x\"\"\""});
  EXPECT_EQ(textsOf("s = \"\"\"\r\n/* z", SpanKind::ProgramComment, LanguageMode::Cpp, kList), QStringList{"/* z"});
}

TEST(ProgramSpans, LineStatesCarryOpenCommentsAndAPascalHeadingIsAKeyword) {
  std::vector<LineState> states;
  ProgramSpans("a /* b\r\nc\r\nd */ e\r\n", LanguageMode::Cpp, kList, &states);
  EXPECT_EQ(states, (std::vector<LineState>{LineState::BlockComment, LineState::BlockComment,
                                            LineState::Code, LineState::Code}));
  states.clear();
  ProgramSpans("x { y\r\nz", LanguageMode::Pascal, kList, &states);
  EXPECT_EQ(states, (std::vector<LineState>{LineState::BraceComment, LineState::BraceComment}));

  EXPECT_EQ(textsOf("Program Hello;\r\nbegin\r\nend.", SpanKind::ProgramKeyword, LanguageMode::Pascal, kList),
            (QStringList{"begin", "Program"}));
  const std::optional<ColourSpan> var = PascalHeadingSpan("uses crt;\r\nvar x: integer;");
  ASSERT_TRUE(var);
  EXPECT_EQ(var->start, 11);
  EXPECT_FALSE(PascalHeadingSpan("begin end."));
}

}  // namespace
}  // namespace wrenpad
