// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Coding menu, its prompts and the options dialog say about the tool
// chains, and the files and command lines the Windows tools are given, as
// data. The Windows profile keeps the Windows tools' names and files; the
// Linux profile names the tools that run here.

#include "programming/message_jump.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace wrenpad {

// The profile of the system the program was built for.
ToolProfile CurrentToolProfile();

struct CodingMenuCaptions {
  QString coding;       // the Coding menu's title
  QString setCompiler;  // its first item
  bool inputWizard = true;
};
CodingMenuCaptions CodingMenuCaptionsFor(LanguageMode mode, ToolProfile profile);

// "Borland C++ compiler (bcc32.exe)", "GNU C/C++ compiler (g++)", ..., in
// the interface language. Empty for Perl.
QString ToolLabel(LanguageMode mode, ToolProfile profile);

// The message shown before the folder of a language's tool is chosen.
QString ToolFolderPrompt(LanguageMode mode, ToolProfile profile);

// The options dialog's language items, in LanguageMode order.
QStringList ProgrammingLanguageItems(ToolProfile profile);

// A text file the Windows tools read: its name and lines (each written
// with CR LF, the last one too, in the system's ANSI code page).
struct ToolFile {
  QString name;
  QStringList lines;
  friend bool operator==(const ToolFile&, const ToolFile&) = default;
};

// The files written into the folder chosen for a language's Windows tool
// (its "bin" folder for Borland C++ and the JDK). `installFolder` is the
// folder the setting keeps: the chosen one without its last component for
// those two.
std::vector<ToolFile> WindowsToolFiles(LanguageMode mode, const QString& installFolder);

// The line that puts a tool folder on the search path of Windows' start-up file.
QString StartupPathLine(const QString& folder);

// The Windows version as a small number: 0 Windows 95, 1 Windows 98, 2
// Windows Me, 3 and 4 NT 3 and 4, 5 Windows 2000, 6 Windows XP, 7 other.
enum class WindowsPlatform { Win9x, NT, Other };
int WindowsKind(WindowsPlatform platform, int major, int minor);

// The console command that runs a built program on Windows and keeps the
// console open. `bareName` is the document's name without its folder.
QString WindowsExecuteCommandLine(LanguageMode mode, int windowsKind, const QString& bareName,
                                  const QString& jdkFolder);

}  // namespace wrenpad
