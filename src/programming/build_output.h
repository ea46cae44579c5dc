// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file a compile makes, and whether it is newer than its source, so that
// Compile and Execute on an unchanged, already built program runs it at once;
// and the sources whose last compile failed, whose outputs never count.

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "documents/file_access.h"
#include "programming/message_jump.h"

namespace wrenpad {

// What the compile of `sourcePath` writes: "Name.class" beside a Java source;
// for the tools here the executable named like the source without its
// extension, for the Windows tools that name with ".exe". Nothing for Perl.
std::optional<QString> BuildOutputFor(LanguageMode mode, const QString& sourcePath, ToolProfile profile);

// Whether the output still stands for the source: it exists and was written
// no earlier than the source. (A margin of seconds in the source's favour
// would run a stale program after a quick fix and save.)
bool IsOutputUpToDate(const std::optional<QDateTime>& sourceModified,
                      const std::optional<QDateTime>& outputModified);

// The sources whose last compile failed, each as it was when compiled (the
// file, its size and time). What such a compile left behind (javac writes
// the classes it could; the old program stays when an included header or a
// unit broke the build) never passes for a build of the source, until the
// source changes or a compile of it succeeds.
class FailedBuilds {
 public:
  // The compile of the source stamped `source` when it began has ended.
  void compiled(const files::FileStamp& source, bool succeeded);
  // Whether the last compile of the file at `sourcePath`, as it is now, failed.
  bool failedAsItIs(const QString& sourcePath) const;

 private:
  std::vector<files::FileStamp> failed_;
};

// The same for files on disk: never for a source whose last compile failed.
bool IsBuildUpToDate(LanguageMode mode, const QString& sourcePath, ToolProfile profile,
                     const FailedBuilds& failed = {});

}  // namespace wrenpad
