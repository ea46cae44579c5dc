// Multi-level undo in the window: snapshots after pauses, Undo and Redo
// through them, ten kept, pages restored with their colours from rich text,
// a page that is text again after Undo, and the clean-up at the end; a full
// disk told once and never taken for a step, a step that reads back empty
// never put in place of the text, and steps no more readable than the file.
#include "documents/document_commands.h"
#include "documents/undo_commands.h"
#include "editor/editor_control.h"
#include "window/main_window.h"
#include "support/window_fixture.h"

#include "documents/recovery.h"
#include "files/descriptors.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

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
  int errorsTold() const { return int(dialogs.askedOf("error").size()); }
};

// A small disk mounted over a folder, filled up and freed at will; taken
// away when the test ends, whatever still uses it.
struct SmallDisk {
  QByteArray path;
  bool mounted;
  explicit SmallDisk(const QString& folder)
      : path(files::native(folder)), mounted(::mount("tmpfs", path.constData(), "tmpfs", 0, "size=64k") == 0) {}
  ~SmallDisk() {
    if (mounted) ::umount2(path.constData(), MNT_DETACH);
  }
  QString filler() const { return QDir(QString::fromUtf8(path)).filePath("filler"); }
  void fill() const {
    QFile file(filler());
    if (!file.open(QIODevice::Append)) return;
    const QByteArray block(4096, 'f');
    while (file.write(block) == block.size() && file.flush()) {
    }
  }
  void free() const { QFile::remove(filler()); }
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

TEST_F(Undo, AFullDiskIsToldOnceUntilAWriteSucceedsAndNeverBecomesAStep) {
  test::closeWithoutSaving(*main);
  main.reset();
  const SmallDisk disk(folder.path());
  if (!disk.mounted) GTEST_SKIP() << "no tmpfs can be mounted here";
  main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings);
  main->settings().MultiUndo = true;
  typeAndPause("first");
  disk.fill();
  typeAndPause(" second");
  typeAndPause(" third");
  EXPECT_EQ(main->session().UndoCount, 1);
  EXPECT_EQ(main->session().UndoTop, 1);
  EXPECT_EQ(errorsTold(), 1);  // not at every pause
  EXPECT_TRUE(dialogs.askedOf("error").value(0).contains("The disk is full."));
  EXPECT_EQ(test::TempFolder::read(snapshot(1)), "first");
  main->action("mmUndo")->trigger();  // back to the last state kept, never to nothing
  EXPECT_EQ(main->editor().text(), "first");
  main->action("mmUndo")->trigger();
  EXPECT_EQ(main->editor().text(), "first");

  disk.free();
  typeAndPause(" fourth");
  EXPECT_EQ(main->session().UndoCount, 2);
  disk.fill();
  typeAndPause(" fifth");
  EXPECT_EQ(errorsTold(), 2);  // told again after a write that succeeded
  EXPECT_EQ(main->session().UndoCount, 2);
  main->action("mmUndo")->trigger();
  EXPECT_EQ(main->editor().text(), "first fourth");
}

TEST_F(Undo, AStepThatReadsBackEmptyNeverReplacesTheText) {
  main->settings().MultiUndo = true;
  typeAndPause("a");
  typeAndPause("b");
  folder.write(QFileInfo(snapshot(1)).fileName(), "");
  main->action("mmUndo")->trigger();
  EXPECT_EQ(main->editor().text(), "ab");
  EXPECT_TRUE(dialogs.askedOf("error").value(0).contains("could not be read"));

  // An emptied document is no step: Undo brings back the text before.
  main->editor().select(0, main->editor().textLength());
  main->editor().replaceSelection("");
  main->Timer2Timer();
  main->undo().finishPendingWrite();
  EXPECT_EQ(main->session().UndoCount, 2);
  main->action("mmUndo")->trigger();
  EXPECT_EQ(main->editor().text(), "ab");
}

TEST_F(Undo, StepsOfADocumentAreNoMoreReadableThanItsFile) {
  const mode_t umask = ::umask(022);
  const QString document = folder.write("private.txt", "secret\r\n");
  ::chmod(files::native(document).constData(), 0400);
  main->settings().MultiUndo = true;
  main->documents().OpenFile(document);
  typeAndPause(" more");
  ::umask(umask);
  struct stat step {}, name {};
  ASSERT_EQ(::stat(files::native(snapshot(1)).constData(), &step), 0);
  ASSERT_EQ(::stat(files::native(DocumentNameFile(folder.path(), main->undo().snapshots().slot())).constData(), &name),
            0);
  EXPECT_EQ(step.st_mode & 07777, 0400u);
  EXPECT_EQ(name.st_mode & 07777, 0400u);
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
