// SPDX-License-Identifier: GPL-3.0-or-later
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
    // The file's bytes are kept as they were, for a save without edits.
    EXPECT_EQ(loaded.bytes, bytes);
  }
  EXPECT_EQ(decodeDocument(utf8).encoding, TextEncoding::Utf8);
  EXPECT_EQ(decodeDocument(euc).encoding, TextEncoding::EucJp);
  EXPECT_TRUE(decodeDocument(jis).form.jis);
  EXPECT_EQ(encodeDocument(kNihongo, TextEncoding::EucJp).bytes, QByteArray(euc).replace("\n", "\r\n"));
  // Half-width katakana in Shift-JIS are also a valid EUC-JP kanji pair.
  EXPECT_EQ(decodeDocument("\xb1\xb2\xb3\xb4").text, QString::fromUtf8("ｱｲｳｴ\r\n"));
}

TEST(DocumentCodec, CharactersTheCodeCannotHoldAreReportedWhole) {
  const QString text = QString::fromUtf8("ab\u00e9c");  // é is not in code page 932
  EXPECT_EQ(encodeDocument(text, TextEncoding::ShiftJis).firstUnencodable, 2);
  // Backslash and tilde stay themselves; the wave dash of code page 932 too.
  EXPECT_EQ(encodeDocument(QString::fromUtf8("\\~\uff5e"), TextEncoding::ShiftJis).bytes,
            QByteArray("\\~\x81\x60\r\n"));
  // A character beyond U+FFFF is one character, never half of one.
  const QString emoji = QString::fromUtf8("a😀b");
  EXPECT_EQ(characterAt(emoji, 1), QString::fromUtf8("😀"));
  EXPECT_EQ(encodeDocument(emoji, TextEncoding::ShiftJis).firstUnencodable, 1);
  // The user-defined rows of code page 932 have no place in EUC-JP.
  EXPECT_EQ(encodeDocument(QString(QChar(0xE000)), TextEncoding::EucJp).firstUnencodable, 0);
}

TEST(DocumentCodec, BinaryFilesNulsLineBytesAndByteOrderMarks) {
  EXPECT_TRUE(decodeDocument(QByteArray("MZ\x03\x00\x01", 5)).binary);
  EXPECT_TRUE(looksBinary(QByteArray("\xff\xfe")));
  EXPECT_FALSE(looksBinary("plain\r\ntext"));
  EXPECT_TRUE(looksBinary(QByteArray(1000, 'a') + '\xff'));
  EXPECT_EQ(normalizeLineBytes(QByteArray("a\rb\nc\r\nd\0e", 10)), QByteArray("a\r\nb\r\nc\r\nd\0e\r\n", 14));
  // Kanji first, a NUL far past the head: the file is binary, and every byte
  // after the NUL is read and written back.
  const QByteArray bytes = "\x93\xfa" + QByteArray(600, 'a') + QByteArray("\0tail\r\n", 7);
  const LoadedText loaded = decodeDocument(bytes);
  EXPECT_TRUE(loaded.binary);
  EXPECT_TRUE(loaded.text.endsWith(QString::fromUtf16(u"\0tail\r\n", 7)));
  EXPECT_EQ(encodeDocument(loaded.text, TextEncoding::ShiftJis, loaded.form).bytes, bytes);
  // A byte-order mark is kept for writing but not shown; only the first.
  const LoadedText bom = decodeDocument("\xef\xbb\xbf\xe6\x97\xa5");
  EXPECT_TRUE(bom.form.utf8Bom);
  EXPECT_EQ(bom.text, QString::fromUtf8("日\r\n"));
  const QByteArray twice("\xef\xbb\xbf\xef\xbb\xbfx\r\n");
  const LoadedText second = decodeDocument(twice);
  EXPECT_EQ(second.text, QString(QChar(0xFEFF)) + "x\r\n");
  EXPECT_EQ(encodeDocument(second.text, TextEncoding::Utf8, second.form).bytes, twice);
}

