// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/compile_outcome.h"

#include <vector>

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

struct PaneLine {
  qsizetype start = 0;
  QString text;
};

std::vector<PaneLine> paneLines(const QString& text) {
  std::vector<PaneLine> lines;
  for (qsizetype start = 0; start < text.size();) {
    qsizetype end = text.indexOf(u'\n', start);
    if (end < 0) end = text.size();
    lines.push_back({start, text.mid(start, end - start)});
    start = end + 1;
  }
  return lines;
}

// How the messages of one tool here read.
struct MessageForm {
  std::optional<SourcePlace> (*place)(const QString&);
  bool (*isError)(const QString&);
  bool (*isDiagnostic)(const QString&);  // a message of its own, not context
  bool (*isNote)(const QString&);
  bool (*isMacroUse)(const QString&);  // a note naming where a macro was used
};

bool isGnuError(const QString& line) { return IsErrorMessage(line, ToolProfile::Linux) && GnuMessagePlace(line); }
bool isGnuNote(const QString& line) {
  return IsGnuDiagnostic(line) && (line.contains(QStringLiteral(" note:")) || line.contains(QStringLiteral("備考:")));
}
// gcc's "main.c:7:5: note: in expansion of macro 'SHOW'": where a macro that
// went wrong was used.
bool isGnuMacroUse(const QString& line) {
  return isGnuNote(line) && (line.contains(QStringLiteral("in expansion of macro")) ||
                             (line.contains(QStringLiteral("マクロ")) && line.contains(QStringLiteral("展開"))));
}
bool isPascalPlace(const QString& line) { return PascalMessagePlace(line).has_value(); }
bool never(const QString&) { return false; }

MessageForm messageFormOf(LanguageMode mode) {
  if (mode == LanguageMode::Pascal) return {PascalMessagePlace, IsPascalError, isPascalPlace, never, never};
  return {GnuMessagePlace, isGnuError, IsGnuDiagnostic, isGnuNote, isGnuMacroUse};
}

class ErrorSearch {
 public:
  ErrorSearch(const QString& text, LanguageMode mode, const QString& sourcePath)
      : lines_(paneLines(text)), form_(messageFormOf(mode)), sourcePath_(sourcePath) {}

  CompileOutcome outcome() const {
    std::vector<size_t> errors;
    for (size_t i = 0; i < lines_.size(); ++i)
      if (form_.isError(lines_[i].text)) errors.push_back(i);
    if (errors.empty()) return {};
    for (const size_t error : errors)
      if (inDocument(error)) return at(error, true);
    for (const size_t error : errors)
      if (const std::optional<size_t> line = leadBack(error)) return at(*line, true);
    return at(errors.front(), false);
  }

 private:
  CompileOutcome at(size_t line, bool jump) const { return {lines_[line].start, jump, false}; }

  bool inDocument(size_t line) const {
    const std::optional<SourcePlace> place = form_.place(lines_[line].text);
    return place && NamesDocument(place->file, sourcePath_);
  }

  // The document's own line in the context printed before the error (the
  // "required from here" line first), else the use of the macro the error
  // came from (a note after it: a header's macro is used far below the
  // #include line), else the nearest line of the context, else any note
  // after the error.
  std::optional<size_t> leadBack(size_t error) const {
    std::optional<size_t> nearest;
    for (size_t line = error; line-- > 0 && !form_.isDiagnostic(lines_[line].text);) {
      if (!inDocument(line)) continue;
      if (lines_[line].text.contains(QStringLiteral("required from here"))) return line;
      if (!nearest) nearest = line;
    }
    if (const std::optional<size_t> use = noteAfter(error, form_.isMacroUse)) return use;
    if (nearest) return nearest;
    return noteAfter(error, form_.isNote);
  }

  // The first note of the document's own after the error that `wanted` takes.
  std::optional<size_t> noteAfter(size_t error, bool (*wanted)(const QString&)) const {
    for (size_t line = error + 1; line < lines_.size(); ++line) {
      const QString& text = lines_[line].text;
      if (form_.isDiagnostic(text) && !form_.isNote(text)) break;
      if (wanted(text) && inDocument(line)) return line;
    }
    return std::nullopt;
  }

  std::vector<PaneLine> lines_;
  MessageForm form_;
  QString sourcePath_;
};

}  // namespace

CompileOutcome CompileOutcomeFor(const QString& paneText, LanguageMode mode, ToolProfile profile,
                                 const QString& sourcePath, bool executeAfterCompile, bool toolSucceeded) {
  CompileOutcome outcome;
  if (mode == LanguageMode::Perl) return outcome;
  if (profile == ToolProfile::Linux) {
    if (toolSucceeded) {
      outcome.execute = executeAfterCompile;
      return outcome;
    }
    return ErrorSearch(paneText, mode, sourcePath).outcome();
  }
  outcome.errorPosition =
      mode == LanguageMode::Pascal ? pascalErrorPosition(paneText) : windowsErrorPosition(paneText, mode);
  outcome.jump = outcome.errorPosition.has_value();
  outcome.execute = executeAfterCompile && !outcome.errorPosition;
  return outcome;
}

}  // namespace wrenpad
