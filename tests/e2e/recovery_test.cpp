// SPDX-License-Identifier: GPL-3.0-or-later
// Work offered back after the program was killed: the real program types on
// a real X server and is killed (SIGKILL after its snapshot, or SIGTERM at
// once); the next start, in this process with scripted answers, offers the
// text and opens it as a modified document under its old name.
#include "documents/recovery.h"
#include "e2e/real_editor.h"
#include "support/window_fixture.h"

#include <csignal>

using namespace wrenpad;

namespace {

struct Recovery : test::RealEditor {
  void SetUp() override {
    RealEditor::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    folder.write("wrenpad.ini", "[Settings]\r\nJpn=0\r\nMultiUndo=1\r\n");
    ASSERT_TRUE(start()) << trace.toStdString();
    ASSERT_TRUE(screen.xdotool({"type", "--delay", "30", "recover me"}));
    ASSERT_TRUE(test::waitForOutput(editor, trace, "text changed", 5000)) << trace.toStdString();
  }

  // The next start: asked whether to recover, answers Yes.
  QString recoveredText(QString* name = nullptr) {
    test::ScriptedDialogs dialogs;
    dialogs.answers.push_back(Answer::Yes);
    auto main = test::startWindow(folder, dialogs);
    const QString text = main->editor().text();
    EXPECT_TRUE(dialogs.askedOf("question").value(0).contains("Recover")) << dialogs.asked.join("\n").toStdString();
    EXPECT_TRUE(main->editor().isModified());
    if (name) *name = main->document().CurrentFileName;
    test::closeWithoutSaving(*main);
    return text;
  }
};

TEST_F(Recovery, TextTypedBeforeAKillIsOfferedAtTheNextStart) {
  // The snapshot comes two seconds after the last key.
  ASSERT_TRUE(test::waitUntil([&] { return !FindRecoveryOffers(folder.path(), 10, [](int) { return false; }).empty(); },
                              10000));
  ::kill(pid_t(editor.processId()), SIGKILL);
  editor.waitForFinished(5000);
  QString name;
  EXPECT_EQ(recoveredText(&name), "recover me");
  EXPECT_TRUE(name.endsWith("Untitled.txt"));
  // Taken back: the files are gone, nothing is offered again.
  EXPECT_TRUE(FindRecoveryOffers(folder.path(), 10, [](int) { return false; }).empty());
}

TEST_F(Recovery, TerminationKeepsTheWorkAndEndsCleanly) {
  ::kill(pid_t(editor.processId()), SIGTERM);  // before any snapshot
  ASSERT_TRUE(editor.waitForFinished(10000));
  EXPECT_EQ(editor.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(editor.exitCode(), 0);
  EXPECT_FALSE(QFile::exists(folder.file("Wrenpad_1.txt")));  // its marker is gone
  EXPECT_EQ(recoveredText(), "recover me");
}

}  // namespace
