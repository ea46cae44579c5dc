#pragma once
// Where a line of the compiler message pane points in the source: the line
// number, and a column for the tools that give one, read in the format of the
// current language's tool. Pure functions over one pane line.

#include "settings/language_mode.h"

#include <QString>
#include <variant>

namespace wrenpad {

// Which tools print the messages: the Windows tools (Borland C++, the JDK,
// Free Pascal's ppc386, Perl through a local server) or the ones that run on
// Linux (g++ or gcc, the JDK, fpc, perl through lighttpd).
enum class ToolProfile { Windows, Linux };

// A jump: the 1-based source line and the column offset from its start.
struct MessageJump {
  int line = 0;
  int column = 0;
  friend bool operator==(const MessageJump&, const MessageJump&) = default;
};
// The text that should have been a number and was not; the caret stays.
struct UnreadableNumber {
  QString text;
  friend bool operator==(const UnreadableNumber&, const UnreadableNumber&) = default;
};
using MessageTarget = std::variant<MessageJump, UnreadableNumber>;

// Reads pane line number `lineIndex` (0-based), whose text is `line`.
// `sourcePath` is the document's full file name (Java messages start with
// it). A message without a readable place sends the caret to the line
// numbered like the pane line's index, three characters in, where the tool's
// rules say so; otherwise the number that cannot be read is reported.
MessageTarget MessageJumpTarget(const QString& line, int lineIndex, LanguageMode mode,
                                ToolProfile profile, const QString& sourcePath);

// Whether a pane line reports an error that stops the build, for the check
// after a compile: Borland's "エラー", or for g++/gcc " error:" or "エラー:".
bool IsErrorMessage(const QString& line, ToolProfile profile);

}  // namespace wrenpad
