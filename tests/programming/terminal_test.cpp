// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the terminal and the words that make it run a program.
#include "programming/terminal.h"

#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

namespace wrenpad {
namespace {

TerminalEnvironment withTools(const QString& variable, const QHash<QString, QString>& onPath) {
  return {variable, [onPath](const QString& name) { return onPath.value(name); }};
}

TEST(Terminal, TheVariableThenTheSystemChoiceThenCommonEmulators) {
  const QStringList command = {"./my prog", "a;b"};
  auto launch = TerminalLaunchFor(command, "/w", withTools("kitty", {{"kitty", "/usr/bin/kitty"}, {"xterm", "/usr/bin/xterm"}}));
  ASSERT_TRUE(launch);
  EXPECT_EQ(launch->program, "/usr/bin/kitty");
  EXPECT_EQ(launch->arguments.first(), "/bin/sh");
  EXPECT_EQ(launch->workingFolder, "/w");

  launch = TerminalLaunchFor(command, "/w", withTools("", {{"x-terminal-emulator", "/usr/bin/x-terminal-emulator"},
                                                          {"xterm", "/usr/bin/xterm"}}));
  EXPECT_EQ(launch->program, "/usr/bin/x-terminal-emulator");
  EXPECT_EQ(launch->arguments.mid(0, 3), (QStringList{"-e", "/bin/sh", "-c"}));
  EXPECT_EQ(launch->arguments.mid(4), (QStringList{"sh", "./my prog", "a;b"}));

  launch = TerminalLaunchFor(command, "/w", withTools("", {{"gnome-terminal", "/usr/bin/gnome-terminal"}}));
  EXPECT_EQ(launch->arguments.first(), "--");
  EXPECT_FALSE(TerminalLaunchFor(command, "/w", withTools("", {})));
}

// The fixed script runs the command with its words intact. Ctrl+C
// (Ctrl+Backslash) in a terminal signals its whole foreground group, the
// script with the program: the program ends of it, what it printed stays,
// and its status and the shell follow.
TEST(Terminal, TheScriptRunsTheCommandWordForWordThenItsStatusAndTheShellAfterCtrlC) {
  QTemporaryDir folder;
  const auto launch = TerminalLaunchFor(
      {"sh", "-c", "printf '%s|' \"$@\"; echo started; exec sleep 30", "sh", "a b", "$(x); 'q'"},
      folder.path(), withTools("", {{"xterm", "/usr/bin/xterm"}}));
  ASSERT_TRUE(launch);
  const std::pair<int, const char*> cases[] = {{SIGINT, "[exit status 130]"},
                                               {SIGQUIT, "[exit status 131]"}};
  for (const auto& [signal, status] : cases) {
    SCOPED_TRACE(status);
    QProcess script;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("SHELL", "/bin/sh");
    script.setProcessEnvironment(environment);
    script.setWorkingDirectory(launch->workingFolder);
    script.setChildProcessModifier([] { ::setsid(); });  // a group of its own, as in a terminal
    script.start(launch->arguments.at(1), launch->arguments.mid(2));  // without the "-e"
    QByteArray shown;
    const auto shows = [&](const char* text) {
      while (!shown.contains(text) && script.waitForReadyRead(10000))
        shown += script.readAllStandardOutput();
      return shown.contains(text);
    };
    ASSERT_TRUE(shows("a b|$(x); 'q'|started\n")) << shown.toStdString();
    ::kill(-pid_t(script.processId()), signal);
    ASSERT_TRUE(shows(status)) << shown.toStdString();
    script.write("echo the shell answers\n");
    script.closeWriteChannel();
    EXPECT_TRUE(shows("the shell answers")) << shown.toStdString();
    EXPECT_TRUE(script.waitForFinished(5000));
  }
}

}  // namespace
}  // namespace wrenpad
