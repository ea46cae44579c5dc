// SPDX-License-Identifier: GPL-3.0-or-later
// Command tests: the main window driven headless, every question answered by
// scripted dialogs.
#include "documents/document_commands.h"
#include "documents/document_host.h"
#include "editing/enhanced_edit.h"
#include "platform/font_substitution.h"
#include "window/doc_type_dialog.h"
#include "support/document_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMap>
#include <QPrinter>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct MainWindow : test::DocumentWindow {
  void SetUp() override {}  // each case starts the window it needs
  void start(const QStringList& arguments = {}, const QByteArray& settings = test::kEnglishSettings) {
    main = test::startWindow(folder, dialogs, arguments, settings);
    main->document().CurrentFolder = folder.path();
  }
  EditorControl& editor() { return main->editor(); }
  DocumentCommands& documents() { return main->documents(); }
  void type(const QString& text) { editor().replaceSelection(text); }
  void paste(const QString& text) {
    QApplication::clipboard()->setText(text);
    documents().pmPasteClick();
  }
  QString title() const { return main->windowTitle().chopped(QStringLiteral(" - Wrenpad").size()); }
  QColor colourAt(int at) {
    editor().select(at, 1);
    return *editor().selAttributes().color;
  }
};

}  // namespace

// Keys typed and Ctrl+S pressed before the named file is in: the file comes in
// first, the keys join it, and nothing empty is saved over it.
TEST_F(MainWindow, TheCommandLineFileComesInBeforeAnyCommandAndEarlyKeysJoinIt) {
  const QString path = folder.write("my memo.txt", "\x93\xfa\x96\x7b\nkept");
  start({"my memo.txt"});
  EXPECT_EQ(title(), "my memo.txt");
  QTest::keyClicks(editor().widget(), "typed");
  EXPECT_EQ(editor().text(), "");
  main->action("mmSave")->trigger();
  EXPECT_FALSE(main->startupOpenPending());
  EXPECT_EQ(test::TempFolder::read(path), "typed\x93\xfa\x96\x7b\nkept");
  main->Timer1Timer();  // the tick finds nothing left to do
  EXPECT_EQ(editor().text(), QString::fromUtf8("typed日本\r\nkept\r\n"));
  EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(MainWindow, AMissingCommandLineFileIsMadeByTheFirstSave) {
  start({"new notes.txt"});
  main->Timer1Timer();
  EXPECT_EQ(title(), "new notes.txt");
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
  EXPECT_EQ(title(), "Untitled.txt");
}

// Any modified text is asked about, however young the edit; Yes opens Save As
// although the document has a name, and a cancelled dialog keeps the window.
TEST_F(MainWindow, ClosingAsksAboutTextTypedAMomentAgo) {
  start();
  const QString path = open("a.txt", "abc\r\n");
  type("x");  // no snapshot tick yet
  dialogs.answers = {Answer::Cancel, Answer::Yes};
  EXPECT_FALSE(main->close());
  EXPECT_FALSE(main->close());
  EXPECT_EQ(dialogs.askedOf("save"), QStringList({folder.path() + "|a.txt"}));
  EXPECT_EQ(dialogs.askedOf("question").value(1), "Save changes to " + path + "?");
  dialogs.answers = {Answer::No};  // No discards the changes
  EXPECT_TRUE(main->close());
  EXPECT_EQ(test::TempFolder::read(path), "abc\r\n");
}

// A pasted first line names a fresh document; Save writes it into the
// current folder without a dialog, and never over another file unasked.
TEST_F(MainWindow, PasteNamesAFreshDocumentAfterItsFirstLine) {
  start();
  paste("  Report 2003 \r\nbody");
  EXPECT_EQ(title(), "Report 2003.txt");
  EXPECT_TRUE(documents().mmSaveClick());
  EXPECT_EQ(test::TempFolder::read(folder.file("Report 2003.txt")), "  Report 2003 \nbody\n");  // a new text: LF
  type("more");
  EXPECT_TRUE(documents().mmSaveClick());  // its own file now: no question

  start();
  const QString other = folder.write("Plan.txt", "someone else's plan\r\n");
  paste("Plan\r\nmine");
  dialogs.answers = {Answer::Cancel, Answer::No};  // No: another name, chosen in the dialog
  dialogs.filesToSave = {folder.file("Plan 2.txt")};
  EXPECT_FALSE(documents().mmSaveClick());
  EXPECT_TRUE(documents().mmSaveClick());
  EXPECT_EQ(dialogs.askedOf("question").size(), 2);  // none about Report 2003.txt
  EXPECT_EQ(test::TempFolder::read(other), "someone else's plan\r\n");
  EXPECT_EQ(test::TempFolder::read(folder.file("Plan 2.txt")), "Plan\nmine\n");
  EXPECT_EQ(title(), "Plan 2.txt");

  // No name for a tab or a blank first line, nor with automatic naming off (the last row).
  for (const QString& pasted : {QString("a\tb\r\nc"), QString("   \r\nc"), QString("Title")}) {
    test::closeWithoutSaving(*main);
    start();
    if (pasted == "Title") main->action("mmAutoFileRenamer")->trigger();
    paste(pasted);
    EXPECT_EQ(title(), "Untitled.txt") << pasted.toStdString();
  }
}

// Save of an untitled document asks for a name; a chosen file is replaced
// only on Yes. A text saved as a page becomes one, and stays one under
// another extension.
TEST_F(MainWindow, SaveAsAsksBeforeOverwritingAndFollowsTheExtension) {
  start();
  const QString existing = folder.write("old.htm", "precious");
  type("<p>hi</p>");
  dialogs.filesToSave = {existing, existing};
  dialogs.answers = {Answer::No, Answer::Yes};
  EXPECT_FALSE(documents().mmSaveClick());
  EXPECT_EQ(dialogs.askedOf("save"), QStringList({folder.path() + "|Untitled.txt"}));
  EXPECT_EQ(dialogs.askedOf("question"), QStringList({"OK to overwrite " + existing}));
  EXPECT_EQ(test::TempFolder::read(existing), "precious");
  EXPECT_TRUE(documents().mmSaveAsClick());
  EXPECT_TRUE(test::TempFolder::read(existing).startsWith("<p>hi</p>"));
  EXPECT_EQ(main->document().DocumentMode, kHtmlMode);
  dialogs.filesToSave = {folder.file("page.txt")};
  ASSERT_TRUE(documents().mmSaveAsClick());
  EXPECT_EQ(main->document().DocumentMode, kHtmlMode);
  EXPECT_EQ(title(), "page.txt");
}

TEST_F(MainWindow, FailedReadOrWriteNamesTheFileAndKeepsTheDocument) {
  start();
  const QString path = open("keep.txt", "one\ntwo\rthree");
  type("edited ");
  // A folder cannot be opened as a document.
  EXPECT_FALSE(documents().OpenFile(folder.path()));
  EXPECT_EQ(main->document().CurrentFileName, path);
  // A save into a missing folder fails with a message and changes nothing.
  dialogs.filesToSave = {folder.file("no such folder/x.txt")};
  EXPECT_FALSE(documents().mmSaveAsClick());
  const QStringList errors = dialogs.askedOf("error");
  ASSERT_EQ(errors.size(), 2);
  EXPECT_TRUE(errors[0].contains(folder.path()) && errors[1].contains("x.txt"));
  EXPECT_EQ(title(), "keep.txt");
  // The edit saved: CR LF after every line but the last, which had none.
  ASSERT_TRUE(documents().mmSaveClick());
  EXPECT_EQ(test::TempFolder::read(path), "edited one\r\ntwo\r\nthree");
}

TEST_F(MainWindow, RenameAsTopLineAndDefaultFolder) {
  start();
  type("Plan A\r\nrest");
  documents().mmRenameAsTopLineClick();
  EXPECT_EQ(title(), "Plan A.txt");
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
  EXPECT_EQ(main->statusText(0), "Current Folder : " + folder.file("made/here"));
}

TEST_F(MainWindow, PopupEnablesCutCopyAndPasteByState) {
  start();
  type("abc");
  for (const bool filled : {false, true}) {
    QApplication::clipboard()->setText(filled ? "x" : "");
    editor().select(0, filled ? 1 : 0);
    main->PopupMenu1Popup();
    EXPECT_EQ(main->action("pmCut")->isEnabled(), filled);
    EXPECT_EQ(main->action("pmPaste")->isEnabled(), filled);
  }
}

TEST_F(MainWindow, PrintSendsTheDocumentUnderItsNameWithinThePageRectangle) {
  start();
  const QString path = open("print me.txt", "first page\r\n");
  dialogs.printAnswers = {true};
  dialogs.printToPdf = folder.file("out.pdf");
  documents().mmPrintClick();
  EXPECT_EQ(documents().printer().docName(), path);
  const QRect page = editor().pageRect();
  EXPECT_EQ(page.topLeft(), QPoint(254, 254));
  EXPECT_TRUE(test::TempFolder::read(folder.file("out.pdf")).startsWith("%PDF"));
}

TEST_F(MainWindow, FontCommandGivesTheWholeTextTheFontAndRemembersIt) {
  start();
  open("notes.txt", "some text\r\n");
  QFont chosen(QStringLiteral("DejaVu Serif"));
  chosen.setPointSize(14);
  dialogs.fonts = {chosen};
  documents().mmFontClick();
  editor().select(2, 1);
  EXPECT_EQ(*editor().selAttributes().sizePoints, 14);
  EXPECT_EQ(main->settings().DefFontName, "DejaVu Serif");
  EXPECT_FALSE(editor().isModified());
  // Opened again, the dialog shows the face the text is drawn with.
  documents().mmFontClick();
  ASSERT_EQ(dialogs.fontsShown.size(), 2u);
  EXPECT_EQ(dialogs.fontsShown[1], chosen);
}

TEST_F(MainWindow, PastedMarkUpIsColouredAndLargePagesSwitchAutomaticColouringOff) {
  start();
  open("page.htm", "<p>a</p>\r\n");
  editor().select(0, 0);
  paste("<b>");
  EXPECT_EQ(colourAt(1), QColor(0, 0, 255));
  QByteArray big = "<p>x</p>\r\n";
  while (big.size() < 50001) big += "<p>some text</p>\r\n";
  open("big.htm", big);
  EXPECT_FALSE(main->action("mmAutoRepaint")->isChecked());
  EXPECT_EQ(dialogs.askedOf("message").size(), 1);
  // The switch-off belongs to that page: the next one is coloured again, and
  // the settings file keeps the user's own choice.
  open("small.htm", "<p>x</p>\r\n");
  EXPECT_TRUE(main->action("mmAutoRepaint")->isChecked());
  EXPECT_EQ(colourAt(1), QColor(0, 0, 255));
  open("big2.htm", big);
  main->close();
  EXPECT_TRUE(test::TempFolder::read(folder.file("wrenpad.ini")).contains("AutoRepaint=1"));
}

TEST_F(MainWindow, EachDocumentStartsInItsOwnModeWithNothingOfTheLastOne) {
  start();
  open("page.htm", "<p>x</p>\r\n");
  open("plain.txt", "text\r\n");
  EXPECT_FALSE(main->action("mmBR")->isEnabled());
  editor().setSelStart(4);
  QTest::keyClick(editor().widget(), Qt::Key_Return);
  EXPECT_EQ(editor().text(), "text\r\n\r\n");  // no "<br>" in a text file
  EXPECT_TRUE(main->htmlToolBar()->isHidden());

  // New after a page: a text document, typed text without the tag colour;
  // read-only belongs to the file opened so.
  ASSERT_TRUE(documents().OpenFile(folder.write("locked.htm", "<p>x</p>\r\n"), true));
  EXPECT_TRUE(editor().isReadOnly());
  editor().setSelStart(1);  // in the tag's colour
  editor().setModified(false);
  dialogs.answerFormWith<DocumentTypeValues>([](DocumentTypeValues&) {});
  documents().mmNewClick();
  EXPECT_EQ(main->document().DocumentMode, kTextMode);
  EXPECT_FALSE(editor().isReadOnly());
  QTest::keyClicks(editor().widget(), "<b");
  EXPECT_NE(colourAt(0), QColor(0, 0, 255));
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

// Opened and saved files are listed in the File menu and open again after the
// save question.
TEST_F(MainWindow, RecentFilesAreListedAndOpenedAgain) {
  start();
  const QString first = open("first.txt", "one\r\n");
  const QString second = open("second; \"odd\".txt", "two\r\n");
  type("changed");
  dialogs.filesToSave.push_back(folder.file("third.txt"));
  documents().mmSaveAsClick();
  EXPECT_EQ(main->recentFiles().entries(), (QStringList{folder.file("third.txt"), second, first}));
  QAction* item = main->findChild<QAction*>("FileNameKeeper3");
  ASSERT_NE(item, nullptr);
  item->trigger();
  EXPECT_EQ(editor().text(), "one\r\n");
  EXPECT_EQ(main->recentFiles().entries().first(), first);
  EXPECT_EQ(main->findChild<QAction*>("FileNameKeeper2")->text(), "&2  " + folder.file("third.txt"));
}
