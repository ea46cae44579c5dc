// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Running a built program where the user can see it and type to it: in a
// terminal window, in the document's folder, with an interactive shell left
// open after the program ends. The terminal is $TERMINAL, then the system's
// x-terminal-emulator, then the first common emulator on PATH.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace wrenpad {

struct TerminalLaunch {
  QString program;
  QStringList arguments;
  QString workingFolder;
};

// What the choice depends on: the TERMINAL variable and a PATH look-up
// (QStandardPaths::findExecutable in the program; a table in tests).
struct TerminalEnvironment {
  QString terminalVariable;
  std::function<QString(const QString& name)> findExecutable;
};
TerminalEnvironment systemTerminalEnvironment();

// The launch that runs `command` (a program and its arguments) in `folder`,
// then leaves a shell open there. The command's words reach the program as
// they are: they travel as arguments of a fixed shell script, never inside
// it. Nothing when no terminal is found.
std::optional<TerminalLaunch> TerminalLaunchFor(const QStringList& command, const QString& folder,
                                                const TerminalEnvironment& environment);

}  // namespace wrenpad
