// SPDX-License-Identifier: GPL-3.0-or-later
// Which Japanese code a file is read in, when its bytes would fit more than one.

#include "encoding/document_codec.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {
QStringList everydaySentences() {
  QFile file(QStringLiteral(WRENPAD_TEST_DATA "/encoding/everyday_sentences.txt"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}
}  // namespace

TEST(CodeChoice, EverydaySentencesAreReadInTheCodeTheyWereWrittenIn) {
  const QStringList sentences = everydaySentences();
  ASSERT_GE(sentences.size(), 100);
  for (const TextEncoding code : {TextEncoding::EucJp, TextEncoding::ShiftJis}) {
    for (const QString& sentence : sentences) {
      const EncodedText written = encodeDocument(sentence, code);
      ASSERT_EQ(written.firstUnencodable, -1) << sentence.toStdString();
      const LoadedText read = decodeDocument(written.bytes.chopped(2));  // no line end, as a short note
      EXPECT_EQ(read.text, sentence + QStringLiteral("\r\n")) << encodingName(code).toStdString();
    }
  }
}

TEST(CodeChoice, TextThatOnlyTheOtherCodeReadsWholeIsReadInIt) {
  // Shift-JIS beginning with a user-defined character (leads F0..F9), which
  // the detector's first look takes for EUC-JP.
  const struct {
    QByteArray bytes;
    QString text;
  } cases[] = {
      {"\xf9\xfc\x82\xa0\r\n", QChar(0xE757) + QString::fromUtf8("あ\r\n")},
      {"\xf0\x40\x93\xfa\x96\x7b\r\n", QChar(0xE000) + QString::fromUtf8("日本\r\n")},
      {"x\xf5\xa1\x8c\xea\r\n", "x" + QString(QChar(0xE000 + 5 * 188 + 0xA1 - 0x41)) + QString::fromUtf8("語\r\n")},
  };
  for (const auto& c : cases) {
    const LoadedText read = decodeDocument(c.bytes);
    EXPECT_EQ(read.text, c.text) << c.bytes.toHex().constData();
    // An edit elsewhere writes the character's own bytes again.
    EXPECT_EQ(encodeDocument(read.text + "x", TextEncoding::ShiftJis, read.form).bytes, c.bytes + "x\r\n");
  }
}
