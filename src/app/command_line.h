// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program takes one file name on its command line. The shell may split a
// name with blanks into several arguments, so they are joined again.

#include <QString>
#include <QStringList>

namespace wrenpad {

// Joins the arguments (without the program name) with single blanks. An
// argument that is exactly "/starup" (the marker our own desktop entry
// passes) is dropped with every argument before it; a name that merely
// contains those letters is a name like any other.
QString joinCommandLine(const QStringList& arguments);

// The full name the program opens for a command-line name: relative names
// are taken from the working folder `workingFolder`. A name that matches no
// file stays as the user wrote it, so the load can say which file is missing.
// A name whose bytes are not UTF-8 (files::fileNameFromBytes) keeps them.
QString resolveCommandLineFile(const QString& name, const QString& workingFolder);

}  // namespace wrenpad
