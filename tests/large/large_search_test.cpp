// SPDX-License-Identifier: GPL-3.0-or-later
// Find and Replace All over the pieces of a large document, never on its
// whole text: forward and backward, either case, across pieces and read
// blocks, and never inside a kanji's two bytes.
#include "large/large_document.h"

#include "encoding/euc_jp.h"

#include <gtest/gtest.h>

namespace wrenpad::large {
namespace {

std::string contentOf(const LargeDocument& document) { return document.bytes(0, document.size()); }

TEST(LargeSearch, FindsForwardAndBackwardInEitherCaseAcrossPiecesAndBlocks) {
  auto document = LargeDocument::holding("Alpha beta ALPHA gamma alpha\n", TextEncoding::Utf8);
  EXPECT_EQ(document->find("alpha", 0, false, true), 23);
  EXPECT_EQ(document->find("alpha", 0, false, false), 0);
  EXPECT_EQ(document->find("alpha", 1, false, false), 11);
  EXPECT_EQ(document->find("alpha", 28, true, false), 23);
  // Backward from the end of a hit's start: only hits that end by `from`.
  EXPECT_EQ(document->find("alpha", 27, true, false), 11);
  EXPECT_EQ(document->find("alpha", 4, true, false), std::nullopt);
  EXPECT_EQ(document->find("delta", 0, false, false), std::nullopt);
  EXPECT_EQ(document->find("", 0, false, false), std::nullopt);
  // A hit may cross pieces and read blocks.
  std::string bytes(std::size_t(3) << 20, '.');
  bytes.replace((std::size_t(1) << 20) - 2, 6, "needle");  // across the first block's end
  bytes.replace((std::size_t(2) << 20) + 5, 6, "needle");
  document = LargeDocument::holding(bytes, TextEncoding::Utf8);
  // A third one put together from an edit in the middle of the word.
  document->replace(100, 0, "nee");
  document->replace(103, 0, "dle");
  EXPECT_EQ(document->find("needle", 0, false, true), 100);
  EXPECT_EQ(document->find("needle", 101, false, true), (1 << 20) - 2 + 6);
  EXPECT_EQ(document->find("needle", document->size(), true, true), (2 << 20) + 5 + 6);
  EXPECT_EQ(document->find("needle", (2 << 20) + 10, true, true), (1 << 20) - 2 + 6);
}

TEST(LargeSearch, NeverMatchesTheSecondByteOfAKanji) {
  // ア is 83 41 in Shift-JIS: its second byte is an "A".
  auto document = LargeDocument::holding("\x83\x41\x83\x61 A\n", TextEncoding::ShiftJis);
  EXPECT_EQ(document->find("A", 0, false, true), 5);
  EXPECT_EQ(document->find("a", 0, false, false), 5);
  // ア and ャ (83 61) differ only in a byte that is a letter: never equal.
  EXPECT_EQ(document->find("\x83\x61", 0, false, false), 2);
  EXPECT_EQ(document->find("A", 6, true, false), 5);
  // In EUC-JP, a pair's second byte may be the first of the next pair:
  // 亜 is B0 A1, and "亜亜" holds A1 B0 across its two characters.
  const std::string euc = eucjp::encode(QStringLiteral("日本語の文です。亜亜")).bytes.toStdString();
  auto document2 = LargeDocument::holding(euc + "\n", TextEncoding::Utf8);
  ASSERT_EQ(document2->encoding(), TextEncoding::EucJp);
  EXPECT_EQ(document2->find("\xa1\xb0", 0, false, true), std::nullopt);
  EXPECT_EQ(document2->find("\xb0\xa1", 0, false, true), qint64(euc.size()) - 4);
}

// Every `needle` in `text` replaced, left to right, hits not overlapping.
std::string replacedInModel(const std::string& text, const std::string& needle, const std::string& with) {
  std::string out;
  std::size_t kept = 0;
  for (std::size_t at = 0; (at = text.find(needle, kept)) != std::string::npos; kept = at + needle.size())
    out.append(text, kept, at - kept).append(with);
  return out.append(text, kept);
}

// Where two texts first differ (npos when they are equal): a failure names
// an offset instead of printing megabytes.
std::size_t firstDifference(const std::string& a, const std::string& b) {
  const auto [i, j] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  return i == a.end() && j == b.end() ? std::string::npos : std::size_t(i - a.begin());
}

TEST(LargeSearch, ReplaceAllKeepsFewPiecesIsOneUndoStepAndRedoes) {
  // Three MiB of short lines with a rare word at three places, and later
  // edits: hits made of two pieces, and one that lost its middle.
  std::string base;
  for (int i = 0; base.size() < (std::size_t(3) << 20); ++i) base += "the cat sat " + std::to_string(i) + "\n";
  for (const std::size_t at : {std::size_t(2) << 20, std::size_t(5) << 19, std::size_t(11) << 18}) base.replace(at, 3, "dog");
  const std::vector<std::pair<qint64, std::string>> edits{{1600000, "ca"}, {1600002, "t"}, {1700000, "cXat"}, {1700001, ""}};
  struct Case {
    std::string needle, with;
    std::size_t maxPieces;  // a common word: the run and the bytes around it; a rare one: two a hit more
  } cases[] = {{"cat", "tiger", 3}, {"cat", "x", 3}, {"the ", "", 3}, {"sat", "SAT", 3}, {"dog", "wolf", 14}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.needle + " -> " + c.with);
    // A hit across the end of the first block read from the first hit on.
    std::string model = base;
    model.replace(model.find(c.needle) + (std::size_t(1) << 20) - 1, c.needle.size(), c.needle);
    auto document = LargeDocument::holding(model, TextEncoding::Utf8);
    for (const auto& [offset, bytes] : edits) {
      const qint64 removed = bytes.empty() ? 1 : 0;
      document->replace(offset, removed, bytes);
      model.replace(std::size_t(offset), std::size_t(removed), bytes);
    }
    document->sealUndoStep();
    const std::string expected = replacedInModel(model, c.needle, c.with);
    document->replaceAll(c.needle, c.with, 0, document->size(), true);
    EXPECT_EQ(firstDifference(contentOf(*document), expected), std::string::npos);
    EXPECT_LE(document->text().pieces().size(), c.maxPieces);
    document->undo();
    EXPECT_EQ(firstDifference(contentOf(*document), model), std::string::npos);
    document->redo();
    EXPECT_EQ(firstDifference(contentOf(*document), expected), std::string::npos);
    EXPECT_EQ(document->lines().lineCount(), qint64(std::count(expected.begin(), expected.end(), '\n')) + 1);
  }
  // In either case, and only inside [from, to): line ends put in are lines.
  auto document = LargeDocument::holding("cat dog Cat\ncat dog Cat\n", TextEncoding::Utf8);
  EXPECT_EQ(document->replaceAll("CAT", "tiger\n", 0, 12, false).count, 2);
  EXPECT_EQ(contentOf(*document), "tiger\n dog tiger\n\ncat dog Cat\n");
  EXPECT_EQ(document->lines().lineCount(), 5);
}

}  // namespace
}  // namespace wrenpad::large
