// SPDX-License-Identifier: GPL-3.0-or-later
// Multi-level undo without the window: an EditorControl, scripted dialogs and
// the state structs handed to UndoCommands directly. Steps are taken at the
// quiet tick and written in the background, Undo and Redo walk through them,
// ten are kept, pages come back with their formats, a write that fails (a
// full disk, no memory) is told once and never becomes a step, a step that
// reads back empty never replaces the text, a write of an older history is
// left out, and steps are no more readable than the document's file.
#include "documents/undo_commands.h"

#include "documents/document_state.h"
#include "documents/recovery.h"
#include "editor/editor_control.h"
#include "files/descriptors.h"
#include "files/private_files.h"
#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <csignal>
#include <new>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace wrenpad {
namespace {

struct Undo : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  QWidget parent;
  EditorControl editor{&parent};
  DocumentState document;
  SessionState session;
  Settings settings;
  int recoloured = 0;
  QString backToText;
  UndoCommands undo{UndoContext{editor, dialogs, document, session, settings,
                                [this] { ++recoloured; },
                                [this](const QString& name) { backToText = name; }, [] {}},
                    folder.path(), 1};

  // Types at the end and lets the quiet tick take its step.
  void typeAndPause(const QString& text) {
    editor.select(editor.textLength(), 0);
    editor.replaceSelection(text);
    undo.takeSnapshot();
    undo.finishPendingWrite();
  }
  QString snapshot(int number) const { return undo.snapshots().path(number); }
  QString nameFile() const { return DocumentNameFile(folder.path(), 1); }
  int errorsTold() const { return int(dialogs.askedOf("error").size()); }
};

TEST_F(Undo, StepsTakenAtPausesAreWalkedByUndoAndRedo) {
  session.ChangeWatch = true;
  typeAndPause("a");
  typeAndPause("b");
  // An edit not yet saved as a step: Undo brings back the newest step.
  editor.replaceSelection("c");
  undo.mmUndoClick();
  EXPECT_EQ(editor.text(), "ab");
  EXPECT_TRUE(editor.isModified());
  EXPECT_TRUE(session.ChangeWatch);  // off while the step is put in, on again
  undo.mmUndoClick();
  undo.mmUndoClick();  // nothing older than the first step
  EXPECT_EQ(editor.text(), "a");
  undo.mmRedoClick();
  undo.mmRedoClick();  // never past the newest step
  EXPECT_EQ(editor.text(), "ab");

  // An edit after an Undo starts the history anew from there.
  undo.mmUndoClick();
  typeAndPause("x");
  EXPECT_EQ(session.UndoTop, 2);
  undo.mmRedoClick();  // the old "ab" is no way forward any more
  EXPECT_EQ(editor.text(), "ax");
}

// A step counts once its background write is taken in, and only for the
// history it was taken of.
TEST_F(Undo, AStepCountsOnceWrittenAndOnlyInItsOwnHistory) {
  editor.setText("typed");
  undo.takeSnapshot();
  EXPECT_EQ(session.UndoCount, 0);  // not before the write is taken in
  editor.select(editor.textLength(), 0);
  editor.replaceSelection(" on");  // typing goes on meanwhile
  ASSERT_TRUE(QTest::qWaitFor([this] { return session.UndoCount == 1; }));  // by the event loop
  EXPECT_FALSE(undo.finishPendingWrite());  // nothing left to wait for
  // The text moved on after the step: Undo goes to the step itself.
  undo.mmUndoClick();
  EXPECT_EQ(editor.text(), "typed");

  editor.setText("first document");
  undo.takeSnapshot();
  StartUndoSeries(session);  // another document is opened meanwhile
  editor.setText("other\r\n");
  EXPECT_FALSE(undo.finishPendingWrite());
  EXPECT_EQ(session.UndoCount, 0);
  undo.mmUndoClick();  // nothing to go back to
  EXPECT_EQ(editor.text(), "other\r\n");
}