TEST(DocumentCodec, UndecodableBytesSurviveEveryOutputCode) {
  // Stray bytes before ASCII in Shift-JIS: EUC-JP output must not take them
  // for lead bytes and swallow the letter after them.
  const QByteArray sjis("\x93\xfa\xa0x\x85y\x80\r\n");
  const LoadedText loaded = decodeDocument(sjis);
  EXPECT_EQ(encodeDocument(loaded.text, TextEncoding::ShiftJis, loaded.form).bytes, sjis);
  EXPECT_EQ(encodeDocument(loaded.text, TextEncoding::EucJp, loaded.form).bytes, "\xc6\xfc\xa0x\x85y\x80\r\n");
  // UTF-8 has no room for a stray byte: the stand-in is written as itself.
  EXPECT_EQ(encodeDocument(loaded.text, TextEncoding::Utf8).bytes,
            "\xe6\x97\xa5\xef\x9e\xa0x\xef\x9e\x85y\xef\x9e\x80\r\n");
  // An EUC-JP file with a JIS X 0212 kanji, a pair of an unassigned row and
  // a stray byte comes back whole, edited or not.
  const QByteArray euc("\xc6\xfc\xcb\xdc\x8f\xb0\xa1\xa9\xa2\xa1z\r\n");
  const LoadedText fromEuc = decodeDocument(euc);
  EXPECT_EQ(fromEuc.text.left(3), QString::fromUtf8("日本丂"));
  EXPECT_EQ(encodeDocument(fromEuc.text, TextEncoding::EucJp, fromEuc.form).bytes, euc);
  EXPECT_EQ(encodeDocument("x" + fromEuc.text, TextEncoding::EucJp, fromEuc.form).bytes, "x" + euc);
}

TEST(DocumentCodec, CharactersWithTwoCodesKeepTheCodeTheFileUsed) {
  // ≒ from NEC row 13 (87 90, preferred 81 E0) and small roman one from the
  // IBM rows (FA 40, preferred EE EF), after a Shift-JIS kanji.
  const QByteArray sjis("\x82\xa0\x87\x90\xfa\x40\r\n");
  const LoadedText loaded = decodeDocument(sjis);
  EXPECT_EQ(loaded.text, QString::fromUtf8("あ≒ⅰ\r\n"));
  EXPECT_EQ(encodeDocument(loaded.text, TextEncoding::ShiftJis).bytes, "\x82\xa0\x81\xe0\xee\xef\r\n");
  // EUC-JP has neither NEC's row 13 nor the IBM rows: ≒ takes its JIS X
  // 0208 code and ⅰ is a character it cannot hold...
  const EncodedText toEuc = encodeDocument(loaded.text, TextEncoding::EucJp, loaded.form);
  EXPECT_EQ(toEuc.bytes, "\xa4\xa2\xa2\xe2?\r\n");
  EXPECT_EQ(toEuc.firstUnencodable, 2);
  // ...but an EUC-JP file that has them keeps them, and may gain more.
  const QByteArray euc("\xa4\xa2\xad\xf0\xfc\xf1\r\n");
  const LoadedText fromEuc = decodeDocument(euc);
  EXPECT_EQ(fromEuc.text, loaded.text);
  EXPECT_EQ(encodeDocument(fromEuc.text + "x", TextEncoding::EucJp, fromEuc.form).bytes, euc + "x\r\n");
  EXPECT_EQ(encodeDocument(QString::fromUtf8("①"), TextEncoding::EucJp, fromEuc.form).bytes, "\xad\xa1\r\n");
  // Small roman numeral one and a kanji of the IBM extension, read from their
  // NEC-selected codes, are written with those codes again: leads FA..FC
  // would make the next reading take the file for EUC-JP.
  const LoadedText fromNec = decodeDocument("\xee\xef\xed\x40\r\n");
  const QByteArray written = encodeDocument(fromNec.text + "x", TextEncoding::ShiftJis).bytes;
  EXPECT_EQ(written, QByteArray("\xee\xef\xed\x40\r\nx\r\n"));
  EXPECT_EQ(decodeDocument(written).text, fromNec.text + "x\r\n");
}

