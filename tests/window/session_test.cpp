// SPDX-License-Identifier: GPL-3.0-or-later
// The run's end by a termination signal, without the window: the work is
// kept and nothing is asked, with a host that records what it was asked. The
// closing questions and the offer of a gone run's work are tested through the
// window (main_window_test.cpp, recovery_test.cpp).
#include "documents/document_state.h"
#include "documents/recent_files.h"
#include "documents/recovery.h"
#include "language/message_table.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "window/session.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct RecordingSessionHost : SessionHost {
  QStringList calls;
  bool modified = false;

  void settingsRead() override {}
  Settings settingsToWrite() const override { return {}; }
  void showDocumentTitle(const QString&) override {}
  bool documentModified() const override { return modified; }
  bool saveDocumentAs() override { return false; }
  bool takeOverRecoveredWork(const RecoveryOffer&) override { return false; }
  void endUndoSeries(bool keepForRecovery) override { calls << (keepForRecovery ? "keep work" : "forget work"); }
  void closeOtherWindows() override { calls << "close windows"; }
};

struct SessionTest : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  RecordingSessionHost host;
  DocumentState document;
  Settings settings;
  RecentFiles recentFiles;
  MessageTable messages = englishMessages();
  Session session{SessionContext{.dialogs = dialogs, .host = host, .paths = AppPaths::inFolder(folder.path()),
                                 .document = document, .settings = settings, .recentFiles = recentFiles,
                                 .messages = messages}};

  void start() {
    session.readCommandLine({{}, AppPaths::inFolder(folder.path()), folder.path()});
    session.readSettingsFile();
    session.claimInstanceSlot();
  }
};

}  // namespace

TEST_F(SessionTest, ATerminationSignalKeepsWorkAndAsksNothing) {
  folder.write("wrenpad.ini", "this is someone else's file\n");
  start();
  host.modified = true;
  session.endWithoutQuestions();
  EXPECT_EQ(host.calls, (QStringList{"keep work", "close windows"}));
  // The refusal goes to standard error: nobody is left to answer a box, and
  // it is not repeated at a later end.
  host.modified = false;
  EXPECT_TRUE(session.askToClose());
  EXPECT_TRUE(dialogs.asked.isEmpty());
  EXPECT_EQ(test::TempFolder::read(folder.file("wrenpad.ini")), "this is someone else's file\n");
}
