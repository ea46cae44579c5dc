// SPDX-License-Identifier: GPL-3.0-or-later
// A file too large for the editor in the real window, headless: it opens in
// its own view with only the commands that work there, and Save, Find and
// Replace, Go to Line, Undo and the questions about unsaved changes work on
// it as on any document.
#include "documents/large_files.h"
#include "editing/enhanced_edit.h"
#include "editing/find_replace.h"
#include "large_view/large_text_view.h"
#include "support/document_window.h"
#include "window/doc_type_dialog.h"

#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace wrenpad;

namespace {

struct LargeFileWindow : test::DocumentWindow {
  void TearDown() override {
    dialogs.answers.push_back(Answer::No);  // a modified large file is not saved
    DocumentWindow::TearDown();
  }
  large::LargeTextView& view() { return main->largeFiles().view(); }
  // A line longer than the editor takes (a MiB and more), then two short ones.
  QString writeLongLineFile(const QString& name) {
    return folder.write(name, QByteArray(1200000, 'x') + "\nsecond line\nthird line\n");
  }
  bool enabled(const char* name) { return main->action(QString::fromLatin1(name))->isEnabled(); }
  QByteArray onDisk(const QString& path) { return test::TempFolder::read(path); }
};

}  // namespace

TEST_F(LargeFileWindow, FontAndTabWidthWorkOnIt) {
  ASSERT_TRUE(main->documents().OpenFile(folder.write("tabs.txt", QByteArray(1200000, 'x') + "\ta\tb\r\nline 2\r\n")));
  // The font chosen is the view's, kept as the program face it is shown in.
  QFont larger = view().font();
  larger.setPointSize(20);
  dialogs.fonts.push_back(larger);
  main->action("mmFont")->trigger();
  EXPECT_EQ(view().font().pointSize(), 20);
  EXPECT_EQ(main->settings().CodingFontSize, 20);
  dialogs.inputs.push_back("4");
  main->action("mmTabWidth")->trigger();
  EXPECT_EQ(view().tabColumns(), 4);
}

TEST_F(LargeFileWindow, SaveFindReplaceGoToLineAndUndoWorkOnIt) {
  const QString path = writeLongLineFile("long.txt");
  ASSERT_TRUE(main->documents().OpenFile(path));
  EXPECT_FALSE(main->editor().widget()->isVisible());
  // A head of plain ASCII takes the output code (UTF-8 unless chosen
  // otherwise); the line end is the first line's, however far that is.
  const QLabel* note = main->findChild<QLabel*>(QStringLiteral("LargeFileNote"));
  ASSERT_TRUE(note);
  EXPECT_EQ(note->text().toStdString(), "Large file (UTF-8, LF): no colouring, no page view");
  // What is off says why, in the status bar and beside the menu item.
  const QString why = QStringLiteral("Not available for large files: ");
  for (const char* off : {"mmPrint", "mmAutoRepaint", "mmModifyAsHTMLfile", "mmCompile", "tbPrint"}) {
    EXPECT_FALSE(enabled(off)) << off;
    EXPECT_TRUE(main->action(off)->statusTip().startsWith(why)) << off;
  }
  EXPECT_FALSE(enabled("mmCopy"));
  QTest::keyClicks(&view(), "ab");
  main->action("mmSave")->trigger();
  EXPECT_EQ(onDisk(path), "ab" + QByteArray(1200000, 'x') + "\nsecond line\nthird line\n");
  // Find selects a hit, then Replace All from the start (nothing asked).
  main->findReplace().serveFindDialog({FindRequest::Kind::FindNext, {"LINE", "", false}});
  EXPECT_TRUE(enabled("mmCopy"));
  // Closing the dialog gives the keys back to the view in the editor's place.
  QApplication::setActiveWindow(main.get());
  main->findReplace().serveFindDialog({FindRequest::Kind::Closed, {"LINE", "", false}});
  EXPECT_EQ(QApplication::focusWidget(), &view());
  view().setCaret(0);
  main->findReplace().serveReplaceDialog({FindRequest::Kind::ReplaceAll, {"line", "row", true}});
  dialogs.filesToSave.push_back(folder.file("copy.txt"));
  main->action("mmSaveAs")->trigger();
  EXPECT_EQ(onDisk(folder.file("copy.txt")).right(22), "\nsecond row\nthird row\n");
  EXPECT_EQ(main->windowTitle(), "copy.txt - Wrenpad");
  // Enter in the line-number box goes to the line typed there.
  main->lineNumberBox()->setText("3");
  QTest::keyClick(main->lineNumberBox(), Qt::Key_Return);
  EXPECT_EQ(view().caretLine(), 2);
  main->action("mmUndo")->trigger();
  EXPECT_EQ(view().document()->bytes(1200002, view().document()->size()), "\nsecond line\nthird line\n");
  EXPECT_TRUE(main->documentModified());
}

