// SPDX-License-Identifier: GPL-3.0-or-later
// The face of program documents and the message pane: the names the settings
// carry for programs give a monospaced face that draws a backslash, falling
// back in order when faces are missing; a face the user chose stays.
#include "platform/font_substitution.h"

#include <gtest/gtest.h>

using namespace wrenpad;

TEST(ProgramFace, DesignNamesGiveTheFirstInstalledCodeFaceAndAChosenFaceStays) {
  const QStringList all = {"IPAGothic", "IPAPGothic", "Liberation Mono", "DejaVu Sans Mono", "Noto Sans Mono CJK JP"};
  for (const QString& design : {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                                QStringLiteral("Courier New"), QString()})
    EXPECT_EQ(programFace(design, all), "Noto Sans Mono CJK JP") << design.toStdString();

  EXPECT_EQ(programFace("ＭＳ ゴシック", {"IPAGothic", "Liberation Mono"}), "Liberation Mono");
  EXPECT_EQ(programFace("ＭＳ ゴシック", {"IPAGothic"}), "monospace");

  // The user's own choice, a yen-drawing face included, is theirs.
  EXPECT_EQ(programFace("IPAGothic", all), "IPAGothic");
  EXPECT_EQ(programFace("ＭＳ Ｐゴシック", all), "ＭＳ Ｐゴシック");
}
