// SPDX-License-Identifier: GPL-3.0-or-later
// The tag index followed change by change agrees with one built from scratch,
// and answers as counting in the lower-cased text before the caret does.
#include "text/tag_index.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <random>

#include "text/text_helpers.h"

namespace wrenpad {
namespace {

void expectSameAsRebuilt(const TagIndex& followed, const QString& text, int step) {
  TagIndex fresh;
  fresh.rebuild(text);
  for (int tag = 0; tag < TagIndex::kTags; ++tag)
    ASSERT_EQ(followed.starts(TagIndex::Tag(tag)), fresh.starts(TagIndex::Tag(tag)))
        << "tag " << TagIndex::textOf(TagIndex::Tag(tag)).toStdString() << " after step " << step;
}

TEST(TagIndex, FollowingRandomEditsAgreesWithBuildingFromScratch) {
  // Pieces that make, split and join tags, in both cases, with CR LF and a
  // capital dotted I that lowers to "i".
  const QStringList pieces = {"<", ">", "b", "B>", "</", "<b>", "</B>", "<I>", "</i>", "<u>",
                              "<TABLE", "</table", "<script", "</SCRIPT", "<head", "</head>",
                              "<p ", "</P>", "<div ", "</div>", "\r\n", "x", "日本", " ",
                              QString::fromUtf8("<\xC4\xB0>"), "<d", "iv "};
  std::mt19937 random(20261206);
  const auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  QString text = "<html><head><title>t</title></head><body><p align=\"center\">x</p>";
  TagIndex followed;
  followed.rebuild(text);
  for (int step = 0; step < 5000; ++step) {
    const int start = below(int(text.size()) + 1);
    const int removed = std::min(below(below(8) == 0 ? 40 : 4), int(text.size()) - start);
    QString added;
    for (int n = below(3); n > 0; --n) added += pieces[below(int(pieces.size()))];
    text.replace(start, removed, added);
    followed.splice(text, start, removed, int(added.size()));
    expectSameAsRebuilt(followed, text, step);
    if (HasFailure()) return;
  }
}

TEST(TagIndex, CountsAndFirstOccurrencesAreThoseOfTheTextBeforeTheCaret) {
  const QString text = "<B>bold</b> <b>again <TABLE><p align=right>x</P>";
  TagIndex tags;
  tags.rebuild(text);
  for (int caret = 0; caret <= text.size(); ++caret) {
    const QString lower = LowerKeepingPositions(text.left(caret));
    for (int tag = 0; tag < TagIndex::kTags; ++tag) {
      const QString& needle = TagIndex::textOf(TagIndex::Tag(tag));
      EXPECT_EQ(tags.countBefore(TagIndex::Tag(tag), caret), CountOccurrences(needle, lower))
          << needle.toStdString() << " at " << caret;
      EXPECT_EQ(tags.firstBefore(TagIndex::Tag(tag), caret), int(lower.indexOf(needle)) + 1)
          << needle.toStdString() << " at " << caret;
    }
  }
}

}  // namespace
}  // namespace wrenpad