TEST_F(LargeFileWindow, UnsavedChangesAreAskedAboutAsInAnyDocument) {
  ASSERT_TRUE(main->documents().OpenFile(writeLongLineFile("long.txt")));
  QTest::keyClicks(&view(), "z");
  // New: Cancel keeps the large file, and so does No followed by Cancel of the
  // kind; No and a kind drop it for a new document.
  dialogs.answers = {Answer::Cancel, Answer::No, Answer::No};
  dialogs.answerForm<DocumentTypeValues>(std::nullopt);
  dialogs.answerForm<DocumentTypeValues>(DocumentTypeValues{});
  for (int i = 0; i < 2; ++i) {
    main->documents().mmNewClick();
    EXPECT_TRUE(main->largeFiles().shown());
  }
  EXPECT_EQ(dialogs.askedOf("question").size(), 2);
  main->documents().mmNewClick();
  EXPECT_EQ(main->windowTitle(), "Untitled.txt - Wrenpad");
  // A small document: the editor and every command are back.
  EXPECT_TRUE(main->editor().widget()->isVisible());
  EXPECT_TRUE(enabled("mmPrint"));
  EXPECT_TRUE(main->action("mmPrint")->statusTip().isEmpty());
  // A character the file's code cannot hold is refused, never written.
  main->action("mmSJIS")->trigger();
  ASSERT_TRUE(main->documents().OpenFile(folder.write("sjis.txt", QByteArray(1100000, 'a') + "\x82\xa0\n")));
  view().insertText(QStringLiteral("€"));
  EXPECT_TRUE(dialogs.asked.last().contains("cannot hold \"€\"")) << dialogs.asked.last().toStdString();
  EXPECT_FALSE(main->documentModified());
}

// Another program changes the open file: the user is told at once; what was
// typed comes back in a new document, and an unedited file is read again.
TEST_F(LargeFileWindow, AFileChangedOnDiskIsToldAndTheTypedTextKept) {
  const QString path = writeLongLineFile("long.txt");
  // An hour old, so the change moves its time whatever the clock's grain.
  const auto age = [&path] {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
  };
  const auto rewrite = [&path](const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));  // in place, as "> file" does
    file.resize(0);
    file.write(bytes);
  };
  age();
  ASSERT_TRUE(main->documents().OpenFile(path));
  QTest::keyClicks(&view(), "my words");
  rewrite("short\n");
  QTRY_VERIFY(!main->largeFiles().shown());
  EXPECT_TRUE(dialogs.asked.last().contains("The text you typed is now in a new document"));
  EXPECT_EQ(main->editor().text(), "my words");
  EXPECT_TRUE(main->documentModified());
  EXPECT_EQ(onDisk(path), "short\n");

  // Unedited: read again as it is now.
  dialogs.answers.push_back(Answer::No);
  rewrite(QByteArray(1200000, 'y') + "\nend\n");
  age();
  ASSERT_TRUE(main->documents().OpenFile(path));
  rewrite(QByteArray(1300000, 'z') + "\nnew end\n");
  QTRY_COMPARE(view().document()->size(), 1300009);
  EXPECT_TRUE(dialogs.asked.last().contains("It is read again as it is now"));
  EXPECT_FALSE(main->documentModified());
}

// A file with a second hard link is written over in place: Undo still
// reaches back past the saves, and every save writes what the view shows.
TEST_F(LargeFileWindow, UndoSurvivesSavingAFileWrittenInPlace) {
  const QByteArray original = QByteArray(1200000, 'x') + "\nsecond line\nthird line\n";
  const QString path = writeLongLineFile("u8.txt");
  ASSERT_EQ(::link(path.toLocal8Bit().constData(), folder.file("link.txt").toLocal8Bit().constData()), 0);
  ASSERT_TRUE(main->documents().OpenFile(path));
  view().select(1200001, 1200013);
  view().insertText(QString());
  main->action("mmSave")->trigger();
  view().setCaret(view().document()->size());
  view().insertText("Q");
  main->action("mmSave")->trigger();
  EXPECT_EQ(onDisk(folder.file("link.txt")), QByteArray(1200000, 'x') + "\nthird line\nQ");
  main->action("mmUndo")->trigger();
  main->action("mmUndo")->trigger();
  main->action("mmSave")->trigger();
  EXPECT_EQ(onDisk(path), original);
  EXPECT_EQ(onDisk(folder.file("link.txt")), original);
  main->action("mmRedo")->trigger();
  EXPECT_EQ(view().document()->bytes(1200000, 1200012), "\nthird line\n");
}
