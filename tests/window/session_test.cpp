// SPDX-License-Identifier: GPL-3.0-or-later
// The run's start and end without the window: the command line, the closing
// questions, the end by a termination signal, the settings file refused once
// and the offer of a gone run's work, with a host that records what it was
// asked.
#include "documents/document_state.h"
#include "documents/recent_files.h"
#include "documents/recovery.h"
#include "language/message_table.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "text/translation.h"
#include "window/session.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct RecordingSessionHost : SessionHost {
  QStringList calls;
  bool modified = false;
  bool saveSucceeds = true;
  bool recoverySucceeds = true;
  int settingsReads = 0;
  Settings toWrite;

  void settingsRead() override { ++settingsReads; }
  Settings settingsToWrite() const override { return toWrite; }
  void showDocumentTitle(const QString& name) override { calls << "title " + name; }
  bool documentModified() const override { return modified; }
  bool saveDocumentAs() override {
    calls << "save as";
    return saveSucceeds;
  }
  bool takeOverRecoveredWork(const RecoveryOffer& offer) override {
    calls << "recover " + offer.documentName;
    return recoverySucceeds;
  }
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

  void start(const QStringList& arguments = {}) {
    session.readCommandLine({arguments, AppPaths::inFolder(folder.path()), folder.path()});
    session.readSettingsFile();
    session.claimInstanceSlot();
  }
  QString settingsText() const { return QString::fromUtf8(test::TempFolder::read(session.settingsFile())); }
};

}  // namespace

TEST_F(SessionTest, TheCommandLineNamesTheDocumentAndItsFolder) {
  start({"notes today.txt"});
  EXPECT_EQ(session.commandLineFile(), folder.file("notes today.txt"));
  EXPECT_EQ(host.calls, QStringList{"title notes today.txt"});
  EXPECT_EQ(document.LastExtension, ".txt");
  EXPECT_EQ(host.settingsReads, 1);
  EXPECT_EQ(session.instanceSlot(), 1);
  EXPECT_TRUE(QFileInfo::exists(session.instanceMarkerFile()));
}

TEST_F(SessionTest, ClosingAsksAboutModifiedTextAndStaysWhenNothingWasSaved) {
  start();
  host.calls.clear();
  host.modified = true;
  document.CurrentFileName = "/tmp/draft.txt";
  dialogs.answers = {Answer::Cancel};
  EXPECT_FALSE(session.askToClose());
  host.saveSucceeds = false;
  dialogs.answers = {Answer::Yes};
  EXPECT_FALSE(session.askToClose());
  EXPECT_EQ(host.calls, QStringList{"save as"});
  EXPECT_EQ(dialogs.askedOf("question").size(), 2);
  EXPECT_FALSE(QFileInfo::exists(session.settingsFile()));  // nothing written while the window stays

  // No: the text is dropped, the settings written, the slot given back.
  const QString marker = session.instanceMarkerFile();
  host.toWrite.TabWidth = 4;
  dialogs.answers = {Answer::No};
  EXPECT_TRUE(session.askToClose());
  EXPECT_EQ(host.calls, (QStringList{"save as", "forget work", "close windows"}));
  EXPECT_TRUE(settingsText().contains("TabWidth=4\r\n"));
  EXPECT_FALSE(QFileInfo::exists(marker));
}

TEST_F(SessionTest, ATerminationSignalKeepsWorkAndAsksNothing) {
  folder.write("wrenpad.ini", "this is someone else's file\n");
  start();
  host.calls.clear();
  host.modified = true;
  session.endWithoutQuestions();
  EXPECT_EQ(host.calls, (QStringList{"keep work", "close windows"}));
  // The refusal goes to standard error: nobody is left to answer a box.
  EXPECT_TRUE(dialogs.asked.isEmpty());
  EXPECT_EQ(test::TempFolder::read(folder.file("wrenpad.ini")), "this is someone else's file\n");
}

TEST_F(SessionTest, ASettingsFileNotOursIsToldAboutOnceAndNeverWritten) {
  folder.write("wrenpad.ini", "this is someone else's file\n");
  const InterfaceLanguageScope japanese(InterfaceLanguage::Japanese);
  start();
  EXPECT_TRUE(session.askToClose());
  EXPECT_TRUE(session.askToClose());
  const QStringList errors = dialogs.askedOf("error");
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains(QString::fromUtf8("設定ファイルではない"))) << errors[0].toStdString();
  EXPECT_EQ(test::TempFolder::read(folder.file("wrenpad.ini")), "this is someone else's file\n");
}

TEST_F(SessionTest, AGoneRunsWorkIsOfferedAndItsFilesGoOnlyOnceTakenOver) {
  // What a run in slot 7 left when it was killed.
  const auto leaveWork = [this] {
    folder.write("Temporary File for Wrenpad_7.name", "[Recovery]\r\nName=/home/u/letter.txt\r\nKind=Plain\r\n");
    return folder.write("Temporary File for Wrenpad_7_1.rtf", "kept words");
  };
  const QString snapshot = leaveWork();
  start();
  host.calls.clear();
  // Taken over, but the window could not show it: the files stay.
  host.recoverySucceeds = false;
  dialogs.answers = {Answer::Yes};
  session.offerRecovery();
  EXPECT_EQ(host.calls, QStringList{"recover /home/u/letter.txt"});
  EXPECT_TRUE(QFileInfo::exists(snapshot));
  // No, then No again: nothing is taken over and the files go.
  host.calls.clear();
  dialogs.answers = {Answer::No, Answer::No};
  session.offerRecovery();
  EXPECT_TRUE(host.calls.isEmpty());
  EXPECT_EQ(dialogs.askedOf("question").size(), 3);
  EXPECT_FALSE(QFileInfo::exists(snapshot));
  // Taken over and shown: the files go.
  const QString again = leaveWork();
  host.recoverySucceeds = true;
  dialogs.answers = {Answer::Yes};
  session.offerRecovery();
  EXPECT_EQ(host.calls, QStringList{"recover /home/u/letter.txt"});
  EXPECT_FALSE(QFileInfo::exists(again));
}
