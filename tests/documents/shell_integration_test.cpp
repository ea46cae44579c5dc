// SPDX-License-Identifier: GPL-3.0-or-later
// Relating an extension and the "Open With" entry, with the real xdg-mime and
// update-mime-database working in temporary data and configuration folders.
#include "documents/shell_integration.h"

#include "documents/document_state.h"
#include "language/message_table.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace wrenpad;
using namespace wrenpad::test;

namespace {

// The user's environment with every desktop folder in `root`, and no
// desktop session, so xdg-mime takes its generic way.
QProcessEnvironment isolatedEnvironment(const TempFolder& root) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_DATA_HOME", root.file("data"));
  environment.insert("XDG_CONFIG_HOME", root.file("config"));
  environment.insert("XDG_DATA_DIRS", root.file("system"));
  environment.insert("XDG_CONFIG_DIRS", root.file("system"));
  for (const char* name : {"XDG_CURRENT_DESKTOP", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                           "MATE_DESKTOP_SESSION_ID", "DESKTOP_SESSION"})
    environment.remove(name);
  return environment;
}

}  // namespace

// A program file that exists, as xdg-mime only answers with entries whose
// program it finds.
QString installedProgram(const TempFolder& root) {
  const QString path = root.write("bin/wrenpad", "#!/bin/sh\n");
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path;
}

struct ShellFixture : ::testing::Test {
  TempFolder root;
  const QString program = installedProgram(root);
  QProcessEnvironment environment = isolatedEnvironment(root);
  ScriptedDialogs dialogs;
  MessageTable messages = englishMessages();
  DocumentState document;
  // When set, answers in place of the tools, every call noted in `ran`.
  std::function<ToolRun(const QString&)> fakeTool;
  QStringList ran;
  ShellEnvironment shell{root.file("data"), program,
                         [this](const QString& tool, const QStringList& arguments) {
                           if (!fakeTool) return RunTool(tool, arguments, environment);
                           ran << (QStringList{tool} + arguments).join(' ');
                           return fakeTool(tool);
                         }};
  ShellIntegration integration{ShellContext{dialogs, messages, document, shell}};

  void SetUp() override {
    for (const char* tool : {"xdg-mime", "update-mime-database"})
      if (QStandardPaths::findExecutable(tool).isEmpty()) GTEST_SKIP() << tool << " is not installed";
  }
  QString defaultFor(const QString& mimeType) {
    return RunTool("xdg-mime", {"query", "default", mimeType}, environment).output.trimmed();
  }
  // Checks a written entry with desktop-file-validate when it is installed.
  void expectValidEntry(const QString& path) {
    if (QStandardPaths::findExecutable("desktop-file-validate").isEmpty()) return;
    const ToolRun check = RunTool("desktop-file-validate", {path}, environment);
    EXPECT_EQ(check.exitCode, 0) << check.output.toStdString();
  }
  void relate(const QString& extension) {
    dialogs.inputs.push_back(extension);
    integration.mmRelateTxtFileToThisClick();
  }
};

// A known extension makes the program the default of its type; one the
// desktop does not know gets a type of its own.
TEST_F(ShellFixture, RelatingAnExtensionMakesTheProgramItsDefault) {
  relate("txt");
  EXPECT_EQ(dialogs.asked, (QStringList{"input: " + messages.MsgRelatePrompt, "message: Just a moment, please."}));
  EXPECT_EQ(defaultFor("text/plain"), "wrenpad.desktop");
  relate(".wrp2");  // a typed point is left off
  const QString globs = QString::fromUtf8(TempFolder::read(root.file("data/mime/globs2")));
  EXPECT_TRUE(globs.contains("text/x-wrenpad-wrp2:*.wrp2")) << globs.toStdString();
  EXPECT_EQ(defaultFor("text/x-wrenpad-wrp2"), "wrenpad.desktop");
  const QString entry = QString::fromUtf8(TempFolder::read(DesktopEntryPath(shell)));
  const QString exec = "\nExec=" + DesktopExecWord(program) + " %f\n";
  EXPECT_TRUE(entry.contains(exec)) << entry.toStdString();
  EXPECT_TRUE(entry.contains("MimeType=text/plain;text/html;")) << entry.toStdString();
  EXPECT_TRUE(entry.contains(";text/x-wrenpad-wrp2;\n")) << entry.toStdString();
  EXPECT_TRUE(dialogs.askedOf("error").isEmpty()) << dialogs.askedOf("error").join('\n').toStdString();
  expectValidEntry(DesktopEntryPath(shell));
}

