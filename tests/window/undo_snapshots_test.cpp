// Multi-level undo in the window: snapshots after pauses, Undo and Redo
// through them, ten kept, pages restored with their colours from rich text,
// a page that is text again after Undo, and the clean-up at the end.
#include "documents/document_commands.h"
#include "documents/undo_commands.h"
#include "editor/editor_control.h"
#include "window/main_window.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct Undo : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main;
  void SetUp() override { main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings); }
  void TearDown() override {
    if (main) test::closeWithoutSaving(*main);
  }
  // Types at the end and lets the quiet tick take its snapshot.
  void typeAndPause(const QString& text) {
    main->editor().select(main->editor().textLength(), 0);
    main->editor().replaceSelection(text);
    main->Timer2Timer();
    main->undo().finishPendingWrite();  // the file is written in the background
  }
  QString snapshot(int number) { return main->undo().snapshots().path(number); }
};

TEST_F(Undo, PausesMakeStepsThatUndoAndRedoWalkThrough) {
  main->settings().MultiUndo = true;
  typeAndPause("a");
  typeAndPause("b");
  EXPECT_EQ(main->session().UndoCount, 2);
  EXPECT_TRUE(QFileInfo::exists(snapshot(1)) && QFileInfo::exists(snapshot(2)));
  // An edit not yet saved as a step: Undo brings back the newest step.
  main->editor().replaceSelection("c");
  main->action("mmUndo")->trigger();
  EXPECT_EQ(main->editor().text(), "ab");
  main->action("mmUndo")->trigger();
  EXPECT_EQ(main->editor().text(), "a");
  main->action("mmUndo")->trigger();  // nothing older than the first step
  EXPECT_EQ(main->editor().text(), "a");
  main->action("mmRedo")->trigger();
  EXPECT_EQ(main->editor().text(), "ab");
  main->action("mmRedo")->trigger();  // never past the newest step
  EXPECT_EQ(main->editor().text(), "ab");

  // An edit after an Undo starts the history anew from there.
  main->action("mmUndo")->trigger();
  typeAndPause("x");
  EXPECT_EQ(main->session().UndoCount, 2);
  EXPECT_EQ(main->session().UndoTop, 2);
  main->action("mmUndo")->trigger();
  EXPECT_EQ(main->editor().text(), "a");
}

TEST_F(Undo, TenStepsAreKeptAndTheEndRemovesAllButTheCountsOne) {
  main->settings().MultiUndo = true;
  for (int i = 1; i <= 11; ++i) typeAndPause(QString::number(i % 10));
  EXPECT_EQ(main->session().UndoCount, 10);
  EXPECT_EQ(test::TempFolder::read(snapshot(1)), "12");           // the oldest kept
  EXPECT_EQ(test::TempFolder::read(snapshot(10)), "12345678901");  // the newest
  EXPECT_FALSE(QFileInfo::exists(snapshot(11)));
  test::closeWithoutSaving(*main);
  EXPECT_TRUE(QFileInfo::exists(snapshot(10)));
  for (int i = 1; i < 10; ++i) EXPECT_FALSE(QFileInfo::exists(snapshot(i)));
  main.reset();
}

TEST_F(Undo, PagesComeBackWithTheirColoursAndAConvertedTextBecomesTextAgain) {
  main->documents().OpenFile(folder.write("page.htm", "<html><body>\r\n</body></html>\r\n"));
  typeAndPause("<b>bold</b>");
  EXPECT_TRUE(test::TempFolder::read(snapshot(1)).startsWith("{\\rtf1"));
  typeAndPause("<i>more</i>");
  main->action("mmUndo")->trigger();
  EXPECT_EQ(main->editor().text(), "<html><body>\r\n</body></html>\r\n<b>bold</b>");
  main->editor().select(int(main->editor().text().indexOf("<b>")) + 1, 0);
  EXPECT_EQ(main->editor().selAttributes().color, main->colouring().TagColour);

  // A page made from "Untitled.txt" that has lost its html tag is text again.
  main->document().CurrentFileName = folder.file("Untitled.htm");
  main->editor().setText("plain words");
  typeAndPause("!");
  typeAndPause("<html>");
  main->action("mmUndo")->trigger();
  EXPECT_EQ(main->editor().text(), "plain words!");
  EXPECT_EQ(main->document().DocumentMode, kTextMode);
  EXPECT_EQ(main->document().CurrentFileName, folder.file("Untitled.txt"));
}

TEST_F(Undo, WithoutMultiUndoTheEditorsOwnUndoServesAndRedoEndsForTheRun) {
  main->settings().MultiUndo = false;
  typeAndPause("one");
  EXPECT_EQ(main->session().UndoCount, 1);
  EXPECT_FALSE(QFileInfo::exists(snapshot(1)));
  main->action("mmUndo")->trigger();
  EXPECT_EQ(main->editor().text(), "");
  EXPECT_TRUE(main->action("mmRedo")->isEnabled());
  main->action("mmEnableMultiUndo")->trigger();
  EXPECT_TRUE(main->settings().MultiUndo);
  EXPECT_FALSE(main->action("mmRedo")->isEnabled());
}

}  // namespace

TEST_F(Undo, ASnapshotStillBeingWrittenWhenAnotherDocumentOpensIsNotPartOfItsHistory) {
  main->settings().MultiUndo = true;
  main->editor().replaceSelection("first document");
  main->Timer2Timer();  // written in the background
  main->documents().OpenFile(folder.write("other.txt", "other\r\n"));
  main->undo().finishPendingWrite();
  EXPECT_EQ(main->session().UndoCount, 0);
  EXPECT_EQ(main->session().UndoTop, 0);
  main->undo().mmUndoClick();  // nothing to go back to
  EXPECT_EQ(main->editor().text(), "other\r\n");
}
