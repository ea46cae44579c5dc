// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and saving files in the Japanese codes, UTF-8 and binary files,
// through the main window with scripted answers.
#include "documents/document_commands.h"
#include "documents/document_state.h"
#include "window/doc_type_dialog.h"
#include "editor/editor_control.h"
#include "window/main_window.h"
#include "support/document_window.h"

#include <QAction>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace wrenpad;

namespace {

using DocumentFiles = test::DocumentWindow;
using test::kEuc;
using test::kSjis;

}  // namespace

TEST_F(DocumentFiles, FilesKeepTheirCodeUnlessSaveAsChoosesAnother) {
  const QString path = open("euc.txt", kEuc);
  EXPECT_EQ(main->editor().text(), QString::fromUtf8("日本\r\n"));
  EXPECT_EQ(saved(path), kEuc);  // unedited: the bytes that were read
  append("x");
  EXPECT_EQ(saved(path), kEuc + "x\r\n");
  // Save As offers the file's own code and line ends, and keeps them.
  const QString copy = folder.path() + "/copy.txt";
  append("x");
  dialogs.filesToSave = {copy};
  EXPECT_TRUE(main->documents().mmSaveAsClick());
  const auto& offered = dialogs.lastSaveRequest.choices;
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_EQ(offered[0].items.at(offered[0].selected), "EUC-JP");
  EXPECT_EQ(offered[1].items.at(offered[1].selected), "CR LF (Windows)");
  EXPECT_EQ(test::TempFolder::read(copy), kEuc + "xx\r\n");
  // Another code or line end is written only when chosen there, even for an
  // unedited text, and the file keeps it afterwards whatever the output code.
  const QByteArray utf8 = QString::fromUtf8("日本").toUtf8();
  const struct {
    int code, lineEnd;
    QByteArray bytes;
  } rows[] = {
      {0, 0, "\x93\xfa\x96\x7b\n"},
      {1, 2, "\xc6\xfc\xcb\xdc\r"},
      {2, 0, "\x1b$BF|K\\\x1b(B\n"},
      {3, 1, utf8 + "\r\n"},
      {4, 0, "\xef\xbb\xbf" + utf8 + "\n"},
  };
  main->action("mmEUC")->trigger();
  for (const auto& row : rows) {
    SCOPED_TRACE(row.code);
    open("euc.txt", kEuc);
    const QString other = folder.path() + QString("/code%1.txt").arg(row.code);
    dialogs.filesToSave = {other};
    dialogs.saveChoices = {{{0, row.code}, {1, row.lineEnd}}};
    EXPECT_TRUE(main->documents().mmSaveAsClick());
    EXPECT_EQ(test::TempFolder::read(other), row.bytes);
    append("y");
    const QByteArray lineEnd = row.bytes.endsWith("\r\n") ? "\r\n" : row.bytes.right(1);
    EXPECT_EQ(saved(other), row.bytes + "y" + lineEnd);
  }
  // A new text is offered the output code and the line end of new texts.
  main->documents().beginUntitledDocument();
  dialogs.filesToSave = {folder.path() + "/new.txt"};
  EXPECT_TRUE(main->documents().mmSaveAsClick());
  EXPECT_EQ(offered[0].items.at(offered[0].selected), "EUC-JP");
  EXPECT_EQ(offered[1].items.at(offered[1].selected), "LF (Linux, macOS)");
  const QByteArray jisBytes("\x1b$BF|K\\\x1b(B\r\n");
  const QString jis = open("jis.txt", jisBytes);
  EXPECT_EQ(saved(jis), jisBytes);
  append("z");
  EXPECT_EQ(saved(jis), jisBytes + "z\r\n");
}

