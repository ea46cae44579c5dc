// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tool chains that compile a program document, as data: one profile for
// the tools on Windows (Borland C++, the JDK, Free Pascal's ppc386), kept as
// the command lines those tools take, and one for the tools that run here
// (g++ or gcc, javac, fpc). Perl is not compiled: its scripts are tried
// through the local web server.

#include <QString>
#include <optional>

#include "programming/captured_run.h"
#include "programming/message_jump.h"

namespace wrenpad {

struct CompileInput {
  LanguageMode mode = LanguageMode::Cpp;
  QString sourcePath;  // the document's full file name
  QString option;      // the language's entry of the compiler options
  QString toolFolder;  // the folder chosen for the language's tool, or empty
};

// The compile as this system runs it: the program (a full path when the
// tool folder holds it, else its name on PATH), the option split at blanks
// outside double quotes, and the file names as single arguments, a name
// that begins with "-" as "./name" so that no tool reads it as an option.
// C and C++ build the executable beside the source, named like it without
// the extension. Nothing for Perl.
std::optional<RunRequest> CompileRequest(const CompileInput& input);

// The folders where a compile looks for its tool, in order:
// the chosen tool folder's "bin" folder and the folder itself (when one is
// chosen), then the folders of `pathVariable` (PATH's value).
QStringList ToolSearchFolders(const QString& toolFolder, const QString& pathVariable);

// The command line the Windows tools are given, as those tools take it.
// Empty for Perl.
QString WindowsCompileCommandLine(const CompileInput& input);

// The command that runs the built program here: the executable beside the
// source, or for Java its class through java (from the JDK folder when it
// holds it) with the source's folder as class path. Nothing for Perl.
std::optional<QStringList> ExecuteCommand(LanguageMode mode, const QString& sourcePath,
                                          const QString& jdkFolder);

// The tool a language compiles with here ("g++", "gcc" for a ".c" file,
// "javac", "fpc"); empty for Perl.
QString CompilerName(LanguageMode mode, const QString& sourcePath);

}  // namespace wrenpad
