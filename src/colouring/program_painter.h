// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours program documents in the editor: the whole text after opening,
// pasting and replacing; after a key, only the lines the typing changed (and
// those after them whose comment or string state changed with them), a
// bounded number of lines at once, the rest on the next quiet moment. In a
// page, the line of its script the caret is on, and the whole script on the
// next quiet moment.

#include "colouring/colouring_context.h"
#include "colouring/program_spans.h"
#include "editor/editor_control.h"

#include <vector>

namespace wrenpad {

class ProgramPainter {
 public:
  explicit ProgramPainter(ColouringContext context);

  // Reads the keyword list of `mode` from `folder`: "KeyWords_cpp.ini" for
  // C/C++ and Java (and pages' JavaScript), "KeyWords_pas.ini" for Perl and
  // Pascal. A list that cannot be read leaves the list as it was with "for",
  // "while", "if" and "else" added. True when the file was read.
  bool LoadKeywordList(LanguageMode mode, const QStringList& folders);

  // Recolours the lines holding [from, to) (0-based positions) and the lines
  // after them whose start state changed. Nothing while automatic colouring
  // is off. The selection and the view stay.
  void PaintProgramRange(int from, int to);
  // The whole program.
  void PaintWholeProgram();

  // The editor's text changed: the changed lines join the changed-line mark.
  void noteTextChanged();
  // After a key in a program: the marked lines are coloured now, up to a
  // bound; a change that reaches further stays marked.
  void PaintAfterKey();
  // After a key in a page's script: the caret's line, coloured as a program.
  void PaintScriptLineAtCaret();
  // The quiet moment after typing: what is still marked, or the page's
  // script when a key touched it.
  void PaintMarkedLines();
  bool hasMarkedLines() const { return markFirst_ >= 0 || scriptMarked_; }

  LanguageMode mode() const;
  // What the colouring found open at the start of `line` (a comment, a
  // string), while its line states follow the text; nothing otherwise.
  std::optional<LineState> stateAtLineStart(int line) const;

 private:
  bool statesFollowText() const;
  // Colours from line `first`, at least through `last`, further while the
  // line states change, but not past `limit`. Returns the last line coloured.
  int paintLines(int first, int last, int limit);
  void mark(int first, int last);
  void clearMark();

  ColouringContext c_;
  // Each line's end state, for the text of revision statesRevision_.
  std::vector<LineState> states_;
  quint64 statesRevision_ = ~0ull;
  LanguageMode statesMode_ = LanguageMode::Cpp;
  int markFirst_ = -1;  // the changed-line mark: lines still to colour
  int markLast_ = -1;
  bool scriptMarked_ = false;
};

}  // namespace wrenpad
