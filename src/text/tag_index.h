#pragma once
// Where the tags that decide the caret context stand in the text, kept up to
// date change by change, so that asking "is the caret in bold, in a table, in
// the head?" costs a binary search instead of a pass over the text before the
// caret. Tags are matched without regard to case.

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
  // `added` characters, giving `text`.
  void splice(const QString& text, int start, int removed, int added);

  // How many occurrences of `tag` lie wholly before `caret`.
  int countBefore(Tag tag, int caret) const;
  // 1-based position of the first occurrence of `tag` when it lies wholly
  // before `caret`; 0 otherwise.
  int firstBefore(Tag tag, int caret) const;
  // Every occurrence's 0-based start, in order.
  const std::vector<int>& starts(Tag tag) const { return starts_[tag]; }

 private:
  std::array<std::vector<int>, kTags> starts_;
};

}  // namespace wrenpad
