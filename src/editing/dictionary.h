// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Looking up the English word at the caret in a dictionary program: the word
// is taken from the text, reduced to a base form by stripping common endings,
// put on the clipboard and handed to the dictionary program as its argument.
// The same word extraction serves the F2 key.

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace wrenpad {

class Dialogs;
class EditorControl;
struct MessageTable;
struct Settings;

// The word with punctuation and common English endings removed, one rule
// after the other in a fixed order: "studies" gives "study", "leaves" "leaf",
// "goes" "go", "dying" "die", "carried" "carry", "played" "play"; a full stop
// and a closing double quote behind the word go too, and so do dashes
// before it ("--verbose" gives "verbose"), so the word never reads as an
// option of the program it is handed to.
QString BaseFormOfWord(QString word);

struct WordRange {
  int start = 0;
  int length = 0;
  friend bool operator==(const WordRange&, const WordRange&) = default;
};

// The word the caret stands in or behind, in `text` (line breaks as CR LF):
// from the caret back to the start of the text or to a blank, a line break
// or a double quote before it, then forward up to the next blank, line break
// or the end of the text, which must come within 20 characters. Nothing when
// no such end comes or the word is shorter than 3 characters.
std::optional<WordRange> WordRangeAtCaret(const QString& text, int caret);

// Selects the word at the caret (a selection the user made is taken as it
// is), puts its base form on the clipboard through `putOnClipboard` and
// returns it. Nothing, and the clipboard untouched, when there is no word.
std::optional<QString> CopyWordAtCaret(EditorControl& editor,
                                       const std::function<void(const QString&)>& putOnClipboard);

struct DictionaryContext {
  EditorControl& editor;
  Dialogs& dialogs;
  Settings& settings;        // Settings::Dictionary: the program the user chose
  const MessageTable& messages;
  // Full path of an executable program: a path is checked as it is, a bare
  // name searched on PATH; "" when there is none.
  std::function<QString(const QString& name)> findExecutable;
  // Start a program on its own, or inside the user's terminal; false when it
  // could not be started.
  std::function<bool(const QString& program, const QStringList& arguments)> startDetached;
  std::function<bool(const QString& program, const QStringList& arguments)> startInTerminal;
  // Moves the main window to the left half of the screen, leaving the right
  // half to the dictionary.
  std::function<void()> placeWindowOnLeftHalf;
  std::function<void(const QString&)> putOnClipboard;
};

class DictionaryCommand {
  Q_DECLARE_TR_FUNCTIONS(DictionaryCommand)

 public:
  explicit DictionaryCommand(DictionaryContext context);

  // Looks the word at the caret up: in the program the user chose when it is
  // still there, else in GoldenDict, else in sdcv (in a terminal); when none
  // is found the user is asked to choose one. The word goes to the program
  // as its argument; without a word the program starts without one.
  void mmReferClick();
  // Asks for the dictionary program and keeps it in Settings::Dictionary.
  // False when the user cancelled or chose something that cannot be run.
  bool mmChangeDictionaryClick();

 private:
  struct Program {
    QString path;
    bool inTerminal = false;
  };
  std::optional<Program> programToStart();
  std::optional<Program> installedProgram() const;

  DictionaryContext c_;
};

}  // namespace wrenpad