TEST_F(DocumentFiles, APageSavedInAnotherCodeDeclaresIt) {
  const QString page = open("page.htm", "<meta charset=\"Shift_JIS\">\r\n" + kSjis);
  dialogs.filesToSave = {folder.path() + "/euc.htm"};
  dialogs.saveChoices = {{{0, 1}}};
  EXPECT_TRUE(main->documents().mmSaveAsClick());
  EXPECT_EQ(test::TempFolder::read(folder.path() + "/euc.htm"), "<meta charset=\"EUC-JP\">\r\n\xc6\xfc\xcb\xdc\r\n");
  EXPECT_TRUE(main->editor().text().startsWith("<meta charset=\"EUC-JP\">"));
  // A save that does not happen leaves the page's declaration alone.
  open("page.htm", "<meta charset=\"Shift_JIS\">\r\n" + kSjis);
  dialogs.filesToSave = {folder.path() + "/none/x.htm"};
  dialogs.saveChoices = {{{0, 3}}};
  EXPECT_FALSE(main->documents().mmSaveAsClick());
  EXPECT_TRUE(main->editor().text().startsWith("<meta charset=\"Shift_JIS\">"));
  EXPECT_EQ(test::TempFolder::read(page), "<meta charset=\"Shift_JIS\">\r\n" + kSjis);
}

TEST_F(DocumentFiles, PagesAreWrittenInTheCodeTheyDeclare) {
  main->action("mmEUC")->trigger();
  const QByteArray page = "<meta charset=\"Shift_JIS\">\r\n" + kEuc;
  // As a plain text document the declaration means nothing: EUC-JP, as read.
  const QString text = open("page.txt", page);
  append("x");
  EXPECT_EQ(saved(text), page + "x\r\n");
  const QString path = open("page.htm", page);
  append("x");
  EXPECT_EQ(saved(path), "<meta charset=\"Shift_JIS\">\r\n" + kSjis + "x\r\n");
  // A page declaring ISO-2022-JP is written in JIS: ASCII again before each
  // line end, and a character JIS lacks is asked about.
  const QByteArray jisPage = "<meta charset=\"ISO-2022-JP\">\r\n" + kSjis;
  const QString jis = open("jis.htm", jisPage);
  append(QString::fromUtf8("本x"));
  EXPECT_EQ(saved(jis), "<meta charset=\"ISO-2022-JP\">\r\n\x1b$BF|K\\\x1b(B\r\n\x1b$BK\\\x1b(Bx\r\n");
  append(QString::fromUtf8("ｱ"));
  EXPECT_FALSE(main->documents().mmSaveClick());
  ASSERT_EQ(dialogs.askedOf("question").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("question").first().contains("declares the code JIS"));
}

