// SPDX-License-Identifier: GPL-3.0-or-later
// Command tests: the main window driven headless, every question answered by
// scripted dialogs.
#include "documents/document_commands.h"
#include "documents/document_host.h"
#include "editing/enhanced_edit.h"
#include "page/page_setting_dialog.h"
#include "platform/font_substitution.h"
#include "window/doc_type_dialog.h"
#include "support/window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMap>
#include <QMenu>
#include <QPrinter>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct MainWindow : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main;

  void start(const QStringList& arguments = {}, const QByteArray& settings = test::kEnglishSettings) {
    main = test::startWindow(folder, dialogs, arguments, settings);
  }
  void TearDown() override {
    if (main) test::closeWithoutSaving(*main);
  }
  EditorControl& editor() { return main->editor(); }
  DocumentCommands& documents() { return main->documents(); }
  void type(const QString& text) { editor().replaceSelection(text); }
  QString openSample(const QString& name, const QByteArray& bytes) {
    const QString path = folder.write(name, bytes);
    EXPECT_TRUE(documents().OpenFile(path));
    return path;
  }
};

}  // namespace

// Commands for pages wait for a page; the conversion into one waits for a text.
TEST_F(MainWindow, PageCommandsWaitForAPage) {
  start();
  EXPECT_TRUE(main->action("mmSaveAs")->isEnabled());
  EXPECT_TRUE(main->action("mmChangeDictionary")->isEnabled());
  EXPECT_FALSE(main->action("tbTable")->isEnabled());
  EXPECT_FALSE(main->action("mmNewForm")->isEnabled());
  EXPECT_FALSE(main->action("tbCreateBox")->isEnabled());
  EXPECT_TRUE(main->action("mmModifyAsHTMLfile")->isEnabled());
  EXPECT_FALSE(main->action("mmAlignLeft")->isVisible());
  EXPECT_TRUE(main->action("mmUTF8")->isChecked());
  EXPECT_FALSE(main->timer(1).isActive());
  EXPECT_EQ(main->windowTitle(), "Untitled.txt - Wrenpad");
}

TEST_F(MainWindow, CommandLineFileOpensOnTheFirstTimerTick) {
  folder.write("my memo.txt", "\x93\xfa\x96\x7b\nline two");
  start({"my memo.txt"});
  EXPECT_EQ(main->windowTitle(), "my memo.txt - Wrenpad");
  EXPECT_TRUE(main->timer(1).isActive());
  EXPECT_EQ(main->statusText(0), "Current Folder : " + folder.path());

  main->Timer1Timer();
  EXPECT_FALSE(main->startupOpenPending());
  EXPECT_FALSE(main->timer(1).isActive());
  EXPECT_EQ(editor().text(), QString::fromUtf8("日本\r\nline two\r\n"));
  EXPECT_EQ(main->document().CurrentFileName, folder.file("my memo.txt"));
  EXPECT_EQ(main->recentFiles().entries().value(0), folder.file("my memo.txt"));
  EXPECT_FALSE(editor().isModified());
  EXPECT_EQ(main->session().UndoCount, 0);
}

TEST_F(MainWindow, AMissingCommandLineFileIsMadeByTheFirstSave) {
  start({"new notes.txt"});
  EXPECT_EQ(main->windowTitle(), "new notes.txt - Wrenpad");
  main->Timer1Timer();
  EXPECT_TRUE(dialogs.asked.isEmpty());
  EXPECT_EQ(main->windowTitle(), "new notes.txt - Wrenpad");
  EXPECT_FALSE(editor().isModified());
  type(QString::fromUtf8("abc\r\n日本語テキスト"));
  main->action("mmSave")->trigger();
  EXPECT_TRUE(dialogs.asked.isEmpty());
  EXPECT_EQ(test::TempFolder::read(folder.file("new notes.txt")), QString::fromUtf8("abc\n日本語テキスト\n").toUtf8());
  // A folder that is missing cannot hold it: the user is told, and an
  // untitled document remains.
  start({"no folder/x.txt"});
  main->Timer1Timer();
  EXPECT_EQ(dialogs.askedOf("error"),
            QStringList({"The file \"" + folder.file("no folder/x.txt") + "\" does not exist."}));
  EXPECT_EQ(main->windowTitle(), "Untitled.txt - Wrenpad");
  EXPECT_EQ(editor().text(), "");
}

