// SPDX-License-Identifier: GPL-3.0-or-later
// The line-break conversions behind the editor's CR LF text: what goes to
// the clipboard, what the document's paragraphs read as, and when a loaded
// text can stand as the kept CR LF text itself.
#include "editor/crlf_text.h"

#include <gtest/gtest.h>

namespace wrenpad {
namespace {

TEST(CrLfText, BreaksConvertBothWaysWithEveryKindOfBreak) {
  EXPECT_EQ(withLfBreaks("a\r\nb\rc\nd\r"), "a\nb\nc\nd\n");
  EXPECT_EQ(withLfBreaks("\r\r\n\n"), "\n\n\n");  // a lone CR before CR LF is a break of its own
  EXPECT_EQ(withLfBreaks(QString::fromUtf8("日本\r\n語")), QString::fromUtf8("日本\n語"));
  EXPECT_EQ(withLineBreaks("a\r\nb\rc\nd\r", u"\r\n"), "a\r\nb\r\nc\r\nd\r\n");
  EXPECT_EQ(withLineBreaks("\n\r\r\nx", u"\r\n"), "\r\n\r\n\r\nx");
  EXPECT_EQ(withLineBreaks("a\r\nb", u"\n"), "a\nb");
  const QString paragraphs = QString("a") + QChar::ParagraphSeparator + QChar::ParagraphSeparator + "b";
  EXPECT_EQ(withCrLfBreaks(paragraphs), "a\r\n\r\nb");
  EXPECT_EQ(withCrLfBreaks("no breaks"), "no breaks");
  EXPECT_EQ(withCrLfBreaks(QString(QChar::ParagraphSeparator)), "\r\n");
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
