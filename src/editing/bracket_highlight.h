// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Matching brackets and tags in the editor: on every caret move the bracket
// (in programs and plain text) or the tag (in pages) at the caret and its
// partner get a background mark, or an error mark when it has no partner;
// two Edit commands go to the partner or select up to it.
//
// Only a fixed reach of text on either side of the caret is read (through
// the editor's kept text, at the cost of that stretch), so a caret move in a
// document of fifty megabytes costs what it costs in a small one. A partner
// further away is not shown.

#include "editing/bracket_matching.h"

#include <QColor>
#include <QCoreApplication>
#include <QObject>
#include <functional>
#include <optional>

namespace wrenpad {

class EditorControl;
struct DocumentState;
struct Settings;

struct BracketMatchingContext {
  EditorControl& editor;
  const DocumentState& document;  // the mode: program, page or text
  const Settings& settings;       // the language of programs
  // What the program colouring found open at the start of a line (a comment,
  // a string), when it knows; nothing otherwise.
  std::function<std::optional<LineState>(int line)> stateAtLineStart;
  // A short note on the status bar.
  std::function<void(const QString& note)> showNote;
};

class BracketMatching {
  Q_DECLARE_TR_FUNCTIONS(BracketMatching)

 public:
  // 64 Ki characters each way: some thousand lines of a program, more than a
  // function or a page's element usually spans, and read and scanned in a
  // millisecond or two. A scan is kept for the caret moves after it: the
  // window read starts on a step of kStep, so the same window serves every
  // caret within one step while the text stays as it was.
  static constexpr int kReach = 64 * 1024;
  static constexpr int kStep = 16 * 1024;

  // Follows the editor's caret moves from now on.
  explicit BracketMatching(BracketMatchingContext context);

  // The marks follow the caret; switched off, none are shown.
  void setActive(bool active);
  // Marks the bracket or tag at the caret and its partner again.
  void refresh();

  // What the caret stands at now, and its partner.
  std::optional<MatchFound> matchAtCaret() const;

  // Go to Matching Bracket: the caret to the partner (to the start of a
  // partner tag, or onto a partner bracket).
  void goToMatch();
  // Select to Matching Bracket: from the caret up to and including the partner.
  void selectToMatch();

  // The marks' backgrounds on the editor's background, light or dark.
  static QColor matchColour(const QColor& background);
  static QColor errorColour(const QColor& background);

 private:
  // The text read around a caret and what it holds, for one revision of the
  // text, mode and language.
  struct Scan {
    quint64 revision = ~0ull;
    int mode = -1;
    LanguageMode language = LanguageMode::Cpp;
    int stepFrom = -1;  // the step the window was chosen for
    MatchWindow window;
    std::vector<QuietStretch> quiet;  // in a program
    std::vector<TagToken> tags;       // in a page
  };
  std::optional<MatchFound> partnerOrNote();
  bool tagNear(int caret) const;
  const Scan& scanAround(int caret) const;
  MatchWindow windowFrom(int stepFrom, std::optional<LineState>* state) const;

  BracketMatchingContext c_;
  bool active_ = true;
  // What the marks were last worked out for: the text's revision and the caret.
  quint64 markedRevision_ = ~0ull;
  int markedCaret_ = -1;
  int markedMode_ = -1;
  mutable Scan scan_;
  QObject lifetime_;
};

}  // namespace wrenpad
