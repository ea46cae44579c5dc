// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the tags that decide the caret context stand in the text, kept up to
// date change by change, so that asking "is the caret in bold, in a table, in
// the head?" costs a binary search instead of a pass over the text before the
// caret. Tags are matched without regard to case. A change costs the text
// around it and the occurrences between it and the change before, not all
// the occurrences after it.

#include "text/piece_text.h"

#include <QString>
#include <array>
#include <vector>

namespace wrenpad {

class TagIndex {
 public:
  enum Tag {
    Bold, BoldEnd, Italic, ItalicEnd, Underline, UnderlineEnd, Table, TableEnd,
    Script, ScriptEnd, Head, HeadEnd, Paragraph, ParagraphEnd, Division, DivisionEnd,
    kTags
  };
  // The text each tag is found by, in lower case ("<b>", "</table", "<p ", ...).
  static const QString& textOf(Tag tag);

  // Indexes `text` from scratch.
  void rebuild(const QString& text);
  // Follows one change: `removed` characters at `start` were replaced by
  // `added` characters, giving `text`. Only the text around the change is
  // read.
  void splice(const PieceText& text, int start, int removed, int added);

  // How many occurrences of `tag` lie wholly before `caret`.
  int countBefore(Tag tag, int caret) const;
  // 1-based position of the first occurrence of `tag` when it lies wholly
  // before `caret`; 0 otherwise.
  int firstBefore(Tag tag, int caret) const;
  // Every occurrence's 0-based start, in order.
  std::vector<int> starts(Tag tag) const { return starts_[tag].all(); }

 private:
  // Ascending positions whose part after the place of the last change is
  // kept as it was and moved by `shift_` when read: a change moves only the
  // positions between its place and the last change's over to the other part.
  class Positions {
   public:
    int size() const { return int(before_.size() + after_.size()); }
    int at(int index) const;
    // The index of the first position above (at least) `value`.
    int firstAbove(int value) const;
    int firstAtLeast(int value) const;
    // The positions [first, last) give way to `found`, all after them move
    // by `shift`.
    void replace(int first, int last, const std::vector<int>& found, int shift);
    void assign(std::vector<int> all);
    std::vector<int> all() const;

   private:
    void splitAt(int index);
    std::vector<int> before_;  // in order, as they are
    std::vector<int> after_;   // from the last back, each `shift_` short
    int shift_ = 0;
  };
  std::array<Positions, kTags> starts_;
};

}  // namespace wrenpad
