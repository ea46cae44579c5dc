// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the text before a position is English, kept across moves of the
// position and edits of the text, against IsEnglishText of the text before
// the position measured afresh: in texts and in pages whose "<br>", "<body"
// and "</body>" come and go with the edits, CR LF pairs split and joined.
#include "text/english_text.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <random>

namespace wrenpad {
namespace {

TEST(EnglishTextBefore, AgreesWithMeasuringTheTextBeforeThePositionAfresh) {
  const QStringList insertions = {"a", "word ", "\r", "\n", "\r\n", "日本", "ｱｲ", QString(QChar(0x130)),
                                  "<br>", "<BR>", "<body>", "<Body bgcolor=x>", "</body>", "</BODY>",
                                  "<", "br>", "ody>", "</", QString::fromUtf8("\xF0\x9F\x98\x80")};
  std::mt19937 random(20260607);
  const auto below = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  QString model = "<html><head><title>t</title></head>\r\n";
  PieceText text(model);
  EnglishTextBefore english;
  int caret = int(model.size());
  for (int step = 0; step < 6000; ++step) {
    // Mostly typing and deleting at the caret; now and then a jump, an edit
    // elsewhere, or a text the judgement starts over on.
    if (below(20) == 0) caret = below(int(model.size()) + 1);
    const int start = below(10) == 0 ? below(int(model.size()) + 1) : caret;
    const int removed = std::min(below(4) == 0 ? below(6) : 0, int(model.size()) - start);
    const QString added = below(3) == 0 ? QString() : insertions[below(int(insertions.size()))];
    const PieceText before = text;
    text.replace(start, removed, added);
    model.replace(start, removed, added);
    english.follow(before, start);
    if (below(500) == 0) english.forget();
    if (caret >= start) caret = std::max(start, caret - removed) + int(added.size());
    caret = std::min(caret, int(model.size()));
    ASSERT_EQ(english.at(text, caret), IsEnglishText(model.left(caret))) << "step " << step << " at " << caret;
    const int elsewhere = below(int(model.size()) + 1);
    ASSERT_EQ(english.at(text, elsewhere), IsEnglishText(model.left(elsewhere)))
        << "step " << step << " at " << elsewhere;
  }
}

}  // namespace
}  // namespace wrenpad
