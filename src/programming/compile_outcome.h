#pragma once
// What follows a compile, read from the message pane's text: the pane line
// that names the first error (the window jumps to the place it names), or
// running the program when the compile succeeded and a run was asked for.

#include "programming/message_jump.h"

#include <QString>
#include <optional>

namespace wrenpad {

struct CompileOutcome {
  // The pane position the caret goes to before the jump to the source.
  std::optional<qsizetype> errorPosition;
  bool execute = false;
  friend bool operator==(const CompileOutcome&, const CompileOutcome&) = default;
};

// `toolSucceeded` is the compiler's own verdict (exit status 0). The Windows
// tools are judged by the words they print only. Perl is never compiled.
CompileOutcome CompileOutcomeFor(const QString& paneText, LanguageMode mode, ToolProfile profile,
                                 bool executeAfterCompile, bool toolSucceeded = true);

}  // namespace wrenpad
