// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/message_jump.h"

#include <QDir>
#include <QFileInfo>
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

// The tools here (g++, gcc, javac, fpc): a place in the document itself.
// Their columns count from 1: the caret goes before the character named.
MessageTarget documentTarget(const std::optional<SourcePlace>& place, const QString& sourcePath) {
  if (!place) return NoDocumentPlace{};
  if (!NamesDocument(place->file, sourcePath)) return NoDocumentPlace{place->file};
  return MessageJump{place->line, std::max(0, place->column - 1)};
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

// Free Pascal's ppc386: "test.pas(7,12) Error: message" or "test.pas(7)
// Fatal: ...", the column kept as the offset.
MessageTarget pascalTarget(const QString& line) {
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
    return MessageJump{*row, *column};
  }
  return numberOr(between(open, close < 0 ? line.size() : close), 0);
}

SourcePlace placeFrom(const QRegularExpressionMatch& match) {
  return SourcePlace{match.captured(1), match.captured(2).toInt(), match.captured(3).toInt()};
}

// The source quoted under a message: "   12 |   x = y;" and its marker line.
bool isQuotedSource(const QString& file) {
  static const QRegularExpression quoted(QStringLiteral("^\\s*\\d*\\s*\\|"));
  return quoted.match(file).hasMatch();
}

}  // namespace

std::optional<SourcePlace> GnuMessagePlace(const QString& line) {
  static const QRegularExpression included(
      QStringLiteral("^(?:In file included from|\\s+from) (.+?):(\\d+)(?::(\\d+))?[:,]$"));
  static const QRegularExpression place(QStringLiteral("^(.+?):(\\d+)(?::(\\d+))?:(?: |$)"));
  QString text = line;
  while (!text.isEmpty() && text.back().isSpace()) text.chop(1);
  if (const QRegularExpressionMatch match = included.match(text); match.hasMatch()) return placeFrom(match);
  const QRegularExpressionMatch match = place.match(text);
  if (!match.hasMatch()) return std::nullopt;
  const QString file = match.captured(1);
  // "a.cpp: In function 'f(int)':" names a file, not a place in it.
  if (file.contains(QStringLiteral(": ")) || isQuotedSource(file)) return std::nullopt;
  return placeFrom(match);
}

std::optional<SourcePlace> PascalMessagePlace(const QString& line) {
  static const QRegularExpression place(QStringLiteral("^(.+?)\\((\\d+)(?:,(\\d+))?\\) "));
  const QRegularExpressionMatch match = place.match(line);
  if (!match.hasMatch()) return std::nullopt;
  return placeFrom(match);
}

std::optional<SourcePlace> BareMessagePlace(const QString& line) {
  static const QRegularExpression place(QStringLiteral("^(\\d+):(\\d+): "));
  const QRegularExpressionMatch match = place.match(line);
  if (!match.hasMatch()) return std::nullopt;
  return SourcePlace{QString(), match.captured(1).toInt(), match.captured(2).toInt()};
}

bool NamesDocument(const QString& file, const QString& sourcePath) {
  if (file.isEmpty() || sourcePath.isEmpty()) return false;
  const QFileInfo source(sourcePath);
  const QString named = QDir::cleanPath(QDir(source.absolutePath()).absoluteFilePath(file));
  return named == QDir::cleanPath(source.absoluteFilePath());
}

MessageTarget MessageJumpTarget(const QString& line, int lineIndex, LanguageMode mode,
                                ToolProfile profile, const QString& sourcePath) {
  if (const std::optional<SourcePlace> place = BareMessagePlace(line))
    return MessageJump{place->line, std::max(0, place->column - 1)};
  if (profile == ToolProfile::Linux && mode != LanguageMode::Perl) {
    const bool pascal = mode == LanguageMode::Pascal;
    return documentTarget(pascal ? PascalMessagePlace(line) : GnuMessagePlace(line), sourcePath);
  }
  switch (mode) {
    case LanguageMode::Cpp: return borlandTarget(line, lineIndex);
    case LanguageMode::Java: return javaTarget(line, lineIndex, sourcePath);
    case LanguageMode::Perl: return perlTarget(line, lineIndex);
    case LanguageMode::Pascal: return pascalTarget(line);
  }
  return MessageJump{lineIndex, kDefaultColumn};
}

bool IsErrorMessage(const QString& line, ToolProfile profile) {
  if (profile == ToolProfile::Windows) return line.contains(QStringLiteral("エラー"));
  return line.contains(QStringLiteral(" error:")) || line.contains(QStringLiteral("エラー:"));
}

bool IsGnuDiagnostic(const QString& line) {
  static const QRegularExpression kind(QStringLiteral(" (?:error|warning|note):|(?:エラー|警告|備考):"));
  return GnuMessagePlace(line) && kind.match(line).hasMatch();
}

bool IsPascalError(const QString& line) {
  static const QRegularExpression error(QStringLiteral("^.+?\\(\\d+(?:,\\d+)?\\) (?:Error|Fatal):"));
  return error.match(line).hasMatch();
}

}  // namespace wrenpad
