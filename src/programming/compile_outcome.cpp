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
};

bool isGnuError(const QString& line) { return IsErrorMessage(line, ToolProfile::Linux) && GnuMessagePlace(line); }
bool isGnuNote(const QString& line) {
  return IsGnuDiagnostic(line) && (line.contains(QStringLiteral(" note:")) || line.contains(QStringLiteral("備考:")));
}
bool isPascalPlace(const QString& line) { return PascalMessagePlace(line).has_value(); }
bool never(const QString&) { return false; }

MessageForm messageFormOf(LanguageMode mode) {
  if (mode == LanguageMode::Pascal) return {PascalMessagePlace, IsPascalError, isPascalPlace, never};
  return {GnuMessagePlace, isGnuError, IsGnuDiagnostic, isGnuNote};
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
  // "required from here" line first, else the nearest), else in a note
  // after it.
  std::optional<size_t> leadBack(size_t error) const {
    std::optional<size_t> nearest;
    for (size_t line = error; line-- > 0 && !form_.isDiagnostic(lines_[line].text);) {
      if (!inDocument(line)) continue;
      if (lines_[line].text.contains(QStringLiteral("required from here"))) return line;
      if (!nearest) nearest = line;
    }
    if (nearest) return nearest;
    for (size_t line = error + 1; line < lines_.size(); ++line) {
      const QString& text = lines_[line].text;
      if (form_.isDiagnostic(text) && !form_.isNote(text)) break;
      if (form_.isNote(text) && inDocument(line)) return line;
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
