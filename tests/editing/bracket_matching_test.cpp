// SPDX-License-Identifier: GPL-3.0-or-later
// Matching brackets and tags: the partner found in a text, the marks on
// caret moves, and the two commands.
#include "documents/document_kind.h"
#include "documents/document_state.h"
#include "editing/bracket_highlight.h"
#include "editor/editor_control.h"
#include "settings/settings.h"
#include "support/caret_text.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

enum Expect { Partner, Unmatched, Nothing };

struct Row {
  int mode;  // kTextMode, kProgramMode or kHtmlMode
  LanguageMode language;
  const char* text;  // "|" the caret, "^" just before the partner
  Expect expect;
};

// What the search finds in the whole of `text`, as the expectation a row writes.
void check(const Row& row) {
  QString text = QString::fromUtf8(row.text);
  const int partner = int(text.remove(u'|').indexOf(u'^'));
  text = QString::fromUtf8(row.text).remove(u'^');
  const int caret = int(text.indexOf(u'|'));
  text.remove(caret, 1);
  const MatchWindow window{text, 0, true, true};
  const std::optional<MatchFound> found =
      row.mode == kHtmlMode ? MatchTag(window, caret)
                            : MatchBracket(window, caret,
                                           row.mode == kProgramMode ? QuietStretches(text, row.language, LineState::Code)
                                                                    : std::vector<QuietStretch>{});
  ASSERT_EQ(found.has_value(), row.expect != Nothing);
  if (row.expect == Nothing) return;
  ASSERT_EQ(found->partner.has_value(), row.expect == Partner);
  EXPECT_EQ(found->partner ? found->partner->start : -1, partner);  // -1: a row without "^"
}

const Row kRows[] = {
    {kProgramMode, LanguageMode::Cpp, "|(a[b](c)^)", Partner},
    {kProgramMode, LanguageMode::Cpp, "^(a[b]|)", Partner},
    {kProgramMode, LanguageMode::Cpp, "f|(\")\", ')', /* ) */ x^) // )", Partner},
    {kProgramMode, LanguageMode::Cpp, "s = \"(|\";", Nothing},
    {kProgramMode, LanguageMode::Java, "c = '{'; |{ \"}\" ^}", Partner},
    {kProgramMode, LanguageMode::Cpp, "|{\r\n  /* }\r\n  } */ \r\n^}", Partner},
    {kProgramMode, LanguageMode::Pascal, "x := |{ a } b;", Nothing},
    {kProgramMode, LanguageMode::Pascal, "|(a { ) } (* ) *) 'x)' b^)", Partner},
    {kProgramMode, LanguageMode::Perl, "print \"(\" . |(x^) # (", Partner},
    {kProgramMode, LanguageMode::Cpp, "|(a[b]", Unmatched},
    {kProgramMode, LanguageMode::Cpp, "a]|", Unmatched},
    {kTextMode, LanguageMode::Cpp, "\"^(\" |)", Partner},
    {kTextMode, LanguageMode::Cpp, "a |b c", Nothing},
    {kHtmlMode, LanguageMode::Cpp, "|<div><div></div>^</div>", Partner},
    {kHtmlMode, LanguageMode::Cpp, "^<DIV>x|</div>", Partner},
    {kHtmlMode, LanguageMode::Cpp, "<d|iv><br><img src=a><!-- </div> -->^</Div>", Partner},
    {kHtmlMode, LanguageMode::Cpp, "<a title=\"x>y\"|>t^</a>", Partner},
    {kHtmlMode, LanguageMode::Cpp, "<b|r>", Nothing},
    {kHtmlMode, LanguageMode::Cpp, "<div/|>", Nothing},
    {kHtmlMode, LanguageMode::Cpp, "<ul><l|i>a</ul>", Nothing},
    {kHtmlMode, LanguageMode::Cpp, "<di|v>a", Unmatched},
    {kHtmlMode, LanguageMode::Cpp, "<p>a</spa|n>", Unmatched},
    {kHtmlMode, LanguageMode::Cpp, "<!-- <d|iv> -->", Nothing},
};

TEST(BracketMatching, FindsThePartnerOfTheBracketOrTagAtTheCaret) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.text);
    check(row);
  }
  // A partner the window does not reach is not looked for.
  const QString text = "(" + QString(100, u'x') + ")";
  EXPECT_FALSE(MatchBracket({text.left(50), 0, true, false}, 0, {}));
  EXPECT_FALSE(MatchTag({"<div>x", 10, false, false}, 12));
}

struct Commands : ::testing::Test {
  QWidget window;
  EditorControl editor{&window};
  DocumentState document;
  Settings settings;
  QStringList notes;
  BracketMatching matching{{editor, document, settings, {}, [this](const QString& note) { notes << note; }}};

  std::vector<EditorControl::TextMark> marks() const { return editor.textMarks(EditorControl::MarkLayer::Brackets); }
};

TEST_F(Commands, CaretMovesMarkThePairOrTheLoneBracketWithoutChangingTheText) {
  test::setTextWithCaret(editor, "a |(b [c] d) e(");
  editor.setModified(false);
  ASSERT_EQ(marks().size(), 2u);
  EXPECT_EQ(marks()[1].start, 10);
  EXPECT_EQ(marks()[0].background, BracketMatching::matchColour(editor.background()));
  const quint64 revision = editor.revision();
  editor.setSelStart(14);
  ASSERT_EQ(marks().size(), 1u);
  EXPECT_EQ(marks()[0].background, BracketMatching::errorColour(editor.background()));
  EXPECT_NE(BracketMatching::matchColour(Qt::black), BracketMatching::matchColour(Qt::white));
  editor.setSelStart(1);
  EXPECT_TRUE(marks().empty());
  EXPECT_EQ(editor.revision(), revision);
  EXPECT_FALSE(editor.isModified());
}

TEST_F(Commands, GoAndSelectReachThePartnerOrLeaveANote) {
  test::setTextWithCaret(editor, "a |(b [c] d) e");
  matching.goToMatch();
  EXPECT_EQ(test::textWithCaret(editor), "a (b [c] d|) e");
  matching.goToMatch();
  EXPECT_EQ(test::textWithCaret(editor), "a |(b [c] d) e");
  matching.selectToMatch();
  EXPECT_EQ(test::textWithCaret(editor), "a [(b [c] d)] e");

  document.DocumentMode = kHtmlMode;
  test::setTextWithCaret(editor, "<u|l><li>x</ul>");
  matching.goToMatch();
  EXPECT_EQ(test::textWithCaret(editor), "<ul><li>x|</ul>");

  // Beyond the reach: nothing moves, a note says why.
  document.DocumentMode = kTextMode;
  test::setTextWithCaret(editor, "|(" + QString(3 * BracketMatching::kReach, u'x') + ")");
  matching.goToMatch();
  EXPECT_EQ(editor.selStart(), 0);
  EXPECT_EQ(notes.size(), 1);
}

}  // namespace