TEST(DocumentCodec, OnlyStandInsTheFileProducedAreWrittenAsBytes) {
  // The file had a stray 81 before a blank; a stand-in of 81 and one of 85
  // come from elsewhere, each before a letter it would swallow as a trail
  // byte.
  const LoadedText loaded = decodeDocument("a\x81 \r\n");
  const QString pasted = QString(cp932::byteEscape(0x81)) + "b" + cp932::byteEscape(0x85) + "d";
  const QString text = loaded.text + pasted;
  for (const TextEncoding code : {TextEncoding::ShiftJis, TextEncoding::EucJp}) {
    // The file's own stand-in is its byte again; one it never produced is a
    // character no Japanese code holds.
    EXPECT_EQ(encodeDocument(loaded.text, code, loaded.form).bytes, "a\x81 \r\n");
    EXPECT_EQ(encodeDocument(QString(cp932::byteEscape(0x85)), code, loaded.form).firstUnencodable, 0);
    EXPECT_EQ(encodeDocument(pasted, code).firstUnencodable, 0);
  }
  // The file's 81 stands for a byte it held, so a pasted 81 is written so
  // too; the 85 is the first character found wanting.
  EXPECT_EQ(encodeDocument(text, TextEncoding::ShiftJis, loaded.form).firstUnencodable, text.size() - 2);
  EXPECT_EQ(encodeDocument(pasted, TextEncoding::Utf8).bytes, "\xef\x9e\x81" "b\xef\x9e\x85" "d\r\n");
  // A UTF-8 file's private-use characters are characters too.
  const LoadedText utf8 = decodeDocument("\xef\x9e\x81" "a\xc3\xa9\r\n");
  EXPECT_EQ(encodeDocument(utf8.text, TextEncoding::ShiftJis, utf8.form).firstUnencodable, 0);
}

TEST(DocumentCodec, LinesLeftAsTheyWereKeepEachCodeOfACharacter) {
  // ≒ as 81 E0 and 87 90, ⅰ as FA 40 and EE EF, ￢ as 81 CA, EE F9 and FA 54,
  // and a line of ≒ twice, first in the one code, then in the other.
  const QByteArray sjis("\x81\xe0=\r\n\x87\x90=\r\n\xfa\x40\xee\xef\r\n\x81\xca\xee\xf9\xfa\x54\r\n"
                        "\x81\xe0\r\n\x87\x90\r\n");
  const LoadedText loaded = decodeDocument(sjis);
  EXPECT_EQ(loaded.text, QString::fromUtf8("≒=\r\n≒=\r\nⅰⅰ\r\n￢￢￢\r\n≒\r\n≒\r\n"));
  EXPECT_EQ(encodeDocument(loaded.text + "x", TextEncoding::ShiftJis, loaded.form).bytes, sjis + "x\r\n");
  // A line edited or added takes the code the file used first.
  EXPECT_EQ(encodeDocument(QString::fromUtf8("≒ⅰ￢!\r\n") + loaded.text, TextEncoding::ShiftJis, loaded.form).bytes,
            "\x81\xe0\xfa\x40\x81\xca!\r\n" + sjis);
  // So does a third occurrence of a line.
  EXPECT_EQ(encodeDocument(loaded.text + QString::fromUtf8("≒"), TextEncoding::ShiftJis, loaded.form).bytes,
            sjis + "\x81\xe0\r\n");
  // The same in EUC-JP: ≒ from row 2 and from NEC row 13.
  const QByteArray euc("\xa2\xe2\xa4\xa2\r\n\xad\xf0\xa4\xa2\r\n");
  const LoadedText fromEuc = decodeDocument(euc);
  EXPECT_EQ(encodeDocument("x\r\n" + fromEuc.text, TextEncoding::EucJp, fromEuc.form).bytes, "x\r\n" + euc);
  // Another code writes the characters afresh.
  EXPECT_EQ(encodeDocument(fromEuc.text, TextEncoding::ShiftJis, fromEuc.form).bytes,
            "\x81\xe0\x82\xa0\r\n\x81\xe0\x82\xa0\r\n");
  // ≒ as 81 E0 and 87 90, ￢ as EE F9 and FA 54: the second line edited
  // keeps its own codes; a line added after it takes those the file used first.
  const TextForm form = decodeDocument("\x81\xe0\xee\xf9=\r\n\x87\x90\xfa\x54=\r\n").form;
  const TextEncoding shiftJis = TextEncoding::ShiftJis;
  EXPECT_EQ(encodeDocument(QString::fromUtf8("≒￢=\r\n≒x￢=!\r\n"), shiftJis, form).bytes,
            "\x81\xe0\xee\xf9=\r\n\x87\x90x\xfa\x54=!\r\n");
  EXPECT_EQ(encodeDocument(QString::fromUtf8("≒￢=\r\n≒￢\r\n￢≒\r\n"), shiftJis, form).bytes,
            "\x81\xe0\xee\xf9=\r\n\x87\x90\xfa\x54\r\n\xee\xf9\x81\xe0\r\n");
  const TextForm eucForm = decodeDocument("\xa2\xe2\r\n\xad\xf0\r\n").form;
  EXPECT_EQ(encodeDocument(QString::fromUtf8("≒\r\nx≒\r\n"), TextEncoding::EucJp, eucForm).bytes,
            "\xa2\xe2\r\nx\xad\xf0\r\n");
}