TEST_F(MainWindow, ClosingAsksAboutTextTypedAMomentAgo) {
  start();
  openSample("a.txt", "abc\r\n");
  EXPECT_TRUE(main->FormClose());  // nothing typed: no question
  EXPECT_TRUE(dialogs.askedOf("question").isEmpty());
  start();
  openSample("b.txt", "abc\r\n");
  type("x");  // no snapshot tick yet
  dialogs.answers = {Answer::Cancel};
  EXPECT_FALSE(main->FormClose());
  EXPECT_EQ(dialogs.askedOf("question").size(), 1);
  EXPECT_TRUE(QFile::exists(main->instanceMarkerFile()));
  dialogs.answers = {Answer::No};  // No discards the changes
  EXPECT_TRUE(main->close());
  EXPECT_EQ(test::TempFolder::read(folder.file("b.txt")), "abc\r\n");
}

TEST_F(MainWindow, ClosingQuestionCancelNoAndYes) {
  start();
  const QString path = openSample("a.txt", "abc\r\n");
  main->Timer2Timer();
  type("x");
  main->Timer2Timer();

  dialogs.answers = {Answer::Cancel};
  EXPECT_FALSE(main->close());
  EXPECT_TRUE(main->isVisible());
  EXPECT_EQ(editor().text(), "xabc\r\n");
  EXPECT_EQ(dialogs.askedOf("question"), QStringList({"Save changes to " + path + "?"}));

  // Yes opens Save As although the document has a name; a cancelled dialog
  // keeps the window and the text.
  dialogs.answers = {Answer::Yes};
  EXPECT_FALSE(main->close());
  EXPECT_EQ(dialogs.askedOf("save"), QStringList({folder.path() + "|a.txt"}));
  EXPECT_TRUE(main->isVisible());

  dialogs.answers = {Answer::Yes};
  dialogs.filesToSave = {folder.file("b.txt")};
  EXPECT_TRUE(main->close());
  EXPECT_EQ(test::TempFolder::read(folder.file("b.txt")), "xabc\r\n");
  EXPECT_EQ(test::TempFolder::read(path), "abc\r\n");
}

TEST_F(MainWindow, PasteNamesAFreshDocumentAfterItsFirstLine) {
  start();
  main->document().CurrentFolder = folder.path();
  QApplication::clipboard()->setText("  Report 2003 \r\nbody");
  documents().pmPasteClick();
  EXPECT_EQ(main->windowTitle(), "Report 2003.txt - Wrenpad");
  // Save of a named document writes into the current folder, no dialog.
  EXPECT_TRUE(documents().mmSaveClick());
  EXPECT_TRUE(dialogs.askedOf("save").isEmpty());
  EXPECT_EQ(test::TempFolder::read(folder.file("Report 2003.txt")), "  Report 2003 \nbody\n");  // a new text: LF
  EXPECT_EQ(main->windowTitle(), "Report 2003.txt - Wrenpad");
  editor().replaceSelection("more");
  EXPECT_TRUE(documents().mmSaveClick());  // its own file now: no question
  EXPECT_TRUE(dialogs.askedOf("question").isEmpty());
}

TEST_F(MainWindow, AGivenNameNeverReplacesAnotherFileUnasked) {
  start();
  main->document().CurrentFolder = folder.path();
  const QString other = folder.write("Plan.txt", "someone else's plan\r\n");
  QApplication::clipboard()->setText("Plan\r\nmine");
  documents().pmPasteClick();
  dialogs.answers = {Answer::Cancel};
  EXPECT_FALSE(documents().mmSaveClick());
  EXPECT_EQ(dialogs.askedOf("question").size(), 1);
  EXPECT_EQ(test::TempFolder::read(other), "someone else's plan\r\n");
  dialogs.answers = {Answer::No};  // another name, chosen in the dialog
  dialogs.filesToSave = {folder.file("Plan 2.txt")};
  EXPECT_TRUE(documents().mmSaveClick());
  EXPECT_EQ(test::TempFolder::read(other), "someone else's plan\r\n");
  EXPECT_EQ(test::TempFolder::read(folder.file("Plan 2.txt")), "Plan\nmine\n");
  EXPECT_EQ(main->windowTitle(), "Plan 2.txt - Wrenpad");
}

