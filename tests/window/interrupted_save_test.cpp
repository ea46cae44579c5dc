// SPDX-License-Identifier: GPL-3.0-or-later
// A save killed midway: the next start offers the file's old bytes back.
#include "documents/file_access.h"
#include "editor/editor_control.h"
#include "window/main_window.h"
#include "support/window_fixture.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace wrenpad;

namespace {

// A run that saves `bytes` over a hard-linked file (written in place, after
// a backup) and is killed just before the new bytes go in.
void runKilledWhileSaving(const QString& journals, const QString& path, const QByteArray& bytes) {
  const pid_t child = ::fork();
  if (child == 0) {
    files::setSaveJournalFolder(journals);
    files::test_hooks::beforeCommit = [] { ::kill(::getpid(), SIGKILL); };
    files::writeFileKeepingIdentity(path, bytes);
    ::_exit(0);
  }
  ::waitpid(child, nullptr, 0);
}

}  // namespace

TEST(InterruptedSave, TheNextStartOffersTheOldBytesBackAndCancelAsksAgain) {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  const QString document = folder.write("notes.txt", "what the file held");
  ASSERT_EQ(::link(QFile::encodeName(document).constData(), QFile::encodeName(folder.file("second")).constData()), 0);
  runKilledWhileSaving(folder.path(), document, "the new text");
  // Played: the kill came while the file was half written.
  folder.write("notes.txt", "the new tfile held");

  dialogs.answers = {Answer::Cancel};
  test::closeWithoutSaving(*test::startWindow(folder, dialogs, {}, test::kEnglishSettings));
  ASSERT_EQ(dialogs.askedOf("question").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("question").first().contains("was stopped while it was saving"));
  EXPECT_TRUE(dialogs.askedOf("question").first().contains(QFileInfo(document).canonicalFilePath()));

  dialogs.asked.clear();
  dialogs.answers = {Answer::Yes};
  test::closeWithoutSaving(*test::startWindow(folder, dialogs));
  EXPECT_EQ(dialogs.askedOf("question").size(), 1);
  EXPECT_EQ(test::TempFolder::read(document), "what the file held");
  EXPECT_EQ(test::TempFolder::read(folder.file("second")), "what the file held");
  EXPECT_TRUE(QDir(folder.path()).entryList({".wrenpad-*", "save-*"}, QDir::Files | QDir::Hidden).isEmpty());

  dialogs.asked.clear();
  test::closeWithoutSaving(*test::startWindow(folder, dialogs));
  EXPECT_TRUE(dialogs.askedOf("question").isEmpty());
}
