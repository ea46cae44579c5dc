// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding a large document a stretch at a time gives what the document
// codec gives for the whole text, wherever a stretch, a piece of the piece
// table or a read block begins or ends; and the code is told from the head
// of the file.
#include "large/large_codec.h"
#include "large/large_document.h"
#include "large/line_columns.h"

#include "encoding/cp932.h"
#include "encoding/euc_jp.h"
#include "kanji/kanji.h"

#include <gtest/gtest.h>

#include <random>

namespace wrenpad::large {
namespace {

// Japanese and ASCII in the code, and some bytes of no character.
std::string sample(TextEncoding code) {
  const QString text = QStringLiteral("港は夜明け前に静かで、ｶﾀｶﾅ ASCII ①～ 漁船が戻る。");
  return code == TextEncoding::ShiftJis ? cp932::encode(text).bytes.toStdString() + "\x80\xa0\xfd"
         : code == TextEncoding::EucJp  ? eucjp::encode(text).bytes.toStdString() + "\x8e\xa1\xa1"
                                        : text.toUtf8().toStdString();
}

QString libraryDecode(TextEncoding code, const std::string& bytes) {
  const QByteArray data = QByteArray::fromStdString(bytes);
  return code == TextEncoding::ShiftJis ? cp932::decode(data)
         : code == TextEncoding::EucJp  ? eucjp::decode(data)
                                        : QString::fromUtf8(data);
}

TEST(LargeCodec, CharactersDecodeAsTheDocumentCodecDecodesThem) {
  std::mt19937 random(7);
  for (const TextEncoding code : {TextEncoding::ShiftJis, TextEncoding::EucJp, TextEncoding::Utf8}) {
    const std::string bytes = sample(code);
    const DecodedText decoded = decodeText(code, bytes);
    EXPECT_EQ(decoded.text, libraryDecode(code, bytes)) << encodingName(code).toStdString();
    ASSERT_EQ(decoded.byteOf.size(), std::size_t(decoded.text.size() + 1));
    EXPECT_EQ(decoded.byteOf.back(), qint32(bytes.size()));
    // Random bytes too, for Shift-JIS and EUC-JP (invalid UTF-8 becomes
    // stand-ins here, where the codec would make U+FFFD of it).
    if (code == TextEncoding::Utf8) continue;
    for (int round = 0; round < 200; ++round) {
      std::string noise;
      for (int k = 0; k < 64; ++k) noise += char(0x80 + random() % 0x80);
      EXPECT_EQ(decodeText(code, noise).text, libraryDecode(code, noise));
    }
  }
  const std::string broken = "a\xe3\x81z\xff";
  EXPECT_EQ(decodeText(TextEncoding::Utf8, broken).text,
            QStringLiteral("a") + cp932::byteEscape(0xe3) + cp932::byteEscape(0x81) + u'z' + cp932::byteEscape(0xff));
}

TEST(LargeCodec, ACharacterCutByAPieceOrABlockDecodesWhole) {
  for (const TextEncoding code : {TextEncoding::ShiftJis, TextEncoding::EucJp, TextEncoding::Utf8}) {
    const std::string line = sample(code);
    // The line is put together from two pieces cut at every byte, and read
    // from every byte: each character's start is found and decodes as the
    // whole line does.
    const QString whole = decodeText(code, line).text;
    for (std::size_t cut = 1; cut < line.size(); ++cut) {
      auto document = LargeDocument::holding(line + "\n", code);
      document->replace(qint64(cut), qint64(line.size() - cut), line.substr(cut));
      ASSERT_EQ(document->text().pieces().size(), 3u);
      ASSERT_EQ(document->decode(0, qint64(line.size())).text, whole);
      const qint64 start = document->characterStart(qint64(cut));
      const DecodedText tail = document->decode(start, qint64(line.size()));
      ASSERT_TRUE(whole.endsWith(tail.text)) << encodingName(code).toStdString() << " cut " << cut;
      if (start > 0) {
        ASSERT_EQ(document->nextCharacter(document->previousCharacter(start)), start);
      }
    }
  }
  // A character across the end of a MiB read block, a megabyte into a line.
  std::string longLine(std::size_t(1 << 20) - 1, 'a');
  longLine += "\x88\x9f" + std::string(100, 'b');  // 亜 across the block's end
  auto document = LargeDocument::holding(longLine, TextEncoding::ShiftJis);
  EXPECT_EQ(document->characterStart(1 << 20), (1 << 20) - 1);
  LineColumns columns(*document, 0, document->size(), 8);
  EXPECT_EQ(columns.columnOf((1 << 20) + 1), (1 << 20) + 1);
  EXPECT_EQ(columns.offsetAtColumn(1 << 20), (1 << 20) - 1);
  EXPECT_EQ(columns.totalColumns(), (1 << 20) + 101);
}

// A head is weighed whole: a few stray bytes near the start do not make
// UTF-8 Shift-JIS, and pairs that look like UTF-8 in Shift-JIS or EUC-JP
// (half-width katakana; 名, 文, 存, 表 in EUC-JP) do not make it UTF-8.
TEST(LargeCodec, AHeadIsWeighedWholeNotByItsFirstStrayByte) {
  const auto head = [](const std::string& second, const QByteArray& line) {
    std::string bytes = line.toStdString() + second + "\n";
    while (bytes.size() < std::size_t(kDetectionBytes)) bytes += line.toStdString();
    return bytes;
  };
  const QString japanese = QStringLiteral("名前の文字列を表に保存した。 ASCII too\n");
  const QString halfWidth = QStringLiteral("ﾃﾞｰﾀﾍﾞｰｽのﾃｽﾄ 漢字\n");
  const struct {
    std::string head;
    TextEncoding fallback, expected;
  } cases[] = {
      {head("\xff\xfe", japanese.toUtf8()), TextEncoding::ShiftJis, TextEncoding::Utf8},
      {head("\xe3\x81", japanese.toUtf8()), TextEncoding::ShiftJis, TextEncoding::Utf8},
      {head("", cp932::encode(halfWidth).bytes), TextEncoding::Utf8, TextEncoding::ShiftJis},
      {head("", eucjp::encode(japanese).bytes), TextEncoding::Utf8, TextEncoding::EucJp},
      {head("", "plain ASCII\r\n"), TextEncoding::EucJp, TextEncoding::EucJp},
      // A head that ends inside a UTF-8 character.
      {"\xe3\x81\x82" + std::string(std::size_t(kDetectionBytes) - 4, 'x') + "\xe3\x81\x82",
       TextEncoding::ShiftJis, TextEncoding::Utf8},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(encodingName(detectForm(c.head, c.fallback).encoding).toStdString(),
              encodingName(c.expected).toStdString()) << c.head.substr(0, 80);
  }
}

// JIS as the editor reads it, from the state a line begins in: escapes show
// as nothing and go with the character after them.
TEST(LargeCodec, JisIsDecodedFromTheStateItBeginsIn) {
  const struct {
    std::string bytes;
    JisState state;
    QString text;
    std::vector<qint32> byteOf;
    bool asTheEditor;  // the editor's whole-file reading gives the same
  } cases[] = {
      {"\x1b$B$\"$$\x1b(Bab", JisState::Single, QStringLiteral("あいab"), {0, 5, 7, 11, 12}, true},
      {"$\"$$", JisState::Pairs, QStringLiteral("あい"), {0, 2, 4}, false},
      {"$\"", JisState::Single, QStringLiteral("$\""), {0, 1, 2}, true},
      // A space in a kanji run stands alone (the editor would pair it).
      {"\x1b$B4A \x1b(B", JisState::Single, QStringLiteral("漢 "), {0, 5, 9}, false},
      // Row 9 holds no character: its Shift-JIS bytes 85 40 show as the editor shows them.
      {"\x1b$B)!", JisState::Single, cp932::byteEscape(0x85) + QStringLiteral("@"), {0, 0, 5}, true},
  };
  for (const auto& c : cases) {
    const DecodedText decoded = decodeJis(c.bytes, c.state);
    EXPECT_EQ(decoded.text, c.text) << c.bytes;
    EXPECT_EQ(decoded.byteOf, c.byteOf) << c.bytes;
    if (c.asTheEditor) {
      EXPECT_EQ(decoded.text, libraryDecode(TextEncoding::ShiftJis, kanji::JisToSjis(c.bytes)));
    }
  }
}

TEST(LargeCodec, TypedTextIsWrittenInTheDocumentsCodeOrRefused) {
  EXPECT_EQ(encodeText(u"あa", TextEncoding::ShiftJis), std::string("\x82\xa0" "a"));
  EXPECT_EQ(encodeText(u"あ", TextEncoding::EucJp), std::string("\xa4\xa2"));
  EXPECT_EQ(encodeText(u"あ", TextEncoding::Utf8), std::string("\xe3\x81\x82"));
  qsizetype unencodable = -1;
  EXPECT_FALSE(encodeText(u"ok €", TextEncoding::EucJp, &unencodable));
  EXPECT_EQ(unencodable, 3);
  EXPECT_FALSE(encodeText(QString(QChar(0xD800)), TextEncoding::Utf8));
}

}  // namespace
}  // namespace wrenpad::large