TEST_F(DocumentFiles, Utf8FilesAreReadAndWrittenAsUtf8) {
  main->action("mmEUC")->trigger();
  const QString path = open("utf8.txt", QString::fromUtf8("日本語 é\n").toUtf8());
  EXPECT_EQ(main->editor().text(), QString::fromUtf8("日本語 é\r\n"));
  append(QString::fromUtf8("続き"));
  // Its LF line ends stay LF.
  EXPECT_EQ(saved(path), QString::fromUtf8("日本語 é\n続き\n").toUtf8());
  EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(DocumentFiles, SavingWithoutEditsKeepsEveryByte) {
  // An IBM extension kanji whose code page 932 round trip picks another
  // code, and bytes that decode to nothing.
  const QByteArray odd("\xee\xef\x80\x81 \x85\x40\xfd\r\n");
  const QString path = open("odd.txt", odd);
  EXPECT_EQ(saved(path), odd);
}

// The bytes of an unedited document come from its file again only while the
// file is the one read: once another program has rewritten it, a save the
// user allows writes the document's own text, never the other program's.
TEST_F(DocumentFiles, AnUneditedDocumentNeverSavesAnotherProgramsBytes) {
  const QString path = open("notes.txt", "mine\r\n");
  folder.write("notes.txt", "theirs\r\n");
  dialogs.answers = {Answer::Yes};
  EXPECT_EQ(saved(path), "mine\r\n");
  EXPECT_EQ(saved(path), "mine\r\n");  // and again, now from our own file
}

TEST_F(DocumentFiles, CharactersShiftJisCannotHoldAreNeverDroppedSilently) {
  const QString path = open("plain.txt", "abc\r\n");
  append(QString::fromUtf8("café"));
  dialogs.answers = {Answer::No};
  EXPECT_FALSE(main->documents().mmSaveClick());
  EXPECT_EQ(test::TempFolder::read(path), "abc\r\n");
  EXPECT_TRUE(main->editor().isModified());
  ASSERT_EQ(dialogs.askedOf("question").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("question").first().contains(QString::fromUtf8("\"é\"")));
  dialogs.answers = {Answer::Yes};
  EXPECT_EQ(saved(path), QString::fromUtf8("abc\r\ncafé\r\n").toUtf8());
  // From now on the document is UTF-8: no more questions.
  append("!");
  EXPECT_EQ(saved(path), QString::fromUtf8("abc\r\ncafé!\r\n").toUtf8());
  EXPECT_EQ(dialogs.askedOf("question").size(), 2);
}

TEST_F(DocumentFiles, BinaryFilesOpenOnlyWithConsentAndChangeOnlyWithConsent) {
  const QByteArray binary("\x7f" "ELF\x02\x01\x01\x00rest", 12);
  const QString path = folder.write("prog.bin", binary);
  dialogs.answers = {Answer::No};
  EXPECT_FALSE(main->documents().OpenFile(path));
  EXPECT_EQ(main->windowTitle(), "Untitled.txt - Wrenpad");

  dialogs.answers = {Answer::Yes};
  ASSERT_TRUE(main->documents().OpenFile(path));
  EXPECT_EQ(saved(path), binary);  // unchanged: written back as it was
  append("x");
  dialogs.answers = {Answer::No};
  EXPECT_FALSE(main->documents().mmSaveClick());
  EXPECT_EQ(test::TempFolder::read(path), binary);
  EXPECT_EQ(dialogs.askedOf("question").size(), 3);
}

TEST_F(DocumentFiles, UndecodableBytesSurviveEveryOutputCode) {
  // Stray bytes before letters in Shift-JIS, saved as EUC-JP: the letters
  // stay, without and with edits.
  const QString path = open("stray.txt", "\x93\xfa\xa0x\x85y\r\n");
  EXPECT_EQ(saved(path), "\x93\xfa\xa0x\x85y\r\n");  // unedited: as it was read
  append("z");
  EXPECT_EQ(saved(path), "\x93\xfa\xa0x\x85y\r\nz\r\n");  // the file keeps its code
  const QString copy = folder.path() + "/copy.txt";
  append("z");
  dialogs.filesToSave = {copy};
  dialogs.saveChoices = {{{0, 1}}};  // EUC-JP
  EXPECT_TRUE(main->documents().mmSaveAsClick());
  EXPECT_EQ(test::TempFolder::read(copy), "\xc6\xfc\xa0x\x85y\r\nzz\r\n");
  // In UTF-8 the stand-ins of the stray bytes are written as characters.
  append(QString::fromUtf8("é"));
  dialogs.answers = {Answer::Yes};
  EXPECT_EQ(saved(copy), QString::fromUtf8("日\uf7a0x\uf785y\r\nzzé\r\n").toUtf8());
}

TEST_F(DocumentFiles, NulsNeverCutTheFileShort) {
  // Kanji first and a NUL far past the head: the whole file is read, and a
  // save without edits writes every byte.
  const QByteArray bytes = "\x93\xfa" + QByteArray(600, 'a') + QByteArray("\0tail\r\n", 7);
  dialogs.answers = {Answer::Yes};
  const QString path = open("nul.txt", bytes);
  EXPECT_EQ(dialogs.askedOf("question").size(), 1);  // opened as binary, with consent
  EXPECT_EQ(saved(path), bytes);
  // A NUL typed or pasted into a text is written too.
  const QString text = open("text.txt", "ab\r\n");
  append(QString::fromUtf16(u"c\0d", 3));
  EXPECT_EQ(saved(text), QByteArray("ab\r\nc\0d\r\n", 9));
}

TEST_F(DocumentFiles, UneditedBinaryFilesAreWrittenBackUnderEucOutput) {
  main->action("mmEUC")->trigger();
  const QByteArray binary("\x00\x01\x93\xfa\x80" "abc\xb1", 9);
  dialogs.answers = {Answer::Yes};
  const QString path = open("data.bin", binary);
  EXPECT_EQ(saved(path), binary);
  EXPECT_EQ(dialogs.askedOf("question").size(), 1);
}

TEST_F(DocumentFiles, SavingKeepsTheFilesIdentity) {
  const QString path = open("linked.txt", "one\r\n");
  const QString link = folder.file("second name.txt");
  ASSERT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(link).constData()), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
  append("two");
  EXPECT_EQ(saved(path), "one\r\ntwo\r\n");
  EXPECT_EQ(test::TempFolder::read(link), "one\r\ntwo\r\n");
  struct stat st;
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  // A FIFO named as the document is refused, and stays a FIFO.
  const QString fifo = folder.file("pipe");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  dialogs.filesToSave = {fifo};
  dialogs.answers = {Answer::Yes};
  EXPECT_FALSE(main->documents().mmSaveAsClick());
  ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  ASSERT_EQ(dialogs.askedOf("error").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("error").first().contains("pipe"));
  EXPECT_TRUE(dialogs.askedOf("error").first().contains("not an ordinary file"));
}

