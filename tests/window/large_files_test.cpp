// A file too large for the editor in the real window, headless: it opens in
// its own view with only the commands that work there, and Save, Find and
// Replace, Go to Line, Undo and the questions about unsaved changes work on
// it as on any document.
#include "documents/document_commands.h"
#include "documents/large_files.h"
#include "editing/enhanced_edit.h"
#include "editing/find_replace.h"
#include "large_view/large_text_view.h"
#include "support/window_fixture.h"
#include "window/doc_type_dialog.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct LargeFileWindow : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main;

  void SetUp() override { main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings); }
  void TearDown() override {
    dialogs.answers.push_back(Answer::No);  // a modified large file is not saved
    test::closeWithoutSaving(*main);
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

TEST_F(LargeFileWindow, OpensInItsOwnViewWithOnlyTheCommandsThatWorkThere) {
  const QString path = writeLongLineFile("long.txt");
  ASSERT_TRUE(main->documents().OpenFile(path));
  EXPECT_TRUE(main->showsLargeFile());
  EXPECT_TRUE(view().isVisible());
  EXPECT_FALSE(main->editor().widget()->isVisible());
  EXPECT_EQ(main->windowTitle(), "long.txt - Wrenpad");
  const QLabel* note = main->findChild<QLabel*>(QStringLiteral("LargeFileNote"));
  ASSERT_TRUE(note);
  // A head of plain ASCII takes the output code (Shift-JIS unless chosen
  // otherwise); the line end is the first line's, however far that is.
  EXPECT_EQ(note->text().toStdString(), "Large file: colouring and in-page rendering are off (Shift-JIS, LF)");
  for (const char* off : {"mmPrint", "mmFont", "mmRenameAsTopLine", "mmCount", "mmMacroReplace", "mmRefer",
                          "mmTabWidth", "mmBackGroundColor", "mmAutoRepaint", "mmModifyAsHTMLfile", "tbPrint"})
    EXPECT_FALSE(enabled(off)) << off;
  for (const char* on : {"mmNew", "mmOpen", "mmSave", "mmSaveAs", "mmUndo", "mmRedo", "mmPaste", "mmSelectAll",
                         "mmFind", "mmReplace", "mmGoToLine", "mmShowLineNumbers", "mmExit", "tbUndo"})
    EXPECT_TRUE(enabled(on)) << on;
  EXPECT_FALSE(enabled("mmCopy"));
  view().select(0, 5);
  EXPECT_TRUE(enabled("mmCopy"));
  EXPECT_TRUE(enabled("tbCut"));
  // A small file: the editor and every command are back.
  ASSERT_TRUE(main->documents().OpenFile(folder.write("small.txt", "small\n")));
  EXPECT_FALSE(main->showsLargeFile());
  EXPECT_TRUE(main->editor().widget()->isVisible());
  EXPECT_FALSE(note->isVisible());
  EXPECT_TRUE(enabled("mmPrint"));
  EXPECT_EQ(main->editor().text(), "small\r\n");
}

TEST_F(LargeFileWindow, SaveFindReplaceGoToLineAndUndoWorkOnIt) {
  const QString path = writeLongLineFile("long.txt");
  ASSERT_TRUE(main->documents().OpenFile(path));
  QTest::keyClicks(&view(), "ab");
  main->action("mmSave")->trigger();
  EXPECT_EQ(onDisk(path), "ab" + QByteArray(1200000, 'x') + "\nsecond line\nthird line\n");
  EXPECT_FALSE(main->documentModified());
  // Find from the caret, then Replace All from the start (nothing asked).
  main->findReplace().serveFindDialog({FindRequest::Kind::FindNext, {"LINE", "", false}});
  EXPECT_EQ(view().selectionStart(), 1200002 + 8);
  EXPECT_EQ(view().selectionEnd(), 1200002 + 12);
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
  EXPECT_EQ(main->lineNumberBox()->text(), "3");
  main->action("mmUndo")->trigger();
  EXPECT_EQ(view().document()->bytes(1200002, view().document()->size()), "\nsecond line\nthird line\n");
  EXPECT_TRUE(main->documentModified());
}

TEST_F(LargeFileWindow, UnsavedChangesAreAskedAboutAsInAnyDocument) {
  ASSERT_TRUE(main->documents().OpenFile(writeLongLineFile("long.txt")));
  QTest::keyClicks(&view(), "z");
  // New: Cancel keeps the large file; No drops it for a new document.
  main->documents().mmNewClick();
  EXPECT_TRUE(main->showsLargeFile());
  EXPECT_TRUE(dialogs.asked.last().startsWith("question: "));
  dialogs.answers.push_back(Answer::No);
  dialogs.answerForm<DocumentTypeValues>(DocumentTypeValues{});
  main->documents().mmNewClick();
  EXPECT_FALSE(main->showsLargeFile());
  EXPECT_EQ(main->windowTitle(), "Untitled.txt - Wrenpad");
  // A character the file's code cannot hold is refused, never written.
  ASSERT_TRUE(main->documents().OpenFile(folder.write("sjis.txt", QByteArray(1100000, 'a') + "\x82\xa0\n")));
  EXPECT_EQ(view().document()->encoding(), TextEncoding::ShiftJis);
  view().insertText(QStringLiteral("€"));
  EXPECT_TRUE(dialogs.asked.last().contains("cannot hold \"€\"")) << dialogs.asked.last().toStdString();
  EXPECT_FALSE(main->documentModified());
}
