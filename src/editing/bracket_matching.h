// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding the partner of the bracket or the tag at the caret within a stretch
// of text read around it. Pure functions: the caller reads the stretch (a
// fixed reach each way, so a search costs the same in any document) and says
// whether it reaches the text's start and end; a partner that may lie
// beyond the stretch is not looked for, and nothing is reported.

#include "colouring/program_spans.h"
#include "settings/language_mode.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace wrenpad {

// The text read around the caret.
struct MatchWindow {
  QString text;
  int offset = 0;            // where `text` starts in the document
  bool reachesStart = true;  // `text` begins at the document's start
  bool reachesEnd = true;    // `text` ends at the document's end
};

// A stretch of the document: a bracket, or a tag from "<" to ">".
struct MatchStretch {
  int start = 0;
  int length = 0;

  friend bool operator==(const MatchStretch&, const MatchStretch&) = default;
};

// The bracket or tag at the caret, and its partner; no partner: it has none
// in the whole document.
struct MatchFound {
  MatchStretch item;
  std::optional<MatchStretch> partner;
};

// A string literal or a comment: [start, end) of a window's text.
struct QuietStretch {
  int start = 0;
  int end = 0;
};

// The strings and comments of `text` as the program colouring reads them in
// `mode`, the text beginning in `state`; in order.
std::vector<QuietStretch> QuietStretches(QStringView text, LanguageMode mode, LineState state);

// The bracket ( ) [ ] { } at the caret, else the one just before it, outside
// the quiet stretches, and its partner of the same kind with nesting counted.
// Nothing when there is no bracket there or the search leaves the window.
std::optional<MatchFound> MatchBracket(const MatchWindow& window, int caret,
                                       const std::vector<QuietStretch>& quiet);

// A tag of a window's text: [start, end) from "<" to past ">".
struct TagToken {
  int start = 0;
  int end = 0;
  QString name;  // lower case
  bool closing = false;
  bool selfClosing = false;
};

// The tags of `text` in order, comments passed over.
std::vector<TagToken> TagsIn(QStringView text);

// The tag the caret stands in (or just after, or at the "<" of), and its
// partner: the end tag of a start tag, or the start tag of an end tag, of
// the same name without regard to case, nesting counted, comments passed
// over. Nothing for an empty element (br, img, ...), a tag closed by "/>",
// an element whose end tag may be left out when it has none (p, li, td,
// ...), or when the search leaves the window.
std::optional<MatchFound> MatchTag(const MatchWindow& window, int caret);
// The same with the window's tags as TagsIn gives them.
std::optional<MatchFound> MatchTag(const MatchWindow& window, const std::vector<TagToken>& tags, int caret);

// Whether a tag that MatchTag would answer for stands at the caret, judged
// from the window alone: a quick look over a small window before a search
// over a large one.
bool TagAtCaret(const MatchWindow& window, int caret);

}  // namespace wrenpad