TEST_F(DocumentFiles, AFileChangedByAnotherProgramIsNotOverwrittenWithoutAsking) {
  const QString path = open("shared.txt", "mine\r\n");
  append("more");
  folder.write("shared.txt", "theirs, longer\r\n");
  dialogs.answers = {Answer::No};
  EXPECT_FALSE(main->documents().mmSaveClick());
  EXPECT_EQ(test::TempFolder::read(path), "theirs, longer\r\n");
  ASSERT_EQ(dialogs.askedOf("question").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("question").first().contains("changed by another program"));
  EXPECT_EQ(dialogs.preferred, std::vector<Answer>{Answer::No});  // Enter keeps their bytes
  dialogs.answers = {Answer::Yes};
  EXPECT_EQ(saved(path), "mine\r\nmore\r\n");
  // Our own save is no change by another program.
  append("!");
  EXPECT_EQ(saved(path), "mine\r\nmore!\r\n");
  EXPECT_EQ(dialogs.askedOf("question").size(), 2);
}

TEST_F(DocumentFiles, OnlyRegularFilesAreOpenedAndLargeOnesInTheirOwnView) {
  const QString kept = open("kept.txt", "kept\r\n");
  const QString fifo = folder.file("pipe");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  EXPECT_FALSE(main->documents().OpenFile(fifo));
  EXPECT_FALSE(main->documents().OpenFile("/dev/zero"));
  const QStringList errors = dialogs.askedOf("error");
  ASSERT_EQ(errors.size(), 2);
  EXPECT_TRUE(errors[0].contains(fifo) && errors[0].contains("not an ordinary file"));
  EXPECT_TRUE(errors[1].contains("/dev/zero"));
  // A file above the large-file size opens in its own view at once, without
  // a question, however large. Both are sparse: nothing is read to open them.
  const auto sparse = [&](const QString& name, qint64 size) {
    QFile file(folder.file(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(size));
    return file.fileName();
  };
  EXPECT_TRUE(main->documents().OpenFile(sparse("large.txt", (qint64(64) << 20) + 1)));
  EXPECT_TRUE(main->showsLargeFile());
  const QString huge = sparse("huge.txt", qint64(1) << 30);
  EXPECT_TRUE(main->documents().OpenFile(huge));
  EXPECT_TRUE(main->showsLargeFile());
  EXPECT_TRUE(dialogs.askedOf("question").isEmpty());
  EXPECT_EQ(main->document().CurrentFileName, huge);
  // A file that cannot be opened leaves the document as it was.
  EXPECT_FALSE(main->documents().OpenFile(fifo));
  EXPECT_EQ(main->document().CurrentFileName, huge);
  ASSERT_TRUE(main->documents().OpenFile(kept));
  EXPECT_EQ(main->editor().text(), "kept\r\n");
}

TEST_F(DocumentFiles, FilesKeepTheirLineEnds) {
  // Without edits, every byte as it was, the missing last line end too.
  const QString lf = open("script.sh", "#!/bin/sh\necho \x93\xfa\nexit 0");
  EXPECT_EQ(saved(lf), "#!/bin/sh\necho \x93\xfa\nexit 0");
  append("# end");
  EXPECT_EQ(saved(lf), "#!/bin/sh\necho \x93\xfa\nexit 0\n# end");
  const QString cr = open("old mac.txt", "a\rb\r");
  append("c");
  EXPECT_EQ(saved(cr), "a\rb\rc\r");
  // A file that mixes line ends gets CR LF, as a new document does.
  const QString mixed = open("mixed.txt", "a\nb\r\n");
  EXPECT_EQ(saved(mixed), "a\nb\r\n");
  append("c");
  EXPECT_EQ(saved(mixed), "a\r\nb\r\nc\r\n");
}

// A script whose first line names its interpreter is written with LF line
// ends, or the system would look for "perl\r": a new CGI program from its
// template, a new document typed with "#!", and a script read with CR LF.
TEST_F(DocumentFiles, ScriptsWithAnInterpreterLineAreWrittenWithLf) {
  main->document().CurrentFolder = folder.path();
  main->settings().PL = std::int8_t(LanguageMode::Perl);
  dialogs.answerFormWith<DocumentTypeValues>([](DocumentTypeValues& v) { v.kind = 2; });
  main->documents().mmNewClick();
  ASSERT_TRUE(main->editor().text().startsWith("#!"));
  dialogs.filesToSave = {folder.file("hello.cgi")};
  ASSERT_TRUE(main->documents().mmSaveAsClick());
  const QByteArray cgi = test::TempFolder::read(folder.file("hello.cgi"));
  EXPECT_TRUE(cgi.startsWith("#!/")) << cgi.toStdString();
  EXPECT_FALSE(cgi.contains('\r')) << cgi.toStdString();
  EXPECT_EQ(cgi.count('\n'), main->editor().text().count("\r\n"));

  main->editor().setModified(false);
  dialogs.answerFormWith<DocumentTypeValues>([](DocumentTypeValues& v) { v.kind = 0; });
  main->documents().mmNewClick();
  main->editor().replaceSelection("#!/bin/sh\r\necho \"hi\"");
  dialogs.filesToSave = {folder.file("run.sh")};
  ASSERT_TRUE(main->documents().mmSaveAsClick());
  EXPECT_EQ(test::TempFolder::read(folder.file("run.sh")), "#!/bin/sh\necho \"hi\"\n");

  // Read with CR LF: LF at the next save, with or without edits.
  const QString read = open("old.cgi", "#!/usr/bin/perl\r\nprint \"\x93\xfa\";\r\n");
  EXPECT_EQ(saved(read), "#!/usr/bin/perl\nprint \"\x93\xfa\";\n");
  append("exit;");
  EXPECT_EQ(saved(read), "#!/usr/bin/perl\nprint \"\x93\xfa\";\nexit;\n");
}

TEST_F(DocumentFiles, AnEditKeepsTheCodesOfCharactersElsewhere) {
  // ≒ from NEC row 13 and small roman one from the IBM rows; code page 932
  // prefers 81 E0 and EE EF for them.
  const QByteArray bytes("\x82\xa0\x87\x90\r\n\xfa\x40\r\n");
  const QString path = open("codes.txt", bytes);
  append(QString::fromUtf8("≒ⅰ"));
  EXPECT_EQ(saved(path), bytes + "\x87\x90\xfa\x40\r\n");
}

TEST_F(DocumentFiles, TheQuestionShowsAWholeCharacter) {
  const QString path = open("face.txt", "abc\r\n");
  append(QString::fromUtf8("😀"));
  dialogs.answers = {Answer::No};
  EXPECT_FALSE(main->documents().mmSaveClick());
  ASSERT_EQ(dialogs.askedOf("question").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("question").first().contains(QString::fromUtf8("\"😀\"")));
}
