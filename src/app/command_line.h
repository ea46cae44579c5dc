// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the command line asks for: help, the version, or files to edit. Each
// file opens in a window of its own (a window holds one document), so the
// first goes to this run and the others to runs of their own.

#include <QString>
#include <QStringList>

namespace wrenpad {

struct CommandLineRequest {
  enum class Kind { Edit, Help, Version, Mistake };
  Kind kind = Kind::Edit;
  QStringList files;  // as written, in order (Edit)
  QString text;       // what to print (Help, Version, Mistake)
};

// Reads the arguments (without the program name): "-h"/"--help",
// "-v"/"--version", "--" before names that begin with "-". The texts to print
// are in the interface language. An argument that is exactly "/starup" (the
// marker our own "Open With" entry passes) is dropped with every argument
// before it; a name that merely contains those letters is a name like any
// other.
CommandLineRequest parseCommandLine(const QStringList& arguments);

// The version line "--version" prints.
QString versionText();

// Whether a locale's settings ask for Japanese: the first of LC_ALL,
// LC_MESSAGES and LANG that is set decides (as for any program's messages),
// Japanese when it begins with "ja".
bool localeIsJapanese(const QString& lcAll, const QString& lcMessages, const QString& lang);

// The full name the program opens for a command-line name: relative names
// are taken from the working folder `workingFolder`. A name that matches no
// file stays as the user wrote it, so the load can say which file is missing.
// A name whose bytes are not UTF-8 (files::fileNameFromBytes) keeps them.
QString resolveCommandLineFile(const QString& name, const QString& workingFolder);

}  // namespace wrenpad
