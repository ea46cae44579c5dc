#include "encoding/cp932.h"
#include "encoding/document_codec.h"

#include <gtest/gtest.h>

using namespace wrenpad;

namespace {
const QString kNihongo = QString::fromUtf8("日本語テキスト\r\n");
}

TEST(DocumentCodec, JapaneseCodesAllReadAsTheSameText) {
  const QByteArray sjis("\x93\xfa\x96\x7b\x8c\xea\x83\x65\x83\x4c\x83\x58\x83\x67\n");
  const QByteArray euc("\xc6\xfc\xcb\xdc\xb8\xec\xa5\xc6\xa5\xad\xa5\xb9\xa5\xc8\n");
  const QByteArray jis("\x1b$BF|K\\8l%F%-%9%H\x1b(B\n");
  const QByteArray utf8 = kNihongo.toUtf8();
  for (const QByteArray& bytes : {sjis, euc, jis, utf8}) {
    const LoadedText loaded = decodeDocument(bytes);
    EXPECT_EQ(loaded.text, kNihongo) << bytes.toHex().toStdString();
    EXPECT_FALSE(loaded.binary);
  }
  EXPECT_EQ(decodeDocument(utf8).encoding, TextEncoding::Utf8);
  EXPECT_EQ(decodeDocument(euc).encoding, TextEncoding::ShiftJis);
  // JIS and EUC-JP are kept as the Shift-JIS they become.
  EXPECT_EQ(decodeDocument(euc).bytes, QByteArray(sjis).replace("\n", "\r\n"));
  EXPECT_EQ(encodeDocument(kNihongo, TextEncoding::EucJp).bytes, QByteArray(euc).replace("\n", "\r\n"));
}

TEST(DocumentCodec, TextThatFitsEucAndShiftJisIsReadAsShiftJis) {
  // Half-width katakana in Shift-JIS are also a valid EUC-JP kanji pair.
  const LoadedText loaded = decodeDocument("\xb1\xb2\xb3\xb4");
  EXPECT_EQ(loaded.text, QString::fromUtf8("ｱｲｳｴ\r\n"));
}

TEST(DocumentCodec, BytesThatDoNotDecodeComeBackByteForByte) {
  // A stray 0x80, a lead byte before ASCII, 0xFD and an unassigned pair.
  const QByteArray odd("a\x80" "b\x81" "c\xfd\x85\x40\x93\xfa\r\n");
  const LoadedText loaded = decodeDocument(odd);
  EXPECT_EQ(loaded.text.size(), 10);
  EXPECT_TRUE(cp932::isByteEscape(loaded.text.at(1)));
  EXPECT_EQ(encodeDocument(loaded.text, TextEncoding::ShiftJis).bytes, odd);
  // Edits elsewhere do not disturb them.
  EXPECT_EQ(encodeDocument("x" + loaded.text, TextEncoding::ShiftJis).bytes, "x" + odd);
  EXPECT_EQ(encodeDocument(loaded.text, TextEncoding::ShiftJis).firstUnencodable, -1);
}

TEST(DocumentCodec, CharactersTheCodeCannotHoldAreReported) {
  const QString text = QString::fromUtf8("ab\u00e9c\r\n");  // é is not in code page 932
  const EncodedText encoded = encodeDocument(text, TextEncoding::ShiftJis);
  EXPECT_EQ(encoded.firstUnencodable, 2);
  EXPECT_EQ(encodeDocument(text, TextEncoding::Utf8).firstUnencodable, -1);
  // Backslash and tilde stay themselves; the wave dash of code page 932 too.
  EXPECT_EQ(encodeDocument(QString::fromUtf8("\\~\uff5e"), TextEncoding::ShiftJis).bytes,
            QByteArray("\\~\x81\x60\r\n"));
}

TEST(DocumentCodec, BinaryFilesAndLineBytes) {
  EXPECT_TRUE(decodeDocument(QByteArray("MZ\x03\x00\x01", 5)).binary);
  EXPECT_TRUE(looksBinary(QByteArray("\xff\xfe")));
  EXPECT_FALSE(looksBinary("plain\r\ntext"));
  EXPECT_EQ(normalizeLineBytes(QByteArray("a\rb\nc\r\nd\0e", 10)), "a\r\nb\r\nc\r\nd\r\n");
  // A byte-order mark is kept for writing but not shown.
  const LoadedText bom = decodeDocument("\xef\xbb\xbf\xe6\x97\xa5");
  EXPECT_TRUE(bom.utf8Bom);
  EXPECT_EQ(bom.text, QString::fromUtf8("日\r\n"));
}

TEST(DocumentCodec, IbmExtensionKanjiAreWrittenWithCodesThatStillReadAsShiftJis) {
  // Small roman numeral one and a kanji of the IBM extension, read from their
  // NEC-selected codes, are written with those codes again: leads FA..FC
  // would make the next reading take the file for EUC-JP.
  const QByteArray nec("\xee\xef\xed\x40\r\n");
  const LoadedText loaded = decodeDocument(nec);
  const QByteArray written = encodeDocument(loaded.text + "x", TextEncoding::ShiftJis).bytes;
  EXPECT_EQ(written, QByteArray("\xee\xef\xed\x40\r\nx\r\n"));
  EXPECT_EQ(decodeDocument(written).text, loaded.text + "x\r\n");
}

TEST(DocumentCodec, OnlyTheFirstByteOrderMarkIsTakenOff) {
  const QByteArray twice("\xef\xbb\xbf\xef\xbb\xbfx\r\n");
  const LoadedText loaded = decodeDocument(twice);
  EXPECT_EQ(loaded.text, QString(QChar(0xFEFF)) + "x\r\n");
  EXPECT_EQ(encodeDocument(loaded.text, TextEncoding::Utf8, true).bytes, twice);
}
