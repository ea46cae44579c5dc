#pragma once
// The file a compile makes, and whether it is newer than its source, so that
// Compile and Execute on an unchanged, already built program runs it at once.

#include <QDateTime>
#include <QString>
#include <optional>

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

// The same for files on disk.
bool IsBuildUpToDate(LanguageMode mode, const QString& sourcePath, ToolProfile profile);

}  // namespace wrenpad