TEST(DocumentCodec, JisX0212KanjiAreCharactersOnlyEucCanWrite) {
  // 丂 (8F B0 A1) and, from the same rows, small roman one (8F F3 A1), which
  // code page 932 has as well.
  const QByteArray euc("\xc6\xfc\x8f\xb0\xa1\x8f\xf3\xa1\r\n");
  const LoadedText loaded = decodeDocument(euc);
  EXPECT_EQ(loaded.text, QString::fromUtf8("日丂ⅰ\r\n"));
  EXPECT_EQ(encodeDocument(loaded.text + "x", TextEncoding::EucJp, loaded.form).bytes, euc + "x\r\n");
  // The line edited, 丂 gets its triple and ⅰ the bytes the file gave it
  // there; in a file that had no JIS X 0212 kanji, 丂 is a character EUC-JP
  // cannot hold.
  EXPECT_EQ(encodeDocument(QString::fromUtf8("丂ⅰ"), TextEncoding::EucJp, loaded.form).bytes,
            "\x8f\xb0\xa1\x8f\xf3\xa1\r\n");
  EXPECT_EQ(encodeDocument(QString::fromUtf8("日丂"), TextEncoding::EucJp).firstUnencodable, 1);
  const EncodedText sjis = encodeDocument(loaded.text, TextEncoding::ShiftJis, loaded.form);
  EXPECT_EQ(sjis.firstUnencodable, 1);
  EXPECT_FALSE(sjis.bytes.contains('\x8f'));
  EXPECT_EQ(encodeDocument(loaded.text, TextEncoding::Utf8, loaded.form).bytes, loaded.text.toUtf8());
}

