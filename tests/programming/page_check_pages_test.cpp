// SPDX-License-Identifier: GPL-3.0-or-later
// Pages checked as the editor holds them: read from their bytes through the
// program's decoding (UTF-8, Shift-JIS, EUC-JP), each finding at the line and
// character column its .expected file names, with its level and tidy's code.
#include "encoding/document_codec.h"
#include "page_check/page_check.h"
#include "support/temp_folder.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

const QString kPages = QStringLiteral(WRENPAD_TEST_DATA "/page_check/");

TEST(PageCheckPages, FindingsSitAtTheCharacterColumnsTheirFilesName) {
  const struct {
    const char* page;
    TextEncoding encoding;
  } rows[] = {
      {"beginner", TextEncoding::Utf8},    // Japanese and a tab before the crossed tags
      {"declared", TextEncoding::Utf8},    // HTML 4.01 declared: <font> is no finding
      {"clean", TextEncoding::Utf8},       // nothing to report
      {"shift_jis", TextEncoding::ShiftJis},
      {"euc_jp", TextEncoding::EucJp},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.page);
    const LoadedText loaded = decodeDocument(test::TempFolder::read(kPages + row.page + ".html"));
    EXPECT_EQ(loaded.encoding, row.encoding);
    QStringList found;
    for (const PageFinding& finding : CheckPage(loaded.text))
      found << QStringLiteral("%1:%2 %3 %4")
                   .arg(finding.line)
                   .arg(finding.column)
                   .arg(finding.level == FindingLevel::Error ? "error" : "warning", finding.code);
    const QString expected = QString::fromUtf8(test::TempFolder::read(kPages + row.page + ".expected"));
    EXPECT_EQ(found.join(u'\n').toStdString(), expected.trimmed().toStdString());
  }
}

}  // namespace
}  // namespace wrenpad
