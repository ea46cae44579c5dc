// SPDX-License-Identifier: GPL-3.0-or-later
// How new documents are written: the line end chosen for them (LF unless the
// user chose CR LF) for every kind of new document and for what is copied to
// the clipboard, read files keeping their own; and the output kanji code,
// UTF-8 among them, which new pages declare.
#include "html/text_to_html.h"
#include "page/page_setting_dialog.h"
#include "window/doc_type_dialog.h"
#include "support/document_window.h"

#include <QApplication>
#include <QClipboard>

using namespace wrenpad;

namespace {

// The kind of line ends in bytes: "LF", "CR LF", "CR", "mixed" or "none".
QString lineEndsOf(const QByteArray& bytes) {
  const qsizetype crs = bytes.count('\r');
  const qsizetype lfs = bytes.count('\n');
  if (crs == 0 && lfs == 0) return "none";
  if (crs == 0) return "LF";
  if (lfs == 0) return "CR";
  return crs == lfs && bytes.count("\r\n") == lfs ? "CR LF" : "mixed";
}

const QByteArray kUtf8Bom("\xef\xbb\xbf");

struct NewDocuments : test::DocumentWindow {
  void SetUp() override {
    DocumentWindow::SetUp();
    main->document().CurrentFolder = folder.path();
  }
  void choose(const char* item) { main->action(item)->trigger(); }
  void newDocument(int kind) {
    main->editor().setModified(false);
    dialogs.answerFormWith<DocumentTypeValues>([kind](DocumentTypeValues& v) { v.kind = kind; });
    if (kind == kNewPage) dialogs.answerFormWith<PageSettingValues>([](PageSettingValues& v) { v.title = "T"; });
    main->documents().mmNewClick();
  }
  QByteArray savedAs(const QString& name) {
    dialogs.filesToSave = {folder.file(name)};
    EXPECT_TRUE(main->documents().mmSaveAsClick());
    return test::TempFolder::read(folder.file(name));
  }
  QString copied() {
    main->editor().selectAll();
    main->documents().mmCopyClick();
    return QApplication::clipboard()->text();
  }
};

}  // namespace

TEST_F(NewDocuments, EveryKindIsWrittenWithLfUnlessCrLfIsChosen) {
  EXPECT_TRUE(main->action("mmNewLF")->isChecked());
  for (const bool crLf : {false, true}) {
    SCOPED_TRACE(crLf ? "CR LF chosen" : "LF chosen");
    if (crLf) choose("mmNewCRLF");
    EXPECT_EQ(main->settings().NewDocumentsCRLF, crLf);
    EXPECT_NE(main->action("mmNewLF")->isChecked(), crLf);
    EXPECT_EQ(main->action("mmNewCRLF")->isChecked(), crLf);
    const QString own = crLf ? "CR LF" : "LF";
    const QString tag = crLf ? "crlf" : "lf";

    newDocument(0);
    append("one\r\ntwo");
    EXPECT_EQ(savedAs("text-" + tag + ".txt"), crLf ? "one\r\ntwo\r\n" : "one\ntwo\n");
    EXPECT_EQ(copied(), crLf ? "one\r\ntwo" : "one\ntwo");
    newDocument(kNewPage);
    EXPECT_EQ(lineEndsOf(savedAs("page-" + tag + ".htm")), own);
    // New from the starting program of C++, the compiled save included.
    main->settings().PL = std::int8_t(LanguageMode::Cpp);
    newDocument(kNewProgram);
    EXPECT_EQ(lineEndsOf(savedAs("program-" + tag + ".cpp")), own);
    append("// changed");
    EXPECT_TRUE(main->documents().mmSaveClick());
    EXPECT_EQ(lineEndsOf(test::TempFolder::read(folder.file("program-" + tag + ".cpp"))), own);
    // The Perl template names its interpreter: LF whatever is chosen.
    main->settings().PL = std::int8_t(LanguageMode::Perl);
    newDocument(kNewProgram);
    EXPECT_EQ(lineEndsOf(savedAs("script-" + tag + ".cgi")), "LF");

    // A text read from a file and made a page is a new document.
    open("read-" + tag + ".txt", crLf ? "a\nb\n" : "a\r\nb\r\n");
    dialogs.answerFormWith<PageSettingValues>([](PageSettingValues&) {});
    main->textToHtml().mmModifyAsHTMLfileClick();
    EXPECT_EQ(lineEndsOf(savedAs("made-" + tag + ".htm")), own);
  }
}

