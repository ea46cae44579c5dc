#include "programming/compile_outcome.h"

#include <QRegularExpression>

namespace wrenpad {

namespace {

// Free Pascal stops with "Fatal"; an "Error" line before it names the place.
std::optional<qsizetype> pascalErrorPosition(const QString& text) {
  const qsizetype fatal = text.indexOf(QStringLiteral("Fatal"));
  if (fatal < 0) return std::nullopt;
  const qsizetype error = text.indexOf(QStringLiteral("Error"));
  return error >= 0 && error < fatal ? error : fatal;
}

// The Windows tools: Borland C++ and javac print "エラー".
std::optional<qsizetype> windowsErrorPosition(const QString& text, LanguageMode mode) {
  const qsizetype error = text.indexOf(QStringLiteral("エラー"));
  if (error < 0) return std::nullopt;
  return mode == LanguageMode::Java ? 1 : error + 1;
}

// g++, gcc and javac: the first error line that names a source place
// ("a.cpp:12:5: error:", "/p/A.java:3: error:"). A linker's "collect2:
// error:" names none: the compile failed, but there is nowhere to jump.
std::optional<qsizetype> gnuErrorPosition(const QString& text) {
  static const QRegularExpression place(QStringLiteral(":\\d+:"));
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = text.indexOf(u'\n', start);
    if (end < 0) end = text.size();
    const QString line = text.mid(start, end - start);
    if (IsErrorMessage(line, ToolProfile::Linux) && place.match(line).hasMatch()) return start;
    start = end + 1;
  }
  return std::nullopt;
}

}  // namespace

CompileOutcome CompileOutcomeFor(const QString& paneText, LanguageMode mode, ToolProfile profile,
                                 bool executeAfterCompile, bool toolSucceeded) {
  CompileOutcome outcome;
  if (mode == LanguageMode::Perl) return outcome;
  if (mode == LanguageMode::Pascal)
    outcome.errorPosition = pascalErrorPosition(paneText);
  else if (profile == ToolProfile::Windows)
    outcome.errorPosition = windowsErrorPosition(paneText, mode);
  else
    outcome.errorPosition = gnuErrorPosition(paneText);
  const bool succeeded = profile == ToolProfile::Windows || toolSucceeded;
  outcome.execute = executeAfterCompile && succeeded && !outcome.errorPosition;
  return outcome;
}

}  // namespace wrenpad
