// SPDX-License-Identifier: GPL-3.0-or-later
// Multi-level undo as the window wires it: the quiet timer's tick takes the
// steps, the Undo and Redo items walk them, closing keeps the counted one, a
// restored page is coloured by the window's painter and turns back into a
// text document, and the multi-level switch shows in the Redo item. Undo
// itself is tested in tests/documents/undo_commands_test.cpp.
#include "documents/undo_commands.h"
#include "support/document_window.h"

#include <QFileInfo>

using namespace wrenpad;

namespace {

struct Undo : test::DocumentWindow {
  // Types at the end and lets the quiet tick take its snapshot.
  void typeAndPause(const QString& text) {
    append(text);
    main->Timer2Timer();
    main->undo().finishPendingWrite();  // the file is written in the background
  }
  QString snapshot(int number) { return main->undo().snapshots().path(number); }
};

TEST_F(Undo, TheQuietTickTakesStepsTheMenuItemsWalkThemAndClosingKeepsTheCountsOne) {
  main->settings().MultiUndo = true;
  typeAndPause("a");
  typeAndPause("b");
  EXPECT_EQ(main->session().UndoCount, 2);
  EXPECT_TRUE(QFileInfo::exists(snapshot(1)) && QFileInfo::exists(snapshot(2)));
  EXPECT_FALSE(main->isSnapshotTimerRunning());  // stopped until the next edit
  main->action("mmUndo")->trigger();
  EXPECT_EQ(main->editor().text(), "a");
  main->action("mmRedo")->trigger();
  EXPECT_EQ(main->editor().text(), "ab");
  main->action("mmUndo")->trigger();
  test::closeWithoutSaving(*main);
  EXPECT_TRUE(QFileInfo::exists(snapshot(1)));
  EXPECT_FALSE(QFileInfo::exists(snapshot(2)));
}

TEST_F(Undo, PagesComeBackWithTheirColoursAndAConvertedTextBecomesTextAgain) {
  open("page.htm", "<html><body>\r\n</body></html>\r\n");
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

TEST_F(Undo, WithoutMultiUndoTheUndoItemUsesTheEditorsOwnAndTheSwitchEndsTheRedoItem) {
  main->settings().MultiUndo = false;
  typeAndPause("one");
  main->action("mmUndo")->trigger();
  EXPECT_EQ(main->editor().text(), "");
  EXPECT_TRUE(main->action("mmRedo")->isEnabled());
  main->action("mmEnableMultiUndo")->trigger();
  EXPECT_TRUE(main->settings().MultiUndo);
  EXPECT_FALSE(main->action("mmRedo")->isEnabled());
}

}  // namespace
