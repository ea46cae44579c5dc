// SPDX-License-Identifier: GPL-3.0-or-later
// The kanji code a save writes: unedited files as they were read, pages in
// the code they declare and never in bytes that contradict it, and the codes
// and stray bytes of a file kept only where the file had them.
#include "encoding/cp932.h"
#include "support/document_window.h"

#include <QFile>

using namespace wrenpad;

namespace {

using SavedCodes = test::DocumentWindow;
using test::kEuc;
using test::kSjis;
const QByteArray kShiftJisPage("<meta charset=\"Shift_JIS\">\r\n" + kSjis);

}  // namespace

// Files stay in the code they came in, edited or not, whatever the output
// code; pages in the Japanese code they declare.
TEST_F(SavedCodes, FilesAreWrittenInTheCodeTheyCameInAndPagesInTheCodeTheyDeclare) {
  const QByteArray jis("\x1b$BF|K\\\x1b(B\r\n");
  const QByteArray eucPage = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\">\r\n" + kEuc;
  const QByteArray sjisPage = "<META CHARSET=\"x-sjis\">\r\n" + kSjis;
  const struct {
    const char* outputCode;
    const char* name;
    QByteArray bytes;
    const char* added;
    QByteArray expected;
  } rows[] = {
      {nullptr, "euc.txt", kEuc, "", kEuc},
      {nullptr, "euc.txt", kEuc, "x", kEuc + "x\r\n"},
      {nullptr, "jis.txt", jis, "", jis},
      {nullptr, "jis.txt", jis, "x日", jis + "x\x1b$BF|\x1b(B\r\n"},
      {nullptr, "euc.htm", eucPage, "x", eucPage + "x\r\n"},
      {"mmEUC", "sjis.txt", kSjis, "", kSjis},
      {"mmEUC", "sjis.html", sjisPage, "x", sjisPage + "x\r\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.name) + " + " + row.added);
    if (row.outputCode) main->action(row.outputCode)->trigger();
    const QString path = open(row.name, row.bytes);
    if (*row.added) append(QString::fromUtf8(row.added));
    EXPECT_EQ(saved(path), row.expected);
  }
  EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(SavedCodes, JisX0212KanjiSurviveEucAndAreNeverShiftJisBytes) {
  // 丂 in JIS X 0212 on the first line, then 日本 in JIS X 0208.
  const QByteArray euc("\x8f\xb0\xa1\r\n" + kEuc);
  const QString path = open("supplementary.txt", euc);
  EXPECT_EQ(main->editor().text(), QString::fromUtf8("丂\r\n日本\r\n"));
  append("x");
  EXPECT_EQ(saved(path), euc + "x\r\n");
  // Saved as Shift-JIS under another name, 丂 has no place.
  dialogs.answers = {Answer::No};
  append("y");
  const QString other = folder.path() + "/other.txt";
  dialogs.filesToSave = {other};
  dialogs.saveChoices = {{{0, 0}}};
  EXPECT_FALSE(main->documents().mmSaveAsClick());
  ASSERT_EQ(dialogs.askedOf("question").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("question").first().contains(QString::fromUtf8("\"丂\"")));
  EXPECT_FALSE(QFile::exists(other));
}

TEST_F(SavedCodes, APageNeverHoldsBytesThatContradictItsDeclaration) {
  const QString path = open("price.htm", kShiftJisPage);
  append(QString::fromUtf8("é"));
  // Cancel saves nothing; Yes writes a character reference under Shift_JIS.
  EXPECT_FALSE(main->documents().mmSaveClick());
  EXPECT_EQ(test::TempFolder::read(path), kShiftJisPage);
  dialogs.answers = {Answer::Yes};
  EXPECT_EQ(saved(path), kShiftJisPage + "&#233;\r\n");
  EXPECT_TRUE(dialogs.askedOf("question").last().contains("&#233;"));
  // No, then Yes: the page declares UTF-8, in the file and in the editor.
  append("!");
  dialogs.answers = {Answer::No, Answer::Yes};
  const QString utf8Page = QString::fromUtf8("<meta charset=\"UTF-8\">\r\n日本\r\né!");
  EXPECT_EQ(saved(path), (utf8Page + "\r\n").toUtf8());
  EXPECT_EQ(main->editor().text(), utf8Page);
  EXPECT_FALSE(main->editor().isModified());
  EXPECT_EQ(dialogs.askedOf("question").size(), 4);
  append("?");
  EXPECT_EQ(saved(path), (utf8Page + "?\r\n").toUtf8());
  EXPECT_EQ(dialogs.askedOf("question").size(), 4);
}

TEST_F(SavedCodes, APlainTextStillOffersUtf8) {
  const QString path = open("price.txt", kShiftJisPage);
  append(QString::fromUtf8("é"));
  dialogs.answers = {Answer::Yes};
  EXPECT_EQ(saved(path), QString::fromUtf8("<meta charset=\"Shift_JIS\">\r\n日本\r\né\r\n").toUtf8());
  ASSERT_EQ(dialogs.askedOf("question").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("question").first().contains("UTF-8 instead"));
}

TEST_F(SavedCodes, EachLineLeftAsItWasKeepsTheCodesItHad) {
  // ≒ as 81 E0 and as 87 90, ￢ as 81 CA, EE F9 and FA 54, on lines of
  // their own. A new line takes the code the file used first.
  const QByteArray bytes("\x81\xe0\r\n\x87\x90\r\n\x81\xca\r\n\xee\xf9\r\n\xfa\x54\r\n");
  const QString path = open("codes.txt", bytes);
  append(QString::fromUtf8("≒￢"));
  EXPECT_EQ(saved(path), bytes + "\x81\xe0\x81\xca\r\n");
  append("x");
  EXPECT_EQ(saved(path), bytes + "\x81\xe0\x81\xcax\r\n");
}

TEST_F(SavedCodes, StandInsFromOutsideAreCharacters) {
  // A stand-in of the byte 81 pasted before a letter: as a byte it would
  // swallow the letter. Shift-JIS cannot hold it; UTF-8 writes it.
  const QString path = open("plain.txt", "abc\r\n");
  append(QString(cp932::byteEscape(0x81)) + "d");
  dialogs.answers = {Answer::Yes};
  EXPECT_EQ(saved(path), "abc\r\n\xef\x9e\x81" "d\r\n");
  EXPECT_EQ(dialogs.askedOf("question").size(), 1);
  // A file's own stray byte is written back as that byte.
  const QString odd = open("odd.txt", "a\x81 \r\n");
  append("x");
  EXPECT_EQ(saved(odd), "a\x81 \r\nx\r\n");
  EXPECT_EQ(dialogs.askedOf("question").size(), 1);
}
