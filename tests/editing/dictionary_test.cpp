// SPDX-License-Identifier: GPL-3.0-or-later
// The word at the caret, its base form, and the look-up in a dictionary program.
#include "editing/dictionary.h"

#include "editor/editor_control.h"
#include "language/message_table.h"
#include "settings/settings.h"
#include "support/caret_text.h"
#include "support/scripted_dialogs.h"

#include <QSet>
#include <QWidget>
#include <gtest/gtest.h>

using namespace wrenpad;
using namespace wrenpad::test;

TEST(BaseFormOfWord, CommonEndingsGiveTheBaseForm) {
  const QList<std::pair<QString, QString>> cases = {
      {"studies", "study"}, {"leaves", "leaf"},   {"goes", "go"},       {"dying", "die"},
      {"carried", "carry"}, {"played", "play"},   {"look.\"", "look"},  {"books\",", "book"},
      {"word", "wor"},      {"STUDIES", "STUDIES"}};  // crude rules, lower-case endings only
  for (const auto& [word, base] : cases) EXPECT_EQ(BaseFormOfWord(word), base) << word.toStdString();
}

TEST(WordRangeAtCaret, TakesTheWholeWordAroundTheCaret) {
  const QString text = "He said \"wonderful.\" and left\r\nlast";
  const auto rangeAt = [&](int caret) { return WordRangeAtCaret(text, caret); };
  // The middle of a word: back to its start, forward to the next blank.
  EXPECT_EQ(rangeAt(int(text.indexOf("nder"))), (WordRange{int(text.indexOf("wonderful")), 11}));
  EXPECT_EQ(rangeAt(0), std::nullopt);                             // "He" is too short
  // A word at the end of a line stops at the line break, not on the next line.
  EXPECT_EQ(rangeAt(int(text.indexOf("left")) + 2), (WordRange{int(text.indexOf("left")), 4}));
  // The last word of the text ends with the text; the start of a line starts a word.
  EXPECT_EQ(rangeAt(int(text.size())), (WordRange{int(text.indexOf("last")), 4}));
  // A word without an end within twenty characters is no word.
  EXPECT_EQ(WordRangeAtCaret(QString(19, u'a') + " b", 5), (WordRange{0, 19}));
  EXPECT_EQ(WordRangeAtCaret(QString(20, u'a') + " b", 5), std::nullopt);
}

struct DictionaryFixture : ::testing::Test {
  QWidget window;
  EditorControl editor{&window};
  ScriptedDialogs dialogs;
  Settings settings;
  MessageTable messages = englishMessages();
  QSet<QString> onPath;              // programs findExecutable knows, by name and path
  QStringList clipboard;
  QStringList started;               // "detached|terminal: program args"
  bool startSucceeds = true;
  int windowMoves = 0;

  DictionaryCommand command{DictionaryContext{
      editor, dialogs, settings, messages,
      [this](const QString& name) -> QString {
        if (onPath.contains(name)) return name.startsWith(u'/') ? name : "/usr/bin/" + name;
        return {};
      },
      starter("detached: "), starter("terminal: "),
      [this] { ++windowMoves; },
      [this](const QString& text) { clipboard << text; }}};

  std::function<bool(const QString&, const QStringList&)> starter(const QString& how) {
    return [this, how](const QString& program, const QStringList& arguments) {
      started << how + (QStringList{program} + arguments).join(u' ');
      return startSucceeds;
    };
  }
  void setText(const QString& withCaret) { setTextWithCaret(editor, withCaret); }
};

// The chosen program, else GoldenDict, else sdcv in a terminal. A word with
// dashes before it reaches the program as a word, never as an option; dashes
// alone are no word.
TEST_F(DictionaryFixture, TheLookUpPrefersTheChosenProgramAndAWordIsNeverAnOption) {
  setText("many stud|ies here");
  onPath = {"goldendict", "sdcv", "/opt/dict/mydict"};
  settings.Dictionary = "/opt/dict/mydict";
  command.mmReferClick();
  settings.Dictionary = "/gone/program";  // chosen before, no longer there
  setText("run it --verb|ose please");
  command.mmReferClick();
  settings.Dictionary = "sdcv";  // chosen by name over GoldenDict
  setText("|-delete");
  command.mmReferClick();
  settings.Dictionary.clear();
  onPath.remove("goldendict");
  setText("a |--- b");
  command.mmReferClick();
  EXPECT_EQ(started, (QStringList{"detached: /opt/dict/mydict study",
                                  "detached: /usr/bin/goldendict verbose",
                                  "terminal: /usr/bin/sdcv delete", "terminal: /usr/bin/sdcv"}));
  EXPECT_EQ(windowMoves, 4);
  EXPECT_EQ(clipboard, (QStringList{"study", "verbose", "delete"}));
  EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(DictionaryFixture, WithNoDictionaryTheUserChoosesOneThatRunsAndAFailedStartIsReported) {
  settings.Dictionary = "/opt/old";  // chosen before, no longer there
  setText("|studies");
  command.mmReferClick();  // the open dialog is cancelled
  EXPECT_EQ(dialogs.asked, (QStringList{"message: " + messages.MsgSelectDictionary, "open: /usr/bin"}));

  // A choice that cannot run is not kept.
  dialogs.filesToOpen = {OpenFileChoice{"/home/u/notes.txt"}};
  EXPECT_FALSE(command.mmChangeDictionaryClick());
  EXPECT_EQ(settings.Dictionary, "/opt/old");
  EXPECT_EQ(dialogs.askedOf("error"), QStringList{"\"/home/u/notes.txt\" is not a program that can be started."});

  onPath = {"/home/u/bin/lookup"};
  dialogs.filesToOpen = {OpenFileChoice{"/home/u/bin/lookup"}};
  command.mmReferClick();
  EXPECT_EQ(settings.Dictionary, "/home/u/bin/lookup");
  EXPECT_EQ(started, QStringList{"detached: /home/u/bin/lookup study"});
  EXPECT_EQ(windowMoves, 1);

  startSucceeds = false;
  command.mmReferClick();
  EXPECT_EQ(dialogs.askedOf("error").last(),
            "The dictionary program \"/home/u/bin/lookup\" could not be started.");
  EXPECT_EQ(windowMoves, 1);
}
