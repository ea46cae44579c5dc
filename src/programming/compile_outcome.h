// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What follows a compile, read from the message pane's text: the pane line
// to show (the first error, or the line of the document it leads back to,
// whose place the caret jumps to), or running the program when the compile
// succeeded and a run was asked for.

#include "programming/message_jump.h"

#include <QString>
#include <optional>

namespace wrenpad {

struct CompileOutcome {
  // The pane position the pane's caret goes to.
  std::optional<qsizetype> errorPosition;
  // Whether the line there names a place in the document, for the caret to
  // jump to; an error whose trail never reaches the document is only shown.
  bool jump = false;
  bool execute = false;
  friend bool operator==(const CompileOutcome&, const CompileOutcome&) = default;
};

// `sourcePath` is the document compiled; `toolSucceeded` is the compiler's
// own verdict (exit status 0). Here that verdict alone decides whether the
// build failed, and the messages only choose the line: the first error in
// the document itself; else the document's line that the first error leads
// back to (g++'s "required from here", the "In file included from" chain,
// a note "in expansion of macro", which goes before the include chain);
// else the first error, without a jump.
// The Windows tools are judged by the words they print only. Perl is never
// compiled.
CompileOutcome CompileOutcomeFor(const QString& paneText, LanguageMode mode, ToolProfile profile,
                                 const QString& sourcePath, bool executeAfterCompile, bool toolSucceeded = true);

}  // namespace wrenpad
