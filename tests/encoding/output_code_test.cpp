#include "encoding/output_code.h"

#include <gtest/gtest.h>

using namespace wrenpad;

TEST(OutputCode, ReadsTheCharsetThePageDeclares) {
  EXPECT_EQ(declaredCharset("<html><head><meta http-equiv=\"Content-Type\" "
                            "content=\"text/html; charset=Shift_JIS\">"),
            "shift_jis");
  EXPECT_EQ(declaredCharset("<META charset = \"UTF-8\">"), "utf-8");
  EXPECT_EQ(declaredCharset("<p>no meta</p>"), "");
  // Only the first meta tag counts, and "<meta" before "<META".
  EXPECT_EQ(declaredCharset("<META charset=\"euc-jp\"><meta name=x>"), "");
}

TEST(OutputCode, DeclarationBeatsTheChosenCodeOnlyInPages) {
  const QString sjisPage = "<meta charset=\"Shift_JIS\"><p>x</p>";
  OutputChoice page{true, true, TextEncoding::ShiftJis};
  EXPECT_EQ(chooseOutputEncoding(sjisPage, page), TextEncoding::ShiftJis);
  EXPECT_EQ(chooseOutputEncoding("<p>x</p>", page), TextEncoding::EucJp);
  EXPECT_EQ(chooseOutputEncoding("<meta charset=\"utf-8\">", page), TextEncoding::Utf8);
  // Text documents never look for a declaration.
  OutputChoice text{false, true, TextEncoding::ShiftJis};
  EXPECT_EQ(chooseOutputEncoding(sjisPage, text), TextEncoding::EucJp);
  // A file read as UTF-8 goes back as UTF-8 even when EUC is chosen.
  OutputChoice utf8{false, true, TextEncoding::Utf8};
  EXPECT_EQ(chooseOutputEncoding("x", utf8), TextEncoding::Utf8);
  EXPECT_EQ(chooseOutputEncoding(sjisPage, OutputChoice{true, false, TextEncoding::Utf8}),
            TextEncoding::ShiftJis);
}