TEST_F(ShellFixture, ExeAnEmptyAnswerAndUnsafeLettersAreRefused) {
  for (const QString answer : {" .eXe", "", "a b"}) relate(answer);
  const QStringList refusals = dialogs.askedOf("message");
  ASSERT_EQ(refusals.size(), 3);
  EXPECT_EQ(refusals[0], "\"exe\" must not be resistered.");
  EXPECT_EQ(refusals[1], "Please input an extension.");
  EXPECT_TRUE(refusals[2].startsWith("An extension may hold only")) << refusals[2].toStdString();
  EXPECT_FALSE(QFileInfo::exists(root.file("data")));  // nothing written
}

TEST_F(ShellFixture, AnotherProgramsDefaultIsTakenOverOnlyWhenTheUserAgrees) {
  root.write("data/applications/other-editor.desktop",
             "[Desktop Entry]\nType=Application\nName=Other\nExec=/bin/cat %f\nMimeType=text/plain;\n");
  root.write("config/mimeapps.list", "[Default Applications]\ntext/plain=other-editor.desktop\n");
  dialogs.answers = {Answer::No};
  relate("txt");
  ASSERT_EQ(dialogs.askedOf("question").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("question")[0].contains("other-editor"));
  EXPECT_EQ(defaultFor("text/plain"), "other-editor.desktop");
  EXPECT_FALSE(QFileInfo::exists(DesktopEntryPath(shell)));

  dialogs.answers = {Answer::Yes};
  relate("txt");
  EXPECT_EQ(defaultFor("text/plain"), "wrenpad.desktop");
}

TEST_F(ShellFixture, TheOpenWithEntryPassesStarupAndIsRemovedAgain) {
  EXPECT_FALSE(SendToEntryExists(shell));
  EXPECT_TRUE(integration.mmSCSendToClick(false));
  ASSERT_TRUE(SendToEntryExists(shell));
  const QString entry = QString::fromUtf8(TempFolder::read(SendToEntryPath(shell)));
  EXPECT_TRUE(entry.contains("\nExec=" + DesktopExecWord(program) + " /starup %F\n")) << entry.toStdString();
  EXPECT_TRUE(entry.contains("\nNoDisplay=true\n"));
  // No types: an "Open with" entry must never become what opens them by default.
  EXPECT_FALSE(entry.contains("MimeType="));
  expectValidEntry(SendToEntryPath(shell));
  EXPECT_FALSE(integration.mmSCSendToClick(true));
  EXPECT_FALSE(SendToEntryExists(shell));
  EXPECT_TRUE(dialogs.asked.isEmpty());
}

// Needs none of the tools.
struct FakeShell : ShellFixture {
  void SetUp() override {}
};

// A failing tool is reported and nothing follows it; a desktop without the
// tool that brings the cache of "Open With" programs up to date hears nothing
// of it.
TEST_F(FakeShell, AFailingToolIsReportedAndNothingFollowsIt) {
  fakeTool = [](const QString& program) {
    return ToolRun{program == "xdg-mime", 1, {}, "no such folder"};
  };
  dialogs.inputs = {"wrp1", "txt"};
  integration.mmRelateTxtFileToThisClick();  // update-mime-database cannot run
  integration.mmRelateTxtFileToThisClick();  // the query of the default fails
  EXPECT_TRUE(integration.mmSCSendToClick(false));
  EXPECT_EQ(ran, (QStringList{"update-mime-database " + root.file("data/mime"), "xdg-mime query default text/plain",
                              "update-desktop-database " + root.file("data/applications")}));
  const QStringList errors = dialogs.askedOf("error");
  ASSERT_EQ(errors.size(), 2);
  EXPECT_TRUE(errors[0].startsWith("\"update-mime-database\" could not be run")) << errors[0].toStdString();
  EXPECT_TRUE(errors[1].startsWith("\"xdg-mime query default text/plain\" failed (exit code 1).\nno such folder"))
      << errors[1].toStdString();
  EXPECT_FALSE(QFileInfo::exists(DesktopEntryPath(shell)));
}

TEST(ShellIntegration, NamesAndQuotingOfTheWrittenFiles) {
  EXPECT_EQ(ProposedExtension("/home/u/page.html"), "html");
  EXPECT_EQ(ProposedExtension("/home/u/notes.markdown"), "mark");
  EXPECT_EQ(ProposedExtension("/home/u.d/README"), "");
  EXPECT_EQ(DesktopExecWord("/usr/bin/wrenpad"), "/usr/bin/wrenpad");
  EXPECT_EQ(DesktopExecWord("/opt/my apps/wren$pad"), "\"/opt/my apps/wren\\\\$pad\"");
  EXPECT_EQ(DesktopExecWord("/opt/100%/wrenpad"), "/opt/100%%/wrenpad");
  EXPECT_EQ(OwnMimeTypeFor("WRP1"), "text/x-wrenpad-wrp1");
}
