// SPDX-License-Identifier: GPL-3.0-or-later
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
    starts_[tag].assign(findStarts(text, 0, text.size(), textOf(Tag(tag))));
}

void TagIndex::splice(const PieceText& text, int start, int removed, int added) {
  // The stretch any tag touching the added characters lies in.
  qsizetype longest = 0;
  for (int tag = 0; tag < kTags; ++tag) longest = std::max(longest, textOf(Tag(tag)).size());
  const qsizetype aroundStart = std::max<qsizetype>(0, qsizetype(start) - longest + 1);
  const QString around = text.mid(aroundStart, qsizetype(start) + added + longest - 1 - aroundStart);
  for (int tag = 0; tag < kTags; ++tag) {
    const int length = int(textOf(Tag(tag)).size());
    Positions& starts = starts_[tag];
    // Occurrences touching the removed stretch go; later ones move along;
    // occurrences that touch the added stretch are found afresh.
    const int first = starts.firstAbove(start - length);
    const int last = std::max(first, starts.firstAtLeast(start + removed));
    std::vector<int> found = findStarts(around, qsizetype(start) - length + 1 - aroundStart,
                                        qsizetype(start) + added - aroundStart, textOf(Tag(tag)));
    for (int& at : found) at += int(aroundStart);
    starts.replace(first, last, found, added - removed);
  }
}

int TagIndex::countBefore(Tag tag, int caret) const {
  const int length = int(textOf(tag).size());
  return starts_[tag].firstAbove(caret - length);
}

int TagIndex::firstBefore(Tag tag, int caret) const {
  const Positions& starts = starts_[tag];
  if (starts.size() == 0 || starts.at(0) + textOf(tag).size() > caret) return 0;
  return starts.at(0) + 1;
}

// ---- positions -------------------------------------------------------------

int TagIndex::Positions::at(int index) const {
  const int kept = int(before_.size());
  return index < kept ? before_[std::size_t(index)] : after_[after_.size() - 1 - std::size_t(index - kept)] + shift_;
}

int TagIndex::Positions::firstAbove(int value) const {
  int low = 0;
  int high = size();
  while (low < high) {
    const int middle = (low + high) / 2;
    if (at(middle) <= value)
      low = middle + 1;
    else
      high = middle;
  }
  return low;
}

int TagIndex::Positions::firstAtLeast(int value) const { return firstAbove(value - 1); }

// The two parts meet at `index`: positions cross over, taking or losing the
// shift on the way.
void TagIndex::Positions::splitAt(int index) {
  while (int(before_.size()) > index) {
    after_.push_back(before_.back() - shift_);
    before_.pop_back();
  }
  while (int(before_.size()) < index) {
    before_.push_back(after_.back() + shift_);
    after_.pop_back();
  }
}

void TagIndex::Positions::replace(int first, int last, const std::vector<int>& found, int shift) {
  splitAt(last);
  before_.resize(std::size_t(first));
  before_.insert(before_.end(), found.begin(), found.end());
  shift_ += shift;
}

void TagIndex::Positions::assign(std::vector<int> all) {
  before_ = std::move(all);
  after_.clear();
  shift_ = 0;
}

std::vector<int> TagIndex::Positions::all() const {
  std::vector<int> positions;
  positions.reserve(std::size_t(size()));
  for (int index = 0; index < size(); ++index) positions.push_back(at(index));
  return positions;
}

}  // namespace wrenpad
