// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoding/output_code.h"

#include <gtest/gtest.h>

using namespace wrenpad;

TEST(OutputCode, DeclarationBeatsTheChosenCodeOnlyInPages) {
  const QString sjisPage = "<meta charset=\"Shift_JIS\"><p>x</p>";
  OutputChoice page{true, TextEncoding::EucJp, TextEncoding::ShiftJis};
  EXPECT_EQ(chooseOutputEncoding(sjisPage, page), TextEncoding::ShiftJis);
  EXPECT_EQ(chooseOutputEncoding("<p>x</p>", page), TextEncoding::EucJp);
  EXPECT_EQ(chooseOutputEncoding("<meta charset='x-euc-jp'>", {true, TextEncoding::ShiftJis}),
            TextEncoding::EucJp);
  EXPECT_EQ(chooseOutputEncoding("<meta charset=\"utf8\">", page), TextEncoding::Utf8);
  // JIS is written as Shift-JIS's characters; a code we do not write leaves
  // the choice to the output code.
  EXPECT_EQ(chooseOutputEncoding("<meta charset=iso-2022-jp>", page), TextEncoding::ShiftJis);
  EXPECT_TRUE(declaresJis("<meta charset=iso-2022-jp>"));
  EXPECT_EQ(chooseOutputEncoding("<meta charset=iso-8859-1>", page), TextEncoding::EucJp);
  // Only the first meta tag counts, and "<meta" before "<META".
  EXPECT_EQ(declaredCharset("<META charset=\"euc-jp\"><meta name=x>"), "");
  // Text documents never look for a declaration.
  OutputChoice text{false, TextEncoding::EucJp, TextEncoding::ShiftJis};
  EXPECT_EQ(chooseOutputEncoding(sjisPage, text), TextEncoding::EucJp);
  // A file read as UTF-8 goes back as UTF-8 even when EUC is chosen.
  OutputChoice utf8{false, TextEncoding::EucJp, TextEncoding::Utf8};
  EXPECT_EQ(chooseOutputEncoding("x", utf8), TextEncoding::Utf8);
}

TEST(OutputCode, TheStoredChoiceAndTheNamesPagesDeclare) {
  for (const TextEncoding code : {TextEncoding::ShiftJis, TextEncoding::EucJp, TextEncoding::Utf8}) {
    EXPECT_EQ(outputCodeEncoding(storedOutputCode(code)), code);
    // A new page declares the code in a name that reads back as that code.
    EXPECT_EQ(declaredEncoding("<meta charset=\"" + charsetNameOf(code) + "\">"), code);
  }
  // A broken settings file's number is Shift-JIS.
  EXPECT_EQ(outputCodeEncoding(127), TextEncoding::ShiftJis);
}

TEST(OutputCode, TheDeclaredCharsetIsReplacedWhereItStands) {
  EXPECT_EQ(withDeclaredCharset("<head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                                "charset=Shift_JIS\">\r\n<p>x</p>",
                                "UTF-8"),
            "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">\r\n<p>x</p>");
  EXPECT_EQ(withDeclaredCharset("<META CHARSET = 'sjis'>charset=sjis", "UTF-8"),
            "<META CHARSET = 'UTF-8'>charset=sjis");
  // An attribute whose name merely ends in "charset" is none.
  EXPECT_EQ(withDeclaredCharset("<meta data-charset=sjis>", "UTF-8"), "<meta data-charset=sjis>");
  EXPECT_EQ(withDeclaredCharset("<p>no meta</p>", "UTF-8"), "<p>no meta</p>");
}
