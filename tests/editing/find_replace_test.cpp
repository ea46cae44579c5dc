// SPDX-License-Identifier: GPL-3.0-or-later
// Find, Replace and Replace All on a real editor, with the dialogs' requests
// sent as their buttons send them and the questions answered by script.
#include "documents/editor_view.h"
#include "editing/find_replace.h"

#include "editor/editor_control.h"
#include "support/caret_text.h"
#include "support/scripted_dialogs.h"
#include "text/translation.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <vector>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace wrenpad::test {
namespace {

using Kind = FindRequest::Kind;

struct FindReplaceTest : ::testing::Test {
  QWidget window;
  EditorControl editor{&window};
  ScriptedDialogs dialogs;
  std::vector<bool> pasteShortcut;  // every call of the paste callback
  int recolours = 0;
  EditorView view{{.editor = editor}};
  ShownView shown{view};
  FindReplace find{FindReplaceContext{editor, shown, dialogs,
                                      [this](bool on) { pasteShortcut.push_back(on); },
                                      [this] { ++recolours; }}};

  void setText(const QString& withCaret) { test::setTextWithCaret(editor, withCaret); }
  QString textWithCaret() const { return test::textWithCaret(editor); }
  void findNext(const QString& what, bool matchCase) {
    find.serveFindDialog({Kind::FindNext, {what, {}, matchCase}});
  }
  void replace(Kind kind, const QString& what, const QString& with, bool matchCase = false) {
    find.serveReplaceDialog({kind, {what, with, matchCase}});
  }
};

TEST_F(FindReplaceTest, FindFollowsTheFindDialogsCaseRuleAndFoldsNonAsciiCase) {
  setText("|xx Abc abc");
  findNext("abc", false);
  EXPECT_EQ(textWithCaret(), "xx [Abc] abc");
  editor.setSelStart(0);
  findNext("abc", true);
  EXPECT_EQ(textWithCaret(), "xx Abc [abc]");

  setText("|日本 Ｗｅｂ ÄRGER");
  findNext(QStringLiteral("ärger"), false);
  EXPECT_EQ(textWithCaret(), "日本 Ｗｅｂ [ÄRGER]");

  // Find Next in the Replace dialog searches with its own text but the Find
  // dialog's case rule.
  setText("|Abc abc");
  find.serveFindDialog({Kind::Edited, {"other", {}, true}});
  replace(Kind::FindNext, "abc", "x", false);
  EXPECT_EQ(textWithCaret(), "Abc [abc]");
}

TEST_F(FindReplaceTest, FindStartsAfterTheSelectionAndStopsAtTheEndAndAnEmptySearchDoesNothing) {
  find.mmFindClick();
  setText("|abc abc");
  findNext("abc", true);
  findNext("abc", true);
  findNext("abc", true);  // no wrap to the start
  EXPECT_EQ(textWithCaret(), "abc [abc]");
  EXPECT_EQ(dialogs.askedOf("message"), QStringList{"Could not find the word"});
  EXPECT_FALSE(find.findDialogOpen());
  EXPECT_EQ(pasteShortcut, (std::vector<bool>{false, true}));

  // An empty search does nothing.
  dialogs.asked.clear();
  find.mmFindClick();
  setText("ab|c");
  findNext("", false);
  replace(Kind::ReplaceAll, "", "x");
  EXPECT_EQ(textWithCaret(), "ab|c");
  EXPECT_EQ(dialogs.asked, QStringList{"modeless: FindDialog"});
  EXPECT_TRUE(find.findDialogOpen());
  EXPECT_EQ(recolours, 0);
}

TEST_F(FindReplaceTest, ReplaceReplacesTheSelectionAndSelectsTheNextOccurrence) {
  setText("|abc --- abc");
  replace(Kind::Replace, "abc", "XY");  // nothing selected: only searches
  EXPECT_EQ(textWithCaret(), "[abc] --- abc");
  replace(Kind::Replace, "abc", "XY");
  EXPECT_EQ(textWithCaret(), "XY --- [abc]");
  replace(Kind::Replace, "abc", "XY");
  EXPECT_EQ(editor.text(), "XY --- XY");
  EXPECT_EQ(dialogs.askedOf("message"), QStringList{"Could not find the word"});
  EXPECT_EQ(recolours, 0);  // Replace leaves colouring alone

  // An occurrence right after the replaced one is the next one.
  setText("|foo foo");
  replace(Kind::Replace, "foo", "bar");
  replace(Kind::Replace, "foo", "bar");
  EXPECT_EQ(textWithCaret(), "bar [foo]");
}

// Replace All from the caret to the end, then, if the user says Yes, from the
// start to the caret; from the start it asks nothing (the first question is
// the fourth row's). An occurrence across the split (one before the caret) is
// replaced exactly once: replacements that hold the search text would show a
// second replacement.
TEST_F(FindReplaceTest, ReplaceAllReplacesEveryOccurrenceOnceInTwoPasses) {
  const struct {
    QString text, what, with;
    bool matchCase;
    Answer answer;
    QString expected;  // with a "|": the caret is checked as well
  } cases[] = {
      {"|abc Abc abc", "abc", "x", false, Answer::Yes, "|x x x"},
      // The occurrence at 0 reaches past the caret at 3 and is not left out.
      {"abc|abc", "ABC", "x", false, Answer::Yes, "xx"},
      {"|xx", "X", "y", true, Answer::Yes, "xx"},  // case-sensitive: no hit
      // The occurrence beginning just before the caret belongs to the first pass.
      {"ab ab ab a|b ab", "ab", "X", false, Answer::Yes, "X X X X X|"},
      {"ab ab ab a|b ab", "ab", "X", false, Answer::No, "ab ab ab X| X"},
      {"abc abc| abc", "abc", "[abc]", false, Answer::Yes, "[abc] [abc] [abc]"},
      // The first pass takes "aa" at the split; the one before reaches into it.
      {"--aa|aa", "aa", "b", false, Answer::Yes, "--aba"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    setText(c.text);
    dialogs.answers = {c.answer};
    replace(Kind::ReplaceAll, c.what, c.with, c.matchCase);
    EXPECT_EQ(c.expected.contains(u'|') ? textWithCaret() : editor.text(), c.expected);
  }
  // The reports of the last cases: asked, and on Yes told the second count.
  EXPECT_EQ(dialogs.askedOf("question").first(),
            "2 of the words have been replaced.\n"
            "Would you like to continue replacing from start to current cursor?");
  EXPECT_EQ(dialogs.askedOf("message"),
            (QStringList{"Additional 3 of the words have been replaced.",
                         "Additional 2 of the words have been replaced.",
                         "Additional 0 of the words have been replaced."}));
  EXPECT_EQ(recolours, 6);  // every Replace All that replaced something
}

TEST_F(FindReplaceTest, OneUndoTakesTheWholeReplaceAllBackAndNoHitIsNoEdit) {
  setText("ab ab ab a|b ab");
  dialogs.answers = {Answer::Yes};
  replace(Kind::ReplaceAll, "ab", "X");
  ASSERT_EQ(editor.text(), "X X X X X");
  editor.undo();
  EXPECT_EQ(editor.text(), "ab ab ab ab ab");
  editor.undo();  // the control's undo redoes
  EXPECT_EQ(editor.text(), "X X X X X");

  // Only the Additional pass replaced anything: its own step.
  setText("ab xx z|z");
  dialogs.answers = {Answer::Yes};
  replace(Kind::ReplaceAll, "ab", "X");
  ASSERT_EQ(editor.text(), "X xx zz");
  editor.undo();
  EXPECT_EQ(editor.text(), "ab xx zz");

  // No hit: still asked and told, but the text, its flag and its colours stay.
  setText("some text| here");
  editor.setModified(false);
  const quint64 revision = editor.revision();
  dialogs.answers = {Answer::Yes};
  replace(Kind::ReplaceAll, "zzz", "x");
  EXPECT_TRUE(dialogs.askedOf("question").last().startsWith("0 of the words have been replaced.\n"));
  EXPECT_EQ(dialogs.askedOf("message").last(), "Additional 0 of the words have been replaced.");
  EXPECT_EQ(editor.revision(), revision);
  EXPECT_FALSE(editor.isModified());
  EXPECT_FALSE(editor.canUndo());
  EXPECT_EQ(recolours, 2);  // only the two Replace Alls above
  EXPECT_EQ(textWithCaret(), "some text| here");
}

TEST_F(FindReplaceTest, DialogsSpeakTheInterfaceLanguageAndCtrlVComesBackWhenBothAreClosed) {
  std::optional<InterfaceLanguageScope> inJapanese(std::in_place, InterfaceLanguage::Japanese);
  find.mmReplaceClick();
  auto* form = window.findChild<TReplaceDialog*>("ReplaceDialog");
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(form->windowTitle(), "置換");
  EXPECT_FALSE(form->findChild<QPushButton*>("FindNext")->isEnabled());  // no search text yet

  // Typing and pressing the buttons send requests with the fields; the
  // reports speak the interface language.
  setText("abc Abc| abc");
  QTest::keyClicks(form->findChild<QLineEdit*>("FindEdit"), "abc");
  QTest::keyClicks(form->findChild<QLineEdit*>("ReplaceEdit"), "x");
  form->findChild<QCheckBox*>("MatchCase")->click();
  EXPECT_EQ(find.replaceFields(), (FindFields{"abc", "x", true}));
  dialogs.answers = {Answer::Yes};
  form->findChild<QPushButton*>("ReplaceAll")->click();
  EXPECT_EQ(editor.text(), "x Abc x");
  EXPECT_EQ(dialogs.askedOf("question"),
            QStringList{"1 個の文字列が置換されました。\n"
                        "文書の先頭から現在のカーソル位置までさらに置換を行いますか？"});
  EXPECT_EQ(dialogs.askedOf("message"), QStringList{"新たに1 個の文字列が置換されました。"});
  EXPECT_FALSE(find.replaceDialogOpen());
  EXPECT_EQ(pasteShortcut, (std::vector<bool>{false, true}));

  // Reopened, it shows what it held. With the Find dialog open as well,
  // Ctrl+V comes back only when both are closed.
  inJapanese.reset();
  find.mmReplaceClick();
  find.mmFindClick();
  EXPECT_EQ(form->findChild<QLineEdit*>("FindEdit")->text(), "abc");
  form->findChild<QPushButton*>("Cancel")->click();
  EXPECT_FALSE(find.replaceDialogOpen());
  EXPECT_EQ(pasteShortcut.back(), false);  // the Find dialog still takes Ctrl+V
  find.serveFindDialog({Kind::Closed, {}});
  EXPECT_EQ(pasteShortcut.back(), true);
}

}  // namespace
}  // namespace wrenpad::test