TEST(DocumentCodec, CharactersACodeCannotHoldBecomeCharacterReferences) {
  const QString text = QString::fromUtf8("ª 日 é 😀 丂\r\n");
  EXPECT_EQ(withCharacterReferences(text, TextEncoding::ShiftJis),
            QString::fromUtf8("&#170; 日 &#233; &#128512; &#19970;\r\n"));
  EXPECT_EQ(withCharacterReferences(text, TextEncoding::EucJp),
            QString::fromUtf8("&#170; 日 &#233; &#128512; &#19970;\r\n"));
  // ª, é and 丂 are in JIS X 0212, which a file that had such kanji may use.
  const TextForm supplementary = decodeDocument("\x8f\xb0\xa1\xc6\xfc\r\n").form;
  EXPECT_EQ(withCharacterReferences(text, TextEncoding::EucJp, supplementary),
            QString::fromUtf8("ª 日 é &#128512; 丂\r\n"));
  EXPECT_EQ(withCharacterReferences(text, TextEncoding::Utf8), text);
  EXPECT_FALSE(canEncode(cp932::byteEscape(0x81), TextEncoding::ShiftJis));
  EXPECT_TRUE(canEncode(cp932::byteEscape(0x81), TextEncoding::ShiftJis, decodeDocument("\x81").form));
}

TEST(DocumentCodec, CharactersThisSystemTypesForJisSymbolsAreWrittenWithTheirCodes) {
  // 〜 ‖ − ¢ £ ¬ as input methods give them, and as code page 932 reads the
  // same codes (～ ∥ － ￠ ￡ ￢).
  const QString typed = QString::fromUtf8("〜‖−¢£¬");
  const QString read = QString::fromUtf8("～∥－￠￡￢\r\n");
  const struct {
    TextEncoding code;
    QByteArray bytes;
  } cases[] = {
      {TextEncoding::ShiftJis, "\x81\x60\x81\x61\x81\x7c\x81\x91\x81\x92\x81\xca\r\n"},
      {TextEncoding::EucJp, "\xa1\xc1\xa1\xc2\xa1\xdd\xa1\xf1\xa1\xf2\xa2\xcc\r\n"},
  };
  for (const auto& c : cases) {
    const EncodedText written = encodeDocument(typed, c.code);
    EXPECT_EQ(written.firstUnencodable, -1);
    EXPECT_EQ(written.bytes, c.bytes);
    EXPECT_EQ(decodeDocument(c.bytes).text, read);
  }
  // Kanji outside the rows of JIS X 0208 (髙, ①) are characters EUC-JP
  // cannot hold, in a file that had none of them.
  for (const char* kanji : {"髙", "①"})
    EXPECT_EQ(encodeDocument(QString::fromUtf8(kanji), TextEncoding::EucJp).firstUnencodable, 0) << kanji;
}

// Each file keeps its kind of line end, and a missing final one stays missing.
TEST(DocumentCodec, AFileWithoutAFinalLineEndIsWrittenWithoutOne) {
  const struct {
    QByteArray file;
    TextEncoding code;
    QByteArray written;  // after a line is added at the start
  } cases[] = {
      {"\x93\xfa\nx", TextEncoding::ShiftJis, "y\n\x93\xfa\nx"},
      {"a\r\nb", TextEncoding::Utf8, "y\r\na\r\nb"},
      {"one line", TextEncoding::ShiftJis, "y\r\none line"},
      {"\xa4\xa2\xa4\xa4\r\xa4\xa6", TextEncoding::EucJp, "y\r\xa4\xa2\xa4\xa4\r\xa4\xa6"},
      {"\x93\xfa\n", TextEncoding::ShiftJis, "y\n\x93\xfa\n"},
  };
  for (const auto& c : cases) {
    const LoadedText loaded = decodeDocument(c.file);
    EXPECT_EQ(encodeDocument("y\r\n" + loaded.text, c.code, loaded.form).bytes, c.written) << c.file.constData();
  }
  // Mixed ends and none at all are CR LF; only a file with a line end has
  // line ends of its own.
  EXPECT_EQ(lineEndOf("a\nb\r\n"), LineEnd::CrLf);
  EXPECT_EQ(lineEndOf("a"), LineEnd::CrLf);
  for (const QByteArray& none : {QByteArray("one line"), QByteArray("\xef\xbb\xbf\xe6\x97\xa5")})
    EXPECT_FALSE(decodeDocument(none).form.lineEndFromFile) << none.toHex().constData();
}
