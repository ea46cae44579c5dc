#include "programming/message_jump.h"

#include <QRegularExpression>
#include <optional>

namespace wrenpad {

namespace {

constexpr int kDefaultColumn = 3;

// A decimal number, blanks before it allowed; nothing when the text is
// anything else.
std::optional<int> numberIn(QStringView text) {
  while (!text.isEmpty() && text.front() == u' ') text = text.mid(1);
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok || text.isEmpty() || !text.front().isDigit()) return std::nullopt;
  return value;
}

MessageTarget numberOr(QStringView text, int column) {
  if (const std::optional<int> line = numberIn(text)) return MessageJump{*line, column};
  return UnreadableNumber{text.toString()};
}

// Borland: "エラー E2451 test.cpp 12: message". The line number is the run of
// digits just before the last ":" (after "警告" when the line is a warning).
// All of its digits count, however many: a line 1234 is line 1234.
MessageTarget borlandTarget(const QString& line, int lineIndex) {
  QStringView s(line);
  const qsizetype warning = s.indexOf(u"警告");
  if (warning >= 0) s = s.mid(warning + 2);
  if (s.isEmpty()) return MessageJump{lineIndex, kDefaultColumn};
  const qsizetype colon = s.lastIndexOf(u':');
  if (colon < 0) return UnreadableNumber{s.toString()};
  qsizetype start = colon;
  while (start > 0 && s.at(start - 1).isDigit()) --start;
  if (start == colon) return UnreadableNumber{s.left(colon).right(3).toString()};
  return numberOr(s.mid(start, colon - start), kDefaultColumn);
}

// g++ and gcc: "a.cpp:12:5: error: message", or "a.cpp:12: error:" without a
// column. The column counts from 1.
MessageTarget gnuTarget(const QString& line, int lineIndex) {
  static const QRegularExpression place(QStringLiteral(":(\\d+):(?:(\\d+):)?"));
  const QRegularExpressionMatch match = place.match(line);
  if (!match.hasMatch()) return MessageJump{lineIndex, kDefaultColumn};
  const int column = match.capturedLength(2) > 0 ? std::max(0, match.captured(2).toInt() - 1) : 0;
  return MessageJump{match.captured(1).toInt(), column};
}

// javac: "/path/Test.java:7: error: message". The number before the ":" in
// the five characters after the path and its colon; the pane line's index
// when there is none.
MessageTarget javaTarget(const QString& line, int lineIndex, const QString& sourcePath) {
  const QStringView s = QStringView(line).mid(std::min(line.size(), sourcePath.size() + 1), 5);
  const qsizetype colon = s.indexOf(u':');
  if (colon < 0) return MessageJump{lineIndex, kDefaultColumn};
  if (const std::optional<int> number = numberIn(s.left(colon))) return MessageJump{*number, kDefaultColumn};
  return MessageJump{lineIndex, kDefaultColumn};
}

// perl: "syntax error at /srv/htdocs/a.cgi line 25, near ..." or "... line 8.".
// The number after " line ", ending at the first "." (else the first ",")
// of the ten characters from its first digit.
MessageTarget perlTarget(const QString& line, int lineIndex) {
  QString s = line;
  const qsizetype paren = s.indexOf(u')');
  if (paren >= 0) s[paren] = u',';
  const qsizetype at = s.indexOf(QStringLiteral(" line "));
  if (at < 0) return MessageJump{lineIndex, kDefaultColumn};
  const QStringView digits = QStringView(s).mid(at + 6, 10);
  qsizetype end = digits.indexOf(u'.');
  if (end < 0) end = digits.indexOf(u',');
  return numberOr(end < 0 ? digits : digits.left(end), kDefaultColumn);
}

// Free Pascal: "test.pas(7,12) Error: message" or "test.pas(7) Fatal: ...".
// fpc counts columns from 1: here the caret goes before the character it
// names; the Windows profile keeps the number as the offset.
MessageTarget pascalTarget(const QString& line, ToolProfile profile) {
  const qsizetype open = line.indexOf(u'(');
  const qsizetype comma = line.indexOf(u',');
  const qsizetype close = line.indexOf(u')');
  const auto between = [&line](qsizetype from, qsizetype to) {
    return QStringView(line).mid(from + 1, std::max<qsizetype>(0, to - from - 1));
  };
  if (comma >= 0 && (close < 0 || comma < close)) {
    const QStringView rowText = between(open, comma);
    const QStringView columnText = between(comma, close < 0 ? line.size() : close);
    const std::optional<int> row = numberIn(rowText);
    if (!row) return UnreadableNumber{rowText.toString()};
    const std::optional<int> column = numberIn(columnText);
    if (!column) return UnreadableNumber{columnText.toString()};
    return MessageJump{*row, profile == ToolProfile::Linux ? std::max(0, *column - 1) : *column};
  }
  return numberOr(between(open, close < 0 ? line.size() : close), 0);
}

}  // namespace

MessageTarget MessageJumpTarget(const QString& line, int lineIndex, LanguageMode mode,
                                ToolProfile profile, const QString& sourcePath) {
  switch (mode) {
    case LanguageMode::Cpp:
      return profile == ToolProfile::Windows ? borlandTarget(line, lineIndex) : gnuTarget(line, lineIndex);
    case LanguageMode::Java: return javaTarget(line, lineIndex, sourcePath);
    case LanguageMode::Perl: return perlTarget(line, lineIndex);
    case LanguageMode::Pascal: return pascalTarget(line, profile);
  }
  return MessageJump{lineIndex, kDefaultColumn};
}

bool IsErrorMessage(const QString& line, ToolProfile profile) {
  if (profile == ToolProfile::Windows) return line.contains(QStringLiteral("エラー"));
  return line.contains(QStringLiteral(" error:")) || line.contains(QStringLiteral("エラー:"));
}

}  // namespace wrenpad
