// SPDX-License-Identifier: GPL-3.0-or-later
// The line-break conversions behind the editor's CR LF text, and the kept
// CR LF text following the document's changes (a paragraph break being one
// character): it stays equal to the document's text written with CR LF, and
// each change is reported in CR LF positions.
#include "editor/crlf_text.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <random>

namespace wrenpad {
namespace {

const QChar kBreak = QChar::ParagraphSeparator;

// Where a document position lies in the CR LF text: one more for every
// break before it.
qsizetype crLfPosition(const QString& document, qsizetype position) {
  return position + QStringView(document).first(position).count(kBreak);
}

TEST(KeptText, FollowsRandomChangesOfTheDocument) {
  const QStringList insertions = {QString(kBreak), "a", "日本", QString(kBreak) + kBreak, "x" + QString(kBreak) + "y",
                                  QString::fromUtf8("\xF0\x9F\x98\x80"), "", QString(3000, u'w')};
  std::mt19937 random(20260607);
  const auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  QString document = "first" + QString(kBreak) + "second" + QString(kBreak) + kBreak + "fourth";
  PieceText kept(withCrLfBreaks(document));
  for (int step = 0; step < 3000; ++step) {
    const int position = below(int(document.size()) + 1);
    const int removed = std::min(below(below(6) == 0 ? 30 : 3), int(document.size()) - position);
    const QString inserted = insertions[below(int(insertions.size()))];
    const QString removedText = document.mid(position, removed);
    const std::optional<CrLfChange> change =
        followDocumentChange(kept, crLfPosition(document, position), removed, inserted);
    document.replace(position, removed, inserted);
    ASSERT_TRUE(change.has_value()) << "step " << step;
    EXPECT_EQ(change->start, crLfPosition(document, position));
    EXPECT_EQ(change->removed, removed + removedText.count(kBreak));
    EXPECT_EQ(change->added, inserted.size() + inserted.count(kBreak));
    ASSERT_EQ(kept.toString(), withCrLfBreaks(document)) << "step " << step;
  }
}

TEST(KeptText, AChangeRunningPastTheEndLeavesTheTextAsItWas) {
  PieceText kept(QStringLiteral("ab\r\ncd"));
  EXPECT_FALSE(followDocumentChange(kept, 4, 3, "x").has_value());
  EXPECT_FALSE(followDocumentChange(kept, 7, 0, "x").has_value());
  EXPECT_EQ(kept.toString(), "ab\r\ncd");
  // The break at the end counts as one character and goes whole.
  const std::optional<CrLfChange> change = followDocumentChange(kept, 1, 2, "");
  ASSERT_TRUE(change.has_value());
  EXPECT_EQ(change->removed, 3);
  EXPECT_EQ(kept.toString(), "acd");
}

TEST(CrLfText, OnlyATextOfCrLfBreaksAndOrdinaryCharactersReadsBackUnchanged) {
  EXPECT_TRUE(readsBackUnchanged(""));
  EXPECT_TRUE(readsBackUnchanged(QString::fromUtf8("一行目\r\n\tsecond\r\n")));
  EXPECT_FALSE(readsBackUnchanged("lf\nonly"));
  EXPECT_FALSE(readsBackUnchanged("lone\rcr"));
  EXPECT_FALSE(readsBackUnchanged("ends in cr\r"));
  EXPECT_FALSE(readsBackUnchanged("\nstarts with lf"));
  EXPECT_FALSE(readsBackUnchanged(QString("nul") + QChar(0) + "inside"));
  EXPECT_FALSE(readsBackUnchanged(QString("sep") + QChar(0x2028)));
  EXPECT_FALSE(readsBackUnchanged(QString("frame") + QChar(0xFDD0)));
}

}  // namespace
}  // namespace wrenpad
