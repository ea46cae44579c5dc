// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What HTML formatting is open at the caret, worked out from the text alone.
// The key handling keeps the result in CaretContextFlags, which the mark-up
// commands read: the bold command unwraps when the caret is in bold, the
// alignment command removes or changes an align value it finds, and so on.

#include <QString>

#include "text/tag_index.h"

namespace wrenpad {

// The caret-context flags shared by the key handling and the mark-up
// commands. They are refreshed half a second after typing stops, so they may
// lag behind the caret; commands that change the text clear what they undo.
struct CaretContextFlags {
  bool InBold = false;
  bool InItalic = false;
  bool InUnderline = false;
  bool InScript = false;        // inside a script block
  bool InHeadOrScript = false;  // inside the head section or a script block
  QString CurrentAlign;         // align value of the enclosing paragraph, division or heading
  QString LinkTarget;           // full file name of the quoted link at the caret
};

struct CaretContext {
  bool inBold = false;
  bool inItalic = false;
  bool inUnderline = false;
  bool inScript = false;
  bool inHeadOrScript = false;
  bool inTable = false;    // more "<table" than "</table" before the caret
  QString currentAlign;    // "" when no enclosing element names one
  int headingLevel = 0;    // 1 to 5 when the caret's line holds "<h1" to "<h5"

  friend bool operator==(const CaretContext&, const CaretContext&) = default;
};

// Analyses the text before `caret` (an editor position) and the caret's line,
// all compared in lower case:
// - bold, italic, underline: more opening than closing tags ("<b>" / "</b>").
// - script: a "<script" and no "</script".
// - head or script: in a script, or a "<head" is there and no "</head>"
//   comes before it (a closed head section is left behind).
// - align: when the first "<p " lies after the first "</p>" (or there is no
//   "</p>"), the align of that opening tag; a division ("<div " / "</div>")
//   likewise; a heading "<h1" to "<h5" on the caret's line gives its level
//   and the align of its opening tag. A later source that names an align
//   replaces an earlier one.
CaretContext AnalyseCaretContext(const QString& text, int caret);
// The same from an index of the tags kept up to date with `text`: the cost
// no longer grows with the text before the caret, and only the tags it
// names and the caret's line are read.
CaretContext AnalyseCaretContext(const PieceText& text, int caret, const TagIndex& tags);

// Whether the caret stands in the page's first script block, or in it or the
// head section, worked out from the text before it at the moment of asking
// (the flags above may lag behind the caret by half a second).
bool InScriptAt(const QString& text, int caret);
bool InHeadOrScriptAt(const QString& text, int caret);
bool InScriptAt(const TagIndex& tags, int caret);
bool InHeadOrScriptAt(const TagIndex& tags, int caret);

// Copies the analysis into the shared flags (the link target is left alone).
void storeCaretContext(const CaretContext& context, CaretContextFlags& flags);

// The caret's line: its first position and its text without the line break.
struct LineAt {
  int start = 0;
  QString text;
};
LineAt lineAtPosition(const PieceText& text, int position);

}  // namespace wrenpad
