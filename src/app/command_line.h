#pragma once
// The program takes one file name on its command line. The shell may split a
// name with blanks into several arguments, so they are joined again.

#include <QString>
#include <QStringList>

namespace wrenpad {

// Joins the arguments (without the program name) with single blanks. When the
// result contains "/starup", everything up to and including the eight
// characters that begin at that word is dropped.
QString joinCommandLine(const QStringList& arguments);

// The name the program opens for a command-line name: relative names are
// taken from the working folder `workingFolder`. When no such file exists
// the name part is left empty (the folder followed by "/"), so the later load
// fails with a message instead of opening some other file.
QString resolveCommandLineFile(const QString& name, const QString& workingFolder);

}  // namespace wrenpad
