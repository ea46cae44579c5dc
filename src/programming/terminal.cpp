// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/terminal.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace wrenpad {

namespace {

// Runs its arguments as a command, then an interactive shell; the script is
// fixed, the command only ever its arguments. Ctrl+C (or Ctrl+Backslash) in the
// terminal reaches the whole foreground group: the program ends of it, and
// the script, which catches the signal with a handler that does nothing,
// goes on to show the status and the shell, keeping what the program
// printed. (A caught signal is reset to its default in the program; an
// ignored one would stay ignored there.)
const QString kRunThenShell = QStringLiteral(
    "trap : INT QUIT; \"$@\"; status=$?; echo; echo \"[exit status $status]\"; exec \"${SHELL:-/bin/sh}\" -i");

// How each emulator is told to run a command: the words before it.
QStringList commandPrefix(const QString& terminal) {
  const QString name = QFileInfo(terminal).fileName();
  if (name == u"gnome-terminal" || name == u"mate-terminal") return {QStringLiteral("--")};
  if (name == u"xfce4-terminal") return {QStringLiteral("-x")};
  if (name == u"kitty") return {};
  return {QStringLiteral("-e")};  // xterm, x-terminal-emulator, konsole, lxterminal, alacritty, ...
}

}  // namespace

TerminalEnvironment systemTerminalEnvironment() {
  return {qEnvironmentVariable("TERMINAL"),
          [](const QString& name) { return QStandardPaths::findExecutable(name); }};
}

std::optional<TerminalLaunch> TerminalLaunchFor(const QStringList& command, const QString& folder,
                                                const TerminalEnvironment& environment) {
  QStringList candidates;
  if (!environment.terminalVariable.isEmpty()) candidates << environment.terminalVariable;
  candidates << QStringLiteral("x-terminal-emulator") << QStringLiteral("gnome-terminal")
             << QStringLiteral("konsole") << QStringLiteral("xfce4-terminal")
             << QStringLiteral("mate-terminal") << QStringLiteral("lxterminal")
             << QStringLiteral("kitty") << QStringLiteral("alacritty") << QStringLiteral("xterm");
  for (const QString& candidate : candidates) {
    const QString found = environment.findExecutable(candidate);
    if (found.isEmpty()) continue;
    TerminalLaunch launch;
    launch.program = found;
    launch.workingFolder = folder;
    launch.arguments = commandPrefix(found);
    launch.arguments << QStringLiteral("/bin/sh") << QStringLiteral("-c") << kRunThenShell
                     << QStringLiteral("sh") << command;
    return launch;
  }
  return std::nullopt;
}

}  // namespace wrenpad
