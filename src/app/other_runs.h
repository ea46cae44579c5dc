// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window holds one document: files named after the first on the command
// line open in runs of their own, started here and let go at once.

#include <QByteArray>
#include <QStringList>

namespace wrenpad {

// Starts `program` once for each of `files` ("program -- file"), each name
// with its own bytes (files::fileNameToBytes), in the working folder and
// environment of this run. The runs are not children of this one: they
// outlive it, and none is left behind as a zombie.
void startRunsForFiles(const QByteArray& program, const QStringList& files);

}  // namespace wrenpad
