// SPDX-License-Identifier: GPL-3.0-or-later
// The pieced text against a plain string given the same random edits: the
// whole text, characters, stretches, searches and the lines around a
// position read the same, CR LF pairs split and joined by edits included;
// copies stay as they were when the original is edited on.
#include "text/piece_text.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace wrenpad {
namespace {

class Random {
 public:
  explicit Random(unsigned seed) : engine_(seed) {}
  int below(int n) { return std::uniform_int_distribution<int>(0, std::max(0, n - 1))(engine_); }
  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

 private:
  std::mt19937 engine_;
};

// Insertions that make and break CR LF pairs, with a surrogate pair and
// Japanese, and now and then a long one that keeps a string of its own.
QString randomInsertion(Random& random) {
  static const QStringList pieces = {"\r", "\n", "\r\n", "a", "bc", "<p>", "日本", " ",
                                     QString::fromUtf8("\xF0\x9F\x98\x80"), "\r\n\r\n", "x\ry"};
  QString added;
  for (int n = random.below(4); n > 0; --n) added += pieces[random.below(int(pieces.size()))];
  if (random.below(50) == 0) added += QString(2000, u'z') + "\r\n";
  return added;
}

// The line around `position` as the caret-context code reads it: from after
// the CR LF before it to the CR LF after it.
template <class Text>
std::pair<qsizetype, qsizetype> lineAround(const Text& text, qsizetype position) {
  const qsizetype before = position >= 2 ? text.lastIndexOf(u"\r\n", position - 2) : -1;
  const qsizetype start = before < 0 ? 0 : before + 2;
  const qsizetype after = text.indexOf(u"\r\n", start);
  return {start, after < 0 ? text.size() : after};
}

// Reads of the pieced text at random places, each against the string.
void expectReadsAsString(const PieceText& pieces, const QString& model, Random& random, int step) {
  ASSERT_EQ(pieces.size(), model.size()) << "after step " << step;
  ASSERT_EQ(pieces.toString(), model) << "after step " << step;
  const int size = int(model.size());
  for (int probe = 0; probe < 8; ++probe) {
    const int position = random.between(-2, size + 2);
    const int length = random.between(-1, 30);
    SCOPED_TRACE(testing::Message() << "step " << step << ", position " << position << ", length " << length);
    EXPECT_EQ(pieces.at(position), position >= 0 && position < size ? model.at(position) : QChar());
    EXPECT_EQ(pieces.mid(position, length), model.mid(position, length));
    for (const QChar c : {QChar(u'\r'), QChar(u'\n'), QChar(u'<'), QChar(u'z')}) {
      EXPECT_EQ(pieces.indexOf(c, position), model.indexOf(c, position)) << int(c.unicode());
      EXPECT_EQ(pieces.lastIndexOf(c, position), model.lastIndexOf(c, position)) << int(c.unicode());
    }
    if (position >= 0) {
      for (const QString& needle : {QStringLiteral("\r\n"), QStringLiteral("\n\r"), QStringLiteral("<p>"),
                                    QStringLiteral("\r\n\r\n"), QStringLiteral("zzz\r")}) {
        EXPECT_EQ(pieces.indexOf(needle, position), model.indexOf(needle, position)) << needle.size();
        EXPECT_EQ(pieces.lastIndexOf(needle, position), model.lastIndexOf(needle, position)) << needle.size();
      }
      const qsizetype inside = std::min(position, size);
      EXPECT_EQ(lineAround(pieces, inside), lineAround(model, inside));
    }
  }
  // The stretches visited either way between two places make up the range.
  const int from = random.below(size + 1);
  const int to = random.between(from, size);
  QString forward;
  pieces.forEachStretch(from, to, [&](QStringView stretch, qsizetype at) {
    EXPECT_EQ(at, from + forward.size());
    forward += stretch;
    return true;
  });
  EXPECT_EQ(forward, model.mid(from, to - from)) << "step " << step;
  QString backward;
  pieces.forEachStretchBackward(from, to, [&](QStringView stretch, qsizetype at) {
    EXPECT_EQ(at + stretch.size(), to - backward.size());
    backward.prepend(stretch);
    return true;
  });
  EXPECT_EQ(backward, forward) << "step " << step;
}

// Snapshots taken along the way, and copies edited on while the original
// is edited at the same place (both appending typed text to the buffer they
// share), all keep their text.
TEST(PieceText, RandomEditsReadAsTheSameEditsOfAString) {
  Random random(20260607);
  QString model = QStringLiteral("<html>\r\n<body>\r\n一行目\r\nsecond line\r\n</body>\r\n");
  PieceText pieces(model);
  EXPECT_EQ(pieces.toString().constData(), model.constData()) << "an unedited text is the string it came from";
  std::vector<std::pair<PieceText, QString>> snapshots;
  for (int step = 0; step < 4000; ++step) {
    if (step % 100 == 0) snapshots.emplace_back(pieces, model);
    const int position = random.between(-1, int(model.size()) + 1);
    const int removed = random.below(5) == 0 ? random.below(40) : random.below(3);
    const QString added = randomInsertion(random);
    pieces.replace(position, removed, added);
    const int start = std::clamp(position, 0, int(model.size()));
    model.replace(start, std::min(removed, int(model.size()) - start), added);
    if (step % 100 == 50) {
      const int typed = start + int(added.size());
      PieceText copy = pieces;
      QString copyModel = model;
      copy.replace(typed, 0, u"copy");
      copyModel.insert(typed, u"copy");
      pieces.replace(typed, 0, u"orig");
      model.insert(typed, u"orig");
      snapshots.emplace_back(copy, copyModel);
    }
    expectReadsAsString(pieces, model, random, step);
    if (HasFailure()) return;
  }
  for (const auto& [snapshot, text] : snapshots) ASSERT_EQ(snapshot.toString(), text);
}

// Typing on at one place lengthens one piece; taking it back with
// Backspace leaves the two pieces around it.
TEST(PieceText, TypingAtOnePlaceKeepsOnePiece) {
  const QString original = QStringLiteral("0123456789\r\n").repeated(1000);
  PieceText pieces(original);
  for (int n = 0; n < 3000; ++n) pieces.replace(5000 + n, 0, u"k");
  EXPECT_EQ(pieces.pieceCount(), 3);
  EXPECT_EQ(pieces.mid(4999, 3002), original.mid(4999, 1) + QString(3000, u'k') + original.mid(5000, 1));
  for (int n = 3000; n > 0; --n) pieces.replace(5000 + n - 1, 1, u"");
  EXPECT_EQ(pieces.toString(), original);
  EXPECT_EQ(pieces.pieceCount(), 2);
}

}  // namespace
}  // namespace wrenpad
