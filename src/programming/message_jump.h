// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a line of the compiler message pane points in the source: the line
// number, and a column for the tools that give one, read in the format of the
// current language's tool. Pure functions over one pane line.

#include "settings/language_mode.h"

#include <QString>
#include <optional>
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
// A line of the tools here that names no line of the document: another
// file's (a header, a unit, the library's own code), or none at all. The
// caret stays. `file` is the file named, empty when there is none.
struct NoDocumentPlace {
  QString file;
  friend bool operator==(const NoDocumentPlace&, const NoDocumentPlace&) = default;
};
using MessageTarget = std::variant<MessageJump, UnreadableNumber, NoDocumentPlace>;

// A place a message names: the file as the tool wrote it, the 1-based line
// and the column as printed (0 when there is none).
struct SourcePlace {
  QString file;
  int line = 0;
  int column = 0;
  friend bool operator==(const SourcePlace&, const SourcePlace&) = default;
};

// g++, gcc and javac: "file:12:5: error: ...", "file:12: error: ...",
// "file:6:12:   required from here", and the include chain "In file
// included from file:1:" with its "                 from file:3," lines.
// Nothing for a line that names no line of a file ("file: In function ...",
// the quoted source "   12 |   x = y;", "collect2: error: ...").
std::optional<SourcePlace> GnuMessagePlace(const QString& line);

// Free Pascal: "file(7,12) Error: ..." or "file(7) Fatal: ...".
std::optional<SourcePlace> PascalMessagePlace(const QString& line);

// A message that names no file: "12:5: error: ..." (the page check's). It
// names a line of the document itself, whatever the language and its tools.
std::optional<SourcePlace> BareMessagePlace(const QString& line);

// Whether `file`, as a tool run in the source's folder printed it (relative
// to that folder, or absolute), is the document `sourcePath`.
bool NamesDocument(const QString& file, const QString& sourcePath);

// Reads pane line number `lineIndex` (0-based), whose text is `line`.
// `sourcePath` is the document's full file name (Java messages start with
// it). A line without a file name (BareMessagePlace) is a jump in every
// language, its column counted from 1. The Windows tools' rules: a message without a readable place sends
// the caret to the line numbered like the pane line's index, three
// characters in, where the tool's rules say so; otherwise the number that
// cannot be read is given back. The compilers here: only a place in the
// document itself is a jump.
MessageTarget MessageJumpTarget(const QString& line, int lineIndex, LanguageMode mode,
                                ToolProfile profile, const QString& sourcePath);

// Whether a pane line reports an error, for the check after a compile:
// Borland's "エラー", or for g++/gcc " error:" or "エラー:".
bool IsErrorMessage(const QString& line, ToolProfile profile);

// Whether a g++/gcc/javac pane line is a message of its own (an error, a
// warning or a note at a place) rather than the context or source quoted
// around one.
bool IsGnuDiagnostic(const QString& line);

// Whether a Free Pascal pane line is an error at a place ("Error:" or
// "Fatal:" after the place).
bool IsPascalError(const QString& line);

}  // namespace wrenpad
