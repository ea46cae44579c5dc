#include "text/tag_index.h"

#include <algorithm>

#include "text/text_helpers.h"

namespace wrenpad {

namespace {

// Starts of `needle` in [from, to) of `text`, in order. No needle can overlap
// itself (each holds one "<", at its start), so a match skips its length.
std::vector<int> findStarts(const QString& text, qsizetype from, qsizetype to, const QString& needle) {
  std::vector<int> found;
  const qsizetype before = to + needle.size() - 1;  // a start below `to` may end past it
  for (qsizetype at = IndexOfLowered(text, needle, from, before); at >= 0;
       at = IndexOfLowered(text, needle, at + needle.size(), before))
    found.push_back(int(at));
  return found;
}

}  // namespace

const QString& TagIndex::textOf(Tag tag) {
  static const std::array<QString, kTags> texts = {
      QStringLiteral("<b>"),     QStringLiteral("</b>"),     QStringLiteral("<i>"),
      QStringLiteral("</i>"),    QStringLiteral("<u>"),      QStringLiteral("</u>"),
      QStringLiteral("<table"),  QStringLiteral("</table"),  QStringLiteral("<script"),
      QStringLiteral("</script"), QStringLiteral("<head"),   QStringLiteral("</head>"),
      QStringLiteral("<p "),     QStringLiteral("</p>"),     QStringLiteral("<div "),
      QStringLiteral("</div>")};
  return texts[tag];
}

void TagIndex::rebuild(const QString& text) {
  for (int tag = 0; tag < kTags; ++tag)
    starts_[tag] = findStarts(text, 0, text.size(), textOf(Tag(tag)));
}

void TagIndex::splice(const QString& text, int start, int removed, int added) {
  const int shift = added - removed;
  for (int tag = 0; tag < kTags; ++tag) {
    const int length = int(textOf(Tag(tag)).size());
    std::vector<int>& starts = starts_[tag];
    // Occurrences touching the removed stretch go; later ones move along.
    const auto first = std::upper_bound(starts.begin(), starts.end(), start - length);
    const auto last = std::lower_bound(first, starts.end(), start + removed);
    std::for_each(last, starts.end(), [shift](int& at) { at += shift; });
    const auto gap = starts.erase(first, last);
    // Occurrences that touch the added stretch are found afresh.
    const std::vector<int> found =
        findStarts(text, qsizetype(start) - length + 1, qsizetype(start) + added, textOf(Tag(tag)));
    starts.insert(gap, found.begin(), found.end());
  }
}

int TagIndex::countBefore(Tag tag, int caret) const {
  const std::vector<int>& starts = starts_[tag];
  const int length = int(textOf(tag).size());
  return int(std::upper_bound(starts.begin(), starts.end(), caret - length) - starts.begin());
}

int TagIndex::firstBefore(Tag tag, int caret) const {
  const std::vector<int>& starts = starts_[tag];
  if (starts.empty() || starts.front() + textOf(tag).size() > caret) return 0;
  return starts.front() + 1;
}

}  // namespace wrenpad