// No name for a tab or a blank first line, nor with automatic naming off (the last row).
TEST_F(MainWindow, PasteGivesNoNameForATabOrABlankFirstLine) {
  start();
  for (const QString& pasted : {QString("a\tb\r\nc"), QString("   \r\nc"), QString("Title")}) {
    editor().clear();
    editor().setModified(false);
    if (pasted == "Title") main->action("mmAutoFileRenamer")->trigger();
    QApplication::clipboard()->setText(pasted);
    documents().pmPasteClick();
    EXPECT_EQ(main->windowTitle(), "Untitled.txt - Wrenpad") << pasted.toStdString();
  }
  EXPECT_FALSE(main->action("mmAutoFileRenamer")->isChecked());
}

// Save of an untitled document asks for a name; a chosen file is replaced only on Yes.
TEST_F(MainWindow, SaveOfAnUntitledDocumentAsksForANameAndBeforeOverwriting) {
  start();
  main->document().CurrentFolder = folder.path();
  const QString existing = folder.write("old.txt", "precious");
  type("new");
  dialogs.filesToSave = {existing};
  dialogs.answers = {Answer::No};
  EXPECT_FALSE(documents().mmSaveClick());
  EXPECT_EQ(dialogs.askedOf("save"), QStringList({folder.path() + "|Untitled.txt"}));
  EXPECT_EQ(dialogs.askedOf("question"), QStringList({"OK to overwrite " + existing}));
  EXPECT_EQ(test::TempFolder::read(existing), "precious");
  EXPECT_TRUE(editor().isModified());
  dialogs.filesToSave = {existing};
  dialogs.answers = {Answer::Yes};
  EXPECT_TRUE(documents().mmSaveAsClick());
  EXPECT_EQ(test::TempFolder::read(existing), "new\n");
  EXPECT_EQ(main->windowTitle(), "old.txt - Wrenpad");
  EXPECT_FALSE(editor().isModified());
}

TEST_F(MainWindow, SaveAsSwitchesToHtmlModeByExtensionAndNotBack) {
  start();
  type("<p>hi</p>");
  EXPECT_EQ(main->document().DocumentMode, 0);
  dialogs.filesToSave = {folder.file("page.htm")};
  ASSERT_TRUE(documents().mmSaveAsClick());
  EXPECT_EQ(main->document().DocumentMode, 2);
  EXPECT_FALSE(editor().plainTextMode());
  EXPECT_FALSE(main->htmlToolBar()->isHidden());
  dialogs.filesToSave = {folder.file("page.txt")};
  ASSERT_TRUE(documents().mmSaveAsClick());
  EXPECT_EQ(main->document().DocumentMode, 2);
  EXPECT_EQ(main->windowTitle(), "page.txt - Wrenpad");
}