TEST_F(Undo, PagesComeBackWithTheirFormatsAndAConvertedTextIsTextAgain) {
  document.DocumentMode = kHtmlMode;
  document.CurrentFileName = folder.file("page.htm");
  editor.setText("<b>bold</b>");
  CharAttributes blue;
  blue.color = QColor(Qt::blue);
  editor.applyFormats({{0, 3, blue}});
  typeAndPause(" ");
  EXPECT_TRUE(test::TempFolder::read(snapshot(1)).startsWith("{\\rtf1"));
  typeAndPause("more");
  editor.applyFormats({}, true);  // the colours gone, as a repaint might leave them
  undo.mmUndoClick();
  EXPECT_EQ(editor.text(), "<b>bold</b> ");
  editor.select(1, 0);
  EXPECT_EQ(editor.selAttributes().color, QColor(Qt::blue));
  EXPECT_EQ(recoloured, 1);  // a short page is coloured again at once
  EXPECT_TRUE(backToText.isEmpty());

  // A page made from a new text document that has lost its html tag.
  document.CurrentFileName = folder.file("Untitled.htm");
  editor.setText("plain words");
  typeAndPause("!");
  typeAndPause("<html>");
  undo.mmUndoClick();
  EXPECT_EQ(editor.text(), "plain words!");
  EXPECT_EQ(backToText, folder.file("Untitled.txt"));
}

TEST_F(Undo, WithoutMultiUndoTheEditorsOwnUndoServesAndSwitchingEndsRedo) {
  settings.MultiUndo = false;
  typeAndPause("one");
  EXPECT_FALSE(QFileInfo::exists(snapshot(1)));
  undo.mmUndoClick();
  EXPECT_EQ(editor.text(), "");
  undo.mmEnableMultiUndoClick();
  typeAndPause("a");
  typeAndPause("b");
  undo.mmUndoClick();
  EXPECT_EQ(editor.text(), "a");
  undo.mmRedoClick();  // Redo stays off for the run
  EXPECT_EQ(editor.text(), "a");
}

// While it lasts no file grows past a byte, as on a full disk: a write past
// that fails (EFBIG) instead of stopping the program.
struct NoRoomForFiles {
  struct rlimit saved {};
  void (*previous)(int) = std::signal(SIGXFSZ, SIG_IGN);
  NoRoomForFiles() {
    ::getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit full = saved;
    full.rlim_cur = 1;
    ::setrlimit(RLIMIT_FSIZE, &full);
  }
  ~NoRoomForFiles() {
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
  }
};

TEST_F(Undo, AFailedWriteIsToldOnceUntilAWriteSucceedsAndNeverBecomesAStep) {
  typeAndPause("first");
  {
    const NoRoomForFiles full;
    typeAndPause(" second");
    typeAndPause(" third");
  }
  EXPECT_EQ(session.UndoCount, 1);
  EXPECT_EQ(session.UndoTop, 1);
  EXPECT_EQ(errorsTold(), 1);  // not at every pause
  EXPECT_TRUE(dialogs.askedOf("error").value(0).contains("could not be saved"));
  EXPECT_EQ(test::TempFolder::read(snapshot(1)), "first");
  undo.mmUndoClick();  // back to the last state kept, never to nothing
  EXPECT_EQ(editor.text(), "first");
  undo.mmUndoClick();
  EXPECT_EQ(editor.text(), "first");

  typeAndPause(" fourth");
  EXPECT_EQ(session.UndoCount, 2);
  {
    const NoRoomForFiles full;
    typeAndPause(" fifth");
  }
  EXPECT_EQ(errorsTold(), 2);  // told again after a write that succeeded
  EXPECT_EQ(session.UndoCount, 2);
  undo.mmUndoClick();
  EXPECT_EQ(editor.text(), "first fourth");
}

TEST_F(Undo, AStepThatReadsBackEmptyNeverReplacesTheText) {
  typeAndPause("a");
  typeAndPause("b");
  folder.write(QFileInfo(snapshot(1)).fileName(), "");
  undo.mmUndoClick();
  EXPECT_EQ(editor.text(), "ab");
  EXPECT_TRUE(dialogs.askedOf("error").value(0).contains("could not be read"));

  // An emptied document is no step: Undo brings back the text before.
  editor.select(0, editor.textLength());
  editor.replaceSelection("");
  undo.takeSnapshot();
  undo.finishPendingWrite();
  EXPECT_EQ(session.UndoCount, 2);
  undo.mmUndoClick();
  EXPECT_EQ(editor.text(), "ab");

  // A page step that is no rich text is not put in either.
  document.DocumentMode = kHtmlMode;
  folder.write(QFileInfo(snapshot(1)).fileName(), "no rich text");
  undo.mmUndoClick();
  EXPECT_EQ(editor.text(), "ab");
  EXPECT_EQ(errorsTold(), 2);
}

