// SPDX-License-Identifier: GPL-3.0-or-later
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
  OutputChoice page{true, TextEncoding::EucJp, TextEncoding::ShiftJis};
  EXPECT_EQ(chooseOutputEncoding(sjisPage, page), TextEncoding::ShiftJis);
  EXPECT_EQ(chooseOutputEncoding("<p>x</p>", page), TextEncoding::EucJp);
  EXPECT_EQ(chooseOutputEncoding("<meta charset=\"utf-8\">", page), TextEncoding::Utf8);
  // Text documents never look for a declaration.
  OutputChoice text{false, TextEncoding::EucJp, TextEncoding::ShiftJis};
  EXPECT_EQ(chooseOutputEncoding(sjisPage, text), TextEncoding::EucJp);
  // A file read as UTF-8 goes back as UTF-8 even when EUC is chosen.
  OutputChoice utf8{false, TextEncoding::EucJp, TextEncoding::Utf8};
  EXPECT_EQ(chooseOutputEncoding("x", utf8), TextEncoding::Utf8);
  EXPECT_EQ(chooseOutputEncoding(sjisPage, OutputChoice{true, TextEncoding::ShiftJis, TextEncoding::Utf8}),
            TextEncoding::ShiftJis);
}

TEST(OutputCode, PagesAreWrittenInEveryCodeWeWriteThatTheyDeclare) {
  const OutputChoice shiftJisChosen{true, TextEncoding::ShiftJis, TextEncoding::ShiftJis};
  const OutputChoice eucChosen{true, TextEncoding::EucJp, TextEncoding::ShiftJis};
  const auto page = [](const char* charset) {
    return QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=%1\">").arg(charset);
  };
  EXPECT_EQ(chooseOutputEncoding(page("EUC-JP"), shiftJisChosen), TextEncoding::EucJp);
  EXPECT_EQ(chooseOutputEncoding(page("x-euc-jp"), shiftJisChosen), TextEncoding::EucJp);
  for (const char* name : {"Shift_JIS", "shift-jis", "x-sjis", "Windows-31J", "sjis"})
    EXPECT_EQ(chooseOutputEncoding(page(name), eucChosen), TextEncoding::ShiftJis) << name;
  EXPECT_EQ(chooseOutputEncoding(page("utf8"), eucChosen), TextEncoding::Utf8);
  // A code we do not write leaves the choice to the output code.
  EXPECT_EQ(chooseOutputEncoding(page("iso-8859-1"), eucChosen), TextEncoding::EucJp);
  EXPECT_EQ(declaredEncoding("<meta charset='euc-jp'>"), TextEncoding::EucJp);
}

TEST(OutputCode, TheStoredChoiceAndTheNamesPagesDeclare) {
  for (const TextEncoding code : {TextEncoding::ShiftJis, TextEncoding::EucJp, TextEncoding::Utf8}) {
    EXPECT_EQ(outputCodeEncoding(storedOutputCode(code)), code);
    // A new page declares the code in a name that reads back as that code.
    EXPECT_EQ(declaredEncoding("<meta charset=\"" + charsetNameOf(code) + "\">"), code);
  }
  EXPECT_EQ(charsetNameOf(TextEncoding::ShiftJis), "Shift_JIS");
  EXPECT_EQ(charsetNameOf(TextEncoding::EucJp), "EUC-JP");
  EXPECT_EQ(charsetNameOf(TextEncoding::Utf8), "UTF-8");
  // A broken settings file's number is Shift-JIS.
  for (const int broken : {-1, 3, 127}) EXPECT_EQ(outputCodeEncoding(broken), TextEncoding::ShiftJis);
  // UTF-8 chosen: an unmarked text is written in it.
  EXPECT_EQ(chooseOutputEncoding("x", {false, TextEncoding::Utf8, TextEncoding::ShiftJis}), TextEncoding::Utf8);
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