TEST_F(MainWindow, AnEditAndSaveWriteCrLfTextByteForByte) {
  start();
  const QString path = openSample("unix.txt", "one\ntwo\rthree");
  editor().select(editor().textLength(), 0);
  type("four");
  ASSERT_TRUE(documents().mmSaveClick());
  // CR LF after every line but the last, which had no line end in the file.
  EXPECT_EQ(test::TempFolder::read(path), "one\r\ntwo\r\nthree\r\nfour");
  EXPECT_FALSE(editor().isModified());
  EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(MainWindow, FailedReadOrWriteNamesTheFileAndKeepsTheDocument) {
  start();
  const QString path = openSample("keep.txt", "kept\r\n");
  type("edited ");
  // A folder cannot be opened as a document.
  EXPECT_FALSE(documents().OpenFile(folder.path()));
  EXPECT_EQ(editor().text(), "edited kept\r\n");
  EXPECT_EQ(main->document().CurrentFileName, path);
  // A save into a missing folder fails with a message and changes nothing.
  dialogs.filesToSave = {folder.file("no such folder/x.txt")};
  EXPECT_FALSE(documents().mmSaveAsClick());
  const QStringList errors = dialogs.askedOf("error");
  ASSERT_EQ(errors.size(), 2);
  EXPECT_TRUE(errors[0].contains(folder.path()));
  EXPECT_TRUE(errors[1].contains("x.txt"));
  EXPECT_EQ(main->windowTitle(), "keep.txt - Wrenpad");
  EXPECT_TRUE(editor().isModified());
  EXPECT_EQ(test::TempFolder::read(path), "kept\r\n");
}

TEST_F(MainWindow, NewAsksAboutChangesThenForTheKindAndClearsOnlyOnOk) {
  start();
  type("draft");  // typed a moment ago: still asked about
  documents().mmNewClick();  // the question is cancelled: nothing happens
  EXPECT_EQ(dialogs.askedOf("question").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("form").isEmpty());
  dialogs.answers = {Answer::Yes};  // save, then cancel the Save As dialog
  documents().mmNewClick();
  EXPECT_EQ(dialogs.askedOf("save").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("form").isEmpty());
  EXPECT_EQ(editor().text(), "draft");
  EXPECT_TRUE(editor().isModified());

  dialogs.answers = {Answer::No};
  dialogs.answerForm<DocumentTypeValues>(std::nullopt);
  documents().mmNewClick();
  EXPECT_EQ(dialogs.askedOf("form"), QStringList({"DocType"}));
  // Every kind can be chosen.
  const auto shown = dialogs.shownValues<DocumentTypeValues>();
  EXPECT_EQ(shown.choosable, (std::array<bool, 3>{true, true, true}));
  EXPECT_EQ(shown.kind, 0);
  EXPECT_EQ(editor().text(), "draft");  // Cancel of the kind cancels New
  EXPECT_TRUE(editor().isModified());
  dialogs.answers = {Answer::No};
  dialogs.answerFormWith<DocumentTypeValues>([](DocumentTypeValues&) {});
  documents().mmNewClick();
  EXPECT_EQ(editor().text(), "");
  EXPECT_EQ(main->windowTitle(), "Untitled.txt - Wrenpad");
  EXPECT_TRUE(main->htmlToolBar()->isHidden());

  // A new page: the page settings give its title, and it is a page at once.
  dialogs.answerFormWith<DocumentTypeValues>([](DocumentTypeValues& v) { v.kind = kNewPage; });
  dialogs.answerFormWith<PageSettingValues>([](PageSettingValues& v) { v.title = "Notes"; });
  documents().mmNewClick();
  EXPECT_TRUE(editor().text().contains("<title>Notes</title>"));
  EXPECT_TRUE(editor().text().contains("<body>\r\n"));
  EXPECT_EQ(main->windowTitle(), "Untitled.htm - Wrenpad");
  EXPECT_EQ(main->document().DocumentMode, kHtmlMode);
  EXPECT_FALSE(main->htmlToolBar()->isHidden());
}

TEST_F(MainWindow, RenameAsTopLineAndDefaultFolder) {
  start();
  type("Plan A\r\nrest");
  documents().mmRenameAsTopLineClick();
  EXPECT_EQ(main->document().CurrentFileName, "Plan A.txt");
  EXPECT_EQ(main->windowTitle(), "Plan A.txt - Wrenpad");
  // A line that names another folder still names a file in this one.
  editor().setText("../escaped\r\n");
  documents().mmRenameAsTopLineClick();
  EXPECT_EQ(main->document().CurrentFileName, "escaped.txt");
  ASSERT_TRUE(documents().mmSaveClick());
  EXPECT_TRUE(QFileInfo::exists(folder.file("escaped.txt")));
  EXPECT_FALSE(QFileInfo::exists(folder.file("../escaped.txt")));

  dialogs.folders = {folder.file("made/here")};
  documents().mmSelectDefaultFolderClick();
  EXPECT_TRUE(QFileInfo(folder.file("made/here")).isDir());
  EXPECT_EQ(main->document().CurrentFolder, folder.file("made/here"));
  EXPECT_EQ(main->statusText(0), "Current Folder : " + folder.file("made/here"));
}

TEST_F(MainWindow, EditorFontFollowsTheKindAndLanguageOfTheDocument) {
  start({}, QByteArray());
  openSample("prog.c", "int main() {}\n");
  // Programs show in the code face that stands for the Japanese fixed face.
  EXPECT_EQ(editor().defaultFont().name, programFace(QString::fromUtf8("ＭＳ ゴシック")));
  EXPECT_EQ(editor().defaultFont().sizePoints, 9);
  EXPECT_EQ(main->document().DocumentMode, 1);
  openSample("english.txt", "Plain English text\n");
  EXPECT_EQ(editor().defaultFont().name, "Times New Roman");
  EXPECT_EQ(editor().defaultFont().sizePoints, 11);
  openSample("japanese.htm", "<html><body>\x93\xfa\x96\x7b\x8c\xea<br></body></html>\n");
  EXPECT_EQ(editor().defaultFont().name, QString::fromUtf8("ＭＳ Ｐゴシック"));
  EXPECT_EQ(main->document().DocumentFontName, QString::fromUtf8("ＭＳ Ｐゴシック"));
  EXPECT_EQ(main->document().DocumentMode, 2);
}

TEST_F(MainWindow, PopupEnablesCutCopyAndPasteByState) {
  start();
  type("abc");
  QApplication::clipboard()->clear();
  editor().select(0, 0);
  main->PopupMenu1Popup();
  EXPECT_FALSE(main->action("pmCut")->isEnabled());
  EXPECT_FALSE(main->action("pmPaste")->isEnabled());
  QApplication::clipboard()->setText("x");
  editor().select(0, 1);
  main->PopupMenu1Popup();
  EXPECT_TRUE(main->action("pmCopy")->isEnabled());
  EXPECT_TRUE(main->action("pmPaste")->isEnabled());
}

TEST_F(MainWindow, EachInstanceClaimsItsOwnMarker) {
  start();
  EXPECT_EQ(main->instanceSlot(), 1);
  StartupOptions options;
  options.paths = AppPaths::inFolder(folder.path());
  TMain second(options, &dialogs);
  EXPECT_EQ(second.instanceSlot(), 2);
  EXPECT_TRUE(QFile::exists(second.instanceMarkerFile()));
  EXPECT_TRUE(second.FormClose());
  EXPECT_FALSE(QFile::exists(second.instanceMarkerFile()));
  EXPECT_TRUE(QFile::exists(main->instanceMarkerFile()));
}

TEST_F(MainWindow, PrintSendsTheDocumentUnderItsNameWithinThePageRectangle) {
  start();
  const QString path = openSample("print me.txt", "first page\r\n");
  dialogs.printAnswers = {false};
  documents().mmPrintClick();
  EXPECT_EQ(dialogs.askedOf("print").size(), 1);
  EXPECT_FALSE(QFile::exists(folder.file("out.pdf")));

  dialogs.printAnswers = {true};
  dialogs.printToPdf = folder.file("out.pdf");
  documents().mmPrintClick();
  EXPECT_EQ(documents().printer().docName(), path);
  const QRect page = editor().pageRect();
  EXPECT_EQ(page.topLeft(), QPoint(254, 254));
  const QRect full = documents().printer().pageLayout().fullRectPixels(
      documents().printer().resolution());
  EXPECT_EQ(page.right(), full.width() - 254);
  EXPECT_TRUE(test::TempFolder::read(folder.file("out.pdf")).startsWith("%PDF"));
}

TEST_F(MainWindow, FontCommandGivesTheWholeTextTheFontAndRemembersIt) {
  start();
  openSample("notes.txt", "some text\r\n");
  QFont chosen(QStringLiteral("DejaVu Serif"));
  chosen.setPointSize(14);
  dialogs.fonts = {chosen};
  documents().mmFontClick();
  editor().select(2, 1);
  EXPECT_EQ(*editor().selAttributes().fontName, "DejaVu Serif");
  EXPECT_EQ(*editor().selAttributes().sizePoints, 14);
  EXPECT_EQ(main->settings().DefFontName, "DejaVu Serif");
  EXPECT_EQ(main->settings().DefFontSize, 14);
  EXPECT_EQ(main->settings().DefFontCharset, 1);
  EXPECT_FALSE(editor().isModified());
  // Opened again, the dialog shows the face the text is drawn with.
  documents().mmFontClick();
  ASSERT_EQ(dialogs.fontsShown.size(), 2u);
  EXPECT_EQ(dialogs.fontsShown[1].family(), "DejaVu Serif");
  EXPECT_EQ(dialogs.fontsShown[1].pointSize(), 14);
}

TEST_F(MainWindow, PagesOpenColouredAndLargePagesSwitchAutomaticColouringOff) {
  start();
  openSample("page.htm", "<p class=\"x\">a</p><!-- c -->\r\n");
  editor().select(1, 1);
  EXPECT_EQ(*editor().selAttributes().color, QColor(0, 0, 255));
  editor().select(11, 1);
  EXPECT_EQ(*editor().selAttributes().color, QColor(0, 128, 128));
  editor().select(19, 1);
  EXPECT_EQ(*editor().selAttributes().color, QColor(128, 128, 128));
  EXPECT_FALSE(editor().isModified());

  // Pasted mark-up is coloured too.
  editor().select(0, 0);
  QApplication::clipboard()->setText("<b>");
  documents().pmPasteClick();
  editor().select(1, 1);
  EXPECT_EQ(*editor().selAttributes().color, QColor(0, 0, 255));

  QByteArray big = "<p>x</p>\r\n";
  while (big.size() < 50001) big += "<p>some text</p>\r\n";
  openSample("big.htm", big);
  EXPECT_FALSE(main->action("mmAutoRepaint")->isChecked());
  EXPECT_EQ(dialogs.askedOf("message").size(), 1);

  // The switch-off belongs to that page: the next one is coloured again, and
  // the settings file keeps the user's own choice.
  openSample("small.htm", "<p>x</p>\r\n");
  EXPECT_TRUE(main->action("mmAutoRepaint")->isChecked());
  editor().select(1, 1);
  EXPECT_EQ(*editor().selAttributes().color, QColor(0, 0, 255));
  openSample("big2.htm", big);
  main->close();
  EXPECT_TRUE(test::TempFolder::read(folder.file("wrenpad.ini")).contains("AutoRepaint=1"));
}

TEST_F(MainWindow, NothingIsSavedOverTheNamedFileBeforeItIsInAndEarlyKeysJoinIt) {
  const QString path = folder.write("memo.txt", "kept\r\n");
  start({"memo.txt"});
  ASSERT_TRUE(main->startupOpenPending());
  QTest::keyClicks(editor().widget(), "typed");
  EXPECT_EQ(editor().text(), "");
  main->action("mmSave")->trigger();  // Ctrl+S at once: the file comes in first
  EXPECT_FALSE(main->startupOpenPending());
  // The keys typed meanwhile went into the loaded text, which was saved.
  EXPECT_EQ(editor().text(), "typedkept\r\n");
  EXPECT_EQ(test::TempFolder::read(path), "typedkept\r\n");
  EXPECT_FALSE(editor().isReadOnly());
  main->Timer1Timer();  // the tick finds nothing left to do
  EXPECT_EQ(editor().text(), "typedkept\r\n");
  EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(MainWindow, EachDocumentStartsInItsOwnModeWithNothingOfTheLastOne) {
  start();
  openSample("page.htm", "<p>x</p>\r\n");
  ASSERT_EQ(main->document().DocumentMode, kHtmlMode);
  EXPECT_TRUE(main->action("mmBold")->isEnabled());
  EXPECT_FALSE(main->htmlToolBar()->isHidden());
  openSample("plain.txt", "text\r\n");
  EXPECT_EQ(main->document().DocumentMode, kTextMode);
  EXPECT_FALSE(main->action("mmBold")->isEnabled());
  EXPECT_FALSE(main->action("mmBR")->isEnabled());
  editor().setSelStart(4);
  QTest::keyClick(editor().widget(), Qt::Key_Return);
  EXPECT_EQ(editor().text(), "text\r\n\r\n");  // no "<br>" in a text file
  EXPECT_TRUE(main->htmlToolBar()->isHidden());

  // New after a page: a text document, typed text without the tag colour.
  openSample("page2.htm", "<p>x</p>\r\n");
  editor().setSelStart(1);
  dialogs.answerFormWith<DocumentTypeValues>([](DocumentTypeValues&) {});
  documents().mmNewClick();
  EXPECT_EQ(main->document().DocumentMode, kTextMode);
  QTest::keyClicks(editor().widget(), "new");
  editor().select(0, 1);
  EXPECT_NE(*editor().selAttributes().color, QColor(0, 0, 255));

  // Read-only belongs to the file opened so.
  const QString locked = folder.write("locked.txt", "ro\r\n");
  ASSERT_TRUE(documents().OpenFile(locked, true));
  EXPECT_TRUE(editor().isReadOnly());
  dialogs.answerFormWith<DocumentTypeValues>([](DocumentTypeValues&) {});
  documents().mmNewClick();
  EXPECT_FALSE(editor().isReadOnly());
}

TEST_F(MainWindow, NoKeyServesTwoCommandsAndGoToLineFocusesTheBox) {
  start();
  QMap<QString, QString> owners;
  for (QAction* action : main->findChildren<QAction*>()) {
    for (const QKeySequence& key : action->shortcuts()) {
      const QString name = key.toString();
      EXPECT_FALSE(owners.contains(name) && owners[name] != action->objectName())
          << name.toStdString() << ": " << owners[name].toStdString() << " and " << action->objectName().toStdString();
      owners[name] = action->objectName();
    }
  }
  // Ctrl+G hands the keys to the line-number box with its number selected.
  QApplication::setActiveWindow(main.get());
  main->action("mmGoToLine")->trigger();
  EXPECT_EQ(QApplication::focusWidget(), main->lineNumberBox());
  EXPECT_EQ(main->lineNumberBox()->selectedText(), main->lineNumberBox()->text());
}

// Opened and saved files are listed in the File menu, open again after the
// save question, and are kept across runs without files that have gone.
TEST_F(MainWindow, RecentFilesAreListedOpenedAgainAndKept) {
  start();
  const QString first = openSample("first.txt", "one\r\n");
  const QString second = openSample("second; \"odd\".txt", "two\r\n");
  editor().setText("changed");
  editor().setModified(true);
  dialogs.filesToSave.push_back(folder.file("third.txt"));
  documents().mmSaveAsClick();
  EXPECT_EQ(main->recentFiles().entries(), (QStringList{folder.file("third.txt"), second, first}));
  QAction* item = main->findChild<QAction*>("FileNameKeeper3");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), "&3  " + first);
  EXPECT_TRUE(main->action("mmFile")->menu()->actions().contains(item));
  editor().setText("edited again");
  editor().setModified(true);
  dialogs.answers = {Answer::Cancel, Answer::No};
  item->trigger();  // Cancel keeps the edited document
  EXPECT_EQ(editor().text(), "edited again");
  item->trigger();
  EXPECT_EQ(editor().text(), "one\r\n");
  EXPECT_EQ(main->recentFiles().entries().first(), first);
  test::closeWithoutSaving(*main);
  main.reset();
  QFile::remove(second);
  start({}, QByteArray());
  EXPECT_EQ(main->recentFiles().entries(), (QStringList{first, folder.file("third.txt")}));
  EXPECT_EQ(main->findChild<QAction*>("FileNameKeeper2")->text(), "&2  " + folder.file("third.txt"));
}