TEST_F(NewDocuments, ReadFilesKeepTheirLineEndsAndWrittenOnesKeepTheirs) {
  const QString crLfFile = open("crlf.txt", "a\r\nb\r\n");
  append("c");
  EXPECT_EQ(saved(crLfFile), "a\r\nb\r\nc\r\n");
  choose("mmNewCRLF");
  const QString lfFile = open("lf.txt", "a\nb\n");
  append("c");
  EXPECT_EQ(saved(lfFile), "a\nb\nc\n");
  // Copies follow the choice, not the document.
  EXPECT_EQ(copied(), "a\r\nb\r\nc");
  // A file without any line end has none of its own.
  const QString oneLine = open("one.txt", "a");
  append("b");  // the read line ends in the editor
  EXPECT_EQ(saved(oneLine), "a\r\nb");  // and the file's last line had no end
  // Once written, a new document's file keeps the line ends it was given.
  newDocument(0);
  append("x");
  EXPECT_EQ(savedAs("first.txt"), "x\r\n");
  choose("mmNewLF");
  append("\r\ny");
  EXPECT_EQ(saved(folder.file("first.txt")), "x\r\ny\r\n");
}

TEST_F(NewDocuments, Utf8IsTheOutputCodeOfAFirstStartAndNewPagesDeclareIt) {
  EXPECT_EQ(main->settings().OutputCode, 2);
  EXPECT_TRUE(main->action("mmUTF8")->isChecked());
  newDocument(0);
  append(QString::fromUtf8("日本\r\n€"));
  EXPECT_EQ(savedAs("new.txt"), QString::fromUtf8("日本\n€\n").toUtf8());
  newDocument(kNewPage);
  append(QString::fromUtf8("日本"));
  const QByteArray page = savedAs("new.htm");
  EXPECT_TRUE(page.contains("content=\"text/html; charset=UTF-8\"")) << page.constData();
  EXPECT_TRUE(page.contains(QString::fromUtf8("日本").toUtf8()));
  EXPECT_TRUE(dialogs.askedOf("question").isEmpty());
  choose("mmSJIS");

  // A UTF-8 file stays UTF-8, with its byte-order mark or without, as read.
  const QByteArray withMark = kUtf8Bom + QString::fromUtf8("日本\r\n").toUtf8();
  const QString marked = open("marked.txt", withMark);
  append("x");
  EXPECT_EQ(saved(marked), withMark + "x\r\n");
  append("y");
  EXPECT_EQ(saved(marked), withMark + "xy\r\n");
  const QString plain = open("plain.txt", QString::fromUtf8("日本\n").toUtf8());
  append("x");
  EXPECT_EQ(saved(plain), QString::fromUtf8("日本\nx\n").toUtf8());
  // A text read as UTF-8 makes a page that declares UTF-8.
  dialogs.answerFormWith<PageSettingValues>([](PageSettingValues&) {});
  main->textToHtml().mmModifyAsHTMLfileClick();
  const QByteArray madePage = savedAs("made.htm");
  EXPECT_TRUE(madePage.contains("charset=UTF-8"));
  EXPECT_TRUE(madePage.contains(QString::fromUtf8("日本<br>").toUtf8()));
}

TEST_F(NewDocuments, TheChoicesOutliveTheRun) {
  choose("mmUTF8");
  choose("mmNewCRLF");
  test::closeWithoutSaving(*main);
  const QByteArray ini = test::TempFolder::read(folder.file("wrenpad.ini"));
  EXPECT_TRUE(ini.contains("\r\nOutputCode=2\r\n"));
  EXPECT_TRUE(ini.contains("\r\nEUC=0\r\n"));
  EXPECT_TRUE(ini.contains("\r\nNewDocumentsCRLF=1\r\n"));
  main = test::startWindow(folder, dialogs);
  EXPECT_TRUE(main->action("mmUTF8")->isChecked());
  EXPECT_TRUE(main->action("mmNewCRLF")->isChecked());
}