// The name beside the steps offers the work to a later start while it is not
// in its file: kept with recovered work, gone once the work is in the file,
// back with the next step of a change. Neither it nor a step is more
// readable than the document's file.
TEST_F(Undo, TheDocumentsNameIsKeptBesideTheStepsWhileItsWorkIsNotInItsFile) {
  const mode_t umask = ::umask(022);
  document.CurrentFileName = folder.write("private.txt", "secret\r\n");
  ::chmod(files::native(document.CurrentFileName).constData(), 0400);
  editor.setText("recovered words");
  editor.setModified(true);
  settings.MultiUndo = false;  // kept whatever the setting
  ASSERT_TRUE(undo.keepRecoveredWork());
  ::umask(umask);
  EXPECT_FALSE(settings.MultiUndo);
  EXPECT_EQ(test::TempFolder::read(snapshot(1)), "recovered words");
  EXPECT_EQ(ReadDocumentName(folder.path(), 1)->name, document.CurrentFileName);
  EXPECT_EQ(files::permissionsOf(snapshot(1)), 0400u);
  EXPECT_EQ(files::permissionsOf(nameFile()), 0400u);

  editor.setModified(false);  // saved
  undo.workIsInFile();
  EXPECT_FALSE(QFileInfo::exists(nameFile()));
  settings.MultiUndo = true;
  typeAndPause("!");
  EXPECT_EQ(ReadDocumentName(folder.path(), 1)->name, document.CurrentFileName);
  editor.setModified(false);
  undo.takeSnapshot();
  undo.finishPendingWrite();
  EXPECT_FALSE(QFileInfo::exists(nameFile()));  // a step of a saved text offers nothing
}

namespace {
// Makes a file one that not even root may rename or remove, or ordinary
// again; false where the file system or the user cannot.
bool setImmutable(const QString& path, bool on) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  int flags = 0;
  bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
  done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  if (fd >= 0) ::close(fd);
  return done;
}
}  // namespace

// Once ten are kept, a new one moves the others down a number. A move that
// fails is told and undone: the counts still name the newest snapshot. A
// snapshot someone else removed is a gap that moves down with the others.
TEST(UndoSnapshotsTurn, AFailedMoveLeavesEverySnapshotWhereTheCountsExpectIt) {
  const struct {
    int stuck;    // the snapshot that cannot be moved; 0 for none
    int missing;  // the snapshot removed meanwhile; 0 for none
  } cases[] = {{1, 0}, {6, 0}, {10, 0}, {0, 4}};
  for (const auto& turn : cases) {
    test::TempFolder folder;
    UndoSnapshots snapshots(folder.path(), 1);
    int count = 0, top = 0;
    for (int i = 1; i <= UndoSnapshots::kLevels; ++i)
      ASSERT_FALSE(snapshots.take(QByteArray::number(i), count, top).failed());
    if (turn.missing) QFile::remove(snapshots.path(turn.missing));
    if (turn.stuck && !setImmutable(snapshots.path(turn.stuck), true)) GTEST_SKIP() << "no immutable files here";
    const files::Failure failure = snapshots.take("new", count, top);
    if (turn.stuck) setImmutable(snapshots.path(turn.stuck), false);
    EXPECT_EQ(count, 10);
    EXPECT_EQ(top, 10);
    for (int i = 1; i <= UndoSnapshots::kLevels; ++i) {
      const int held = turn.stuck ? i : i + 1;  // which of the first ten the file holds now
      const QByteArray expected = held > 10 ? "new" : held == turn.missing ? "" : QByteArray::number(held);
      EXPECT_EQ(snapshots.read(i).value_or(""), expected) << turn.stuck << "/" << turn.missing << ": " << i;
    }
    EXPECT_EQ(failure.failed(), turn.stuck != 0) << turn.stuck;
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), turn.missing ? 9 : 10) << turn.stuck;
  }
}

TEST(SnapshotWrite, RunningOutOfMemoryIsAFailedWriteLikeAnyOther) {
  test::TempFolder folder;
  const UndoSnapshots snapshots(folder.path(), 1);
  const SnapshotWrite outcome = WriteSnapshot(
      snapshots, []() -> QByteArray { throw std::bad_alloc(); }, 3, 5, 0600);
  EXPECT_FALSE(outcome.written);
  EXPECT_EQ(outcome.failure.problem, files::Problem::OutOfMemory);
  EXPECT_EQ(outcome.undoCount, 3);
  EXPECT_EQ(outcome.undoTop, 5);
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

}  // namespace
}  // namespace wrenpad
