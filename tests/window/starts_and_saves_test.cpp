// SPDX-License-Identifier: GPL-3.0-or-later
// The window around starting and saving: a save killed midway and work left
// by a gone run offered at the next start, a file name that is not UTF-8, and
// the line ends and output code of new documents.
#include "documents/document_view.h"
#include "documents/file_access.h"
#include "documents/recovery.h"
#include "documents/undo_commands.h"
#include "files/file_names.h"
#include "page/page_setting_dialog.h"
#include "window/doc_type_dialog.h"
#include "support/byte_names.h"
#include "window_case.h"

#include <QClipboard>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace wrenpad;

namespace {

struct Starts : test::DocumentWindow {
  void SetUp() override {}  // each case starts the window itself
  void TearDown() override { close(); }
  void start(std::initializer_list<Answer> answers = {}, const QStringList& files = {}) {
    dialogs.answers.insert(dialogs.answers.end(), answers);
    main = test::startWindow(folder, dialogs, files, test::kEnglishSettings);
  }
  void close() {
    if (main) test::closeWithoutSaving(*main);
    main.reset();
  }
};

TEST_F(Starts, ASaveKilledMidwayIsOfferedBackAtTheNextStartUntilAnswered) {
  const QString document = folder.write("notes.txt", "what the file held");
  const QByteArray second = QFile::encodeName(folder.file("second"));
  ASSERT_EQ(::link(QFile::encodeName(document).constData(), second.constData()), 0);
  // A run saves over the hard-linked file in place, after a backup, and is
  // killed just before the new bytes go in.
  const pid_t child = ::fork();
  if (child == 0) {
    files::setSaveJournalFolder(folder.path());
    files::test_hooks::beforeCommit = [] { ::kill(::getpid(), SIGKILL); };
    files::writeFileKeepingIdentity(document, "the new text");
    ::_exit(0);
  }
  ::waitpid(child, nullptr, 0);
  folder.write("notes.txt", "the new tfile held");  // as if the kill came half way

  start({Answer::Cancel});
  close();
  ASSERT_EQ(dialogs.askedOf("question").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("question")[0].contains("was stopped while it was saving"));
  EXPECT_TRUE(dialogs.askedOf("question")[0].contains(QFileInfo(document).canonicalFilePath()));
  start({Answer::Yes});
  close();
  EXPECT_EQ(dialogs.askedOf("question").size(), 2);
  EXPECT_EQ(test::TempFolder::read(document), "what the file held");
  EXPECT_EQ(test::TempFolder::read(folder.file("second")), "what the file held");
  const QDir left(folder.path());
  EXPECT_TRUE(left.entryList({".wrenpad-*", "save-*"}, QDir::Files | QDir::Hidden).isEmpty());
  start();
  EXPECT_EQ(dialogs.askedOf("question").size(), 2);
}

struct Recovery : Starts {
  static constexpr int kGoneSlot = 7;
  // What a run in slot 7 left when it was killed.
  QString leaveWork(const QString& name, const QByteArray& text, const QByteArray& kind = "Plain") {
    folder.write(QStringLiteral("Temporary File for Wrenpad_%1.name").arg(kGoneSlot),
                 "[Recovery]\r\nName=" + name.toUtf8() + "\r\nKind=" + kind + "\r\n");
    return folder.write(QStringLiteral("Temporary File for Wrenpad_%1_1.rtf").arg(kGoneSlot), text);
  }
  // What a start after a crash of every run would find.
  std::vector<RecoveryOffer> offersAfterACrash() const {
    return FindRecoveryOffers(folder.path(), 999, [](int) { return false; });
  }
  bool goneSlotIsOffered() const {
    const auto offers = offersAfterACrash();
    return std::any_of(offers.begin(), offers.end(),
                       [](const RecoveryOffer& o) { return o.slot == kGoneSlot; });
  }
};

// Work taken back is kept as this run's own until it is saved. Kept text
// that cannot be read is told of and kept; an offer another instance is
// asking about is not made again; No, then Yes keeps it.
TEST_F(Recovery, WorkIsOfferedUntilItIsTakenBackAndKeptUntilItIsSaved) {
  leaveWork(folder.file("page.htm"), "no rich text at all", "Rich");
  start({Answer::Yes});
  EXPECT_EQ(main->editor().text(), "");
  EXPECT_TRUE(dialogs.askedOf("error").value(0).contains("could not be read"));
  close();
  EXPECT_TRUE(goneSlotIsOffered());
  {
    const RecoveryClaim otherInstance(folder.path(), kGoneSlot);
    ASSERT_TRUE(otherInstance.held());
    start();
    EXPECT_EQ(dialogs.askedOf("question").size(), 1);
    close();
  }
  start({Answer::No, Answer::Yes});
  EXPECT_EQ(dialogs.askedOf("question").size(), 3);
  close();
  EXPECT_TRUE(goneSlotIsOffered());

  const QString oldSnapshot = leaveWork(folder.file("notes.txt"), "recovered words");
  start({Answer::Yes});
  EXPECT_EQ(main->editor().text(), "recovered words");
  EXPECT_FALSE(QFile::exists(oldSnapshot));
  // A second crash now still leaves the text to offer.
  const auto offers = offersAfterACrash();
  ASSERT_EQ(offers.size(), 1u);
  EXPECT_EQ(offers[0].slot, main->undo().snapshots().slot());
  EXPECT_EQ(test::TempFolder::read(offers[0].snapshot), "recovered words");
  ASSERT_TRUE(main->documents().mmSaveClick());
  EXPECT_TRUE(offersAfterACrash().empty());
}

TEST_F(Starts, FileOpenAndSaveKeepANameThatIsNotUtf8) {
  start();
  const QByteArray oddName = "a\xff.txt";
  ASSERT_TRUE(test::writeByName(folder.path(), oddName, "hello\r\n"));
  dialogs.filesToOpen.push_back({files::fileNameFromBytes(test::bytePath(folder.path(), oddName))});
  main->action("mmOpen")->trigger();
  EXPECT_EQ(main->editor().text(), "hello\r\n");
  main->editor().setSelStart(0);
  main->editor().replaceSelection("x");
  main->action("mmSave")->trigger();
  EXPECT_EQ(test::readByName(folder.path(), oddName), "xhello\r\n");
  EXPECT_FALSE(main->editor().isModified());
  // Saved over the file it came from: nothing asked, no file named with U+FFFD beside it.
  EXPECT_TRUE(dialogs.askedOf("question").isEmpty() && dialogs.askedOf("error").isEmpty());
  EXPECT_FALSE(test::folderHoldsReplacedName(folder.path()));
  test::removeByName(folder.path(), oddName);
}

// The kind of line ends in bytes: "LF", "CR LF", "CR", "mixed" or "none".
QString lineEndsOf(const QByteArray& bytes) {
  const qsizetype crs = bytes.count('\r');
  const qsizetype lfs = bytes.count('\n');
  if (crs == 0 && lfs == 0) return "none";
  if (crs == 0) return "LF";
  if (lfs == 0) return "CR";
  return crs == lfs && bytes.count("\r\n") == lfs ? "CR LF" : "mixed";
}

struct NewDocuments : test::WindowCase {
  void newDocument(int kind) {
    editor().setModified(false);
    dialogs.answerFormWith<DocumentTypeValues>([kind](DocumentTypeValues& v) { v.kind = kind; });
    if (kind == kNewPage)
      dialogs.answerFormWith<PageSettingValues>([](PageSettingValues& v) { v.title = "T"; });
    main->documents().mmNewClick();
  }
  QByteArray savedAs(const QString& name) {
    dialogs.filesToSave = {folder.file(name)};
    EXPECT_TRUE(main->documents().mmSaveAsClick());
    return test::TempFolder::read(folder.file(name));
  }
  QString copied() {
    trigger("mmSelectAll");
    main->view().copy();
    return QApplication::clipboard()->text();
  }
};

// New documents and copies take the chosen line end (LF out of the box), a
// Perl script LF always; read files, and new ones once written, keep theirs.
TEST_F(NewDocuments, EveryKindIsWrittenWithLfUnlessCrLfIsChosen) {
  for (const bool crLf : {false, true}) {
    SCOPED_TRACE(crLf ? "CR LF chosen" : "LF chosen");
    if (crLf) trigger("mmNewCRLF");
    EXPECT_NE(main->action("mmNewLF")->isChecked(), crLf);
    const QString own = crLf ? "CR LF" : "LF";
    const QString tag = crLf ? "crlf" : "lf";
    newDocument(0);
    append("one\r\ntwo");
    EXPECT_EQ(savedAs("text-" + tag + ".txt"), crLf ? "one\r\ntwo\r\n" : "one\ntwo\n");
    EXPECT_EQ(copied(), crLf ? "one\r\ntwo" : "one\ntwo");
    newDocument(kNewPage);
    EXPECT_EQ(lineEndsOf(savedAs("page-" + tag + ".htm")), own);
    main->settings().PL = std::int8_t(LanguageMode::Cpp);
    newDocument(kNewProgram);
    EXPECT_EQ(lineEndsOf(savedAs("program-" + tag + ".cpp")), own);
    main->settings().PL = std::int8_t(LanguageMode::Perl);
    newDocument(kNewProgram);
    EXPECT_EQ(lineEndsOf(savedAs("script-" + tag + ".cgi")), "LF");
    // A text read from a file and made a page is a new document.
    open("read-" + tag + ".txt", crLf ? "a\nb\n" : "a\r\nb\r\n");
    dialogs.answerFormWith<PageSettingValues>([](PageSettingValues&) {});
    trigger("mmModifyAsHTMLfile");
    EXPECT_EQ(lineEndsOf(savedAs("made-" + tag + ".htm")), own);
  }
  const QString lfFile = open("lf.txt", "a\nb\n");
  append("c");
  EXPECT_EQ(saved(lfFile), "a\nb\nc\n");
  EXPECT_EQ(copied(), "a\r\nb\r\nc");  // copies follow the choice, not the document
  newDocument(0);
  append("x");
  EXPECT_EQ(savedAs("first.txt"), "x\r\n");
  trigger("mmNewLF");
  append("\r\ny");
  EXPECT_EQ(saved(folder.file("first.txt")), "x\r\ny\r\n");
}

}  // namespace
