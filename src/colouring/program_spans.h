// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colouring program text: keywords, string literals and comments of C/C++,
// Java, Perl, Pascal and the JavaScript of pages. The text is scanned line by
// line; what one line leaves open for the next (a block comment, a Perl
// string across lines) is the line's end state, so a change recolours its own
// lines and only as many after them as the state changes for.

#include "colouring/colour_span.h"
#include "settings/language_mode.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace wrenpad {

// The keyword list of a language. A file has one entry per line; a leading
// "|" lets the keyword also stand first on a line, a trailing "|" (removed)
// or ";" (kept) also last on a line or alone on it. Elsewhere a keyword is
// recognised between blanks, after "(" before a blank, and before "(".
// Matching ignores case. Lines starting with ";" are remarks.
class KeywordList {
 public:
  struct Entry {
    QString keyword;
    bool atLineStart = false;
    bool atLineEnd = false;
  };

  static KeywordList fromLines(const QStringList& lines);
  // The words a missing list file leaves: "for", "while", "if" and "else",
  // added to what the list holds.
  void addFallbackWords();

  // The entry for `word`, ignoring case; null when it is no keyword.
  const Entry* find(QStringView word) const;
  int size() const { return int(entries_.size()); }
  QStringList keywords() const;

 private:
  void add(const Entry& entry);

  std::vector<Entry> entries_;
  QHash<QString, int> byLowerCase_;  // the first entry of a word counts
  int longest_ = 0;
};

// What a line leaves open for the next one.
enum class LineState : std::uint8_t {
  Code,
  BlockComment,   // "/*" in C, C++, Java and JavaScript; "(*" in Pascal
  BraceComment,   // "{" in Pascal
  DoubleString,   // a Perl string in double quotes across lines
  SingleString,   // a Perl string in single quotes across lines
  TextBlock,      // a Java text block, from \"\"\" to \"\"\"
};

// Scans one line (without its line break) that begins in `state`, adding the
// spans of its keywords, strings and comments at `offset` (the line's
// position in the text). Returns the state at the line's end.
LineState ScanProgramLine(QStringView line, LineState state, LanguageMode mode,
                          const KeywordList& keywords, int offset, std::vector<ColourSpan>& spans);

// A Pascal program's heading word: the first "program" among the first 200
// characters of the text, ignoring case, or else the first "var". Its span,
// or nothing.
std::optional<ColourSpan> PascalHeadingSpan(const QString& text);

// The spans of the text from `start` to `end` taken as a program of its own
// (the script of a page), each line's end state in `lineStates` when given.
std::vector<ColourSpan> ProgramSpansIn(const QString& text, int start, int end, LanguageMode mode,
                                       const KeywordList& keywords,
                                       std::vector<LineState>* lineStates = nullptr);

// The spans of the whole of `text` (CR LF line breaks), each line's end state
// in `lineStates` when given; a Pascal program's heading word too.
std::vector<ColourSpan> ProgramSpans(const QString& text, LanguageMode mode, const KeywordList& keywords,
                                     std::vector<LineState>* lineStates = nullptr);

}  // namespace wrenpad
