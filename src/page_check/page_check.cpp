// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_check/page_check.h"

#if __has_include(<tidy/tidy.h>)
#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>
#else
#include <tidy.h>
#include <tidybuffio.h>
#endif

#include <QByteArray>
#include <algorithm>
#include <optional>

namespace wrenpad {

namespace {

constexpr int kTabSize = 8;
// Tidy stops listing errors after this many; a page never has as many.
constexpr int kErrorLimit = 1000000;

// A finding as tidy placed it, before its column is counted in characters.
struct TidyFinding {
  PageFinding finding;
  int tidyColumn = 0;
};

QString argumentText(TidyMessage message, TidyMessageArgument* argument) {
  switch (tidyGetArgType(message, argument)) {
    case tidyFormatType_STRING: return QString::fromUtf8(tidyGetArgValueString(message, argument));
    case tidyFormatType_UINT: return QString::number(tidyGetArgValueUInt(message, argument));
    case tidyFormatType_INT: return QString::number(tidyGetArgValueInt(message, argument));
    case tidyFormatType_DOUBLE: return QString::number(tidyGetArgValueDouble(message, argument));
    default: return {};
  }
}

// Errors stay errors; warnings and the notes about the page's own mark-up (an
// attribute value without quotes) are warnings. Reports on tidy's options and
// its summary are not about the page.
std::optional<FindingLevel> levelOf(TidyReportLevel level) {
  switch (level) {
    case TidyError:
    case TidyBadDocument:
    case TidyFatal: return FindingLevel::Error;
    case TidyWarning:
    case TidyAccess:
    case TidyInfo: return FindingLevel::Warning;
    default: return std::nullopt;
  }
}

Bool TIDY_CALL collect(TidyMessage message) {
  auto* found = static_cast<std::vector<TidyFinding>*>(tidyGetAppData(tidyGetMessageDoc(message)));
  const std::optional<FindingLevel> level = levelOf(tidyGetMessageLevel(message));
  const int line = tidyGetMessageLine(message);
  const QString code = QString::fromLatin1(tidyGetMessageKey(message));
  // A message with no line is about the whole run ("content looks like
  // HTML5"); "previously mentioned" only points back at another message's tag.
  if (!level || line <= 0 || code == QLatin1String("PREVIOUS_LOCATION")) return no;
  TidyFinding each{{line, 0, *level, code, {}, QString::fromUtf8(tidyGetMessageDefault(message))},
                   std::max(1, tidyGetMessageColumn(message))};
  for (TidyIterator it = tidyGetMessageArguments(message); it;) {
    TidyMessageArgument argument = tidyGetNextMessageArgument(message, &it);
    each.finding.arguments << argumentText(message, &argument);
  }
  found->push_back(std::move(each));
  return no;  // nothing goes to tidy's own output
}

std::vector<TidyFinding> runTidy(const QByteArray& utf8) {
  std::vector<TidyFinding> found;
  TidyDoc doc = tidyCreate();
  tidySetAppData(doc, &found);
  tidySetMessageCallback(doc, collect);
  tidyOptSetValue(doc, TidyInCharEncoding, "utf8");
  tidyOptSetValue(doc, TidyDoctype, "auto");
  // No output is made; with none named, tidy leaves a declared charset alone
  // instead of reporting it replaced by the input's UTF-8.
  tidyOptSetValue(doc, TidyOutCharEncoding, "raw");
  tidyOptSetBool(doc, TidyMark, no);
  tidyOptSetBool(doc, TidyShowWarnings, yes);
  tidyOptSetBool(doc, TidyShowInfo, no);
  tidyOptSetBool(doc, TidyQuiet, yes);
  tidyOptSetInt(doc, TidyShowErrors, kErrorLimit);
  tidyOptSetInt(doc, TidyTabSize, kTabSize);
  // Whatever tidy would still print goes to a buffer, never to the terminal.
  TidyBuffer printed;
  tidyBufInit(&printed);
  tidySetErrorBuffer(doc, &printed);
  TidyBuffer input;
  tidyBufInit(&input);
  tidyBufAttach(&input, reinterpret_cast<byte*>(const_cast<char*>(utf8.data())), uint(utf8.size()));
  // The repair pass reports the attributes and elements a page should not use.
  if (tidyParseBuffer(doc, &input) >= 0) tidyCleanAndRepair(doc);
  tidyBufDetach(&input);
  tidyRelease(doc);
  tidyBufFree(&printed);
  return found;
}

// Walks one line from its start, a character at a time, as tidy counts its
// columns; asked for columns in rising order, it never walks back.
class ColumnWalk {
 public:
  ColumnWalk(QStringView line, int tabSize) : line_(line), tabSize_(tabSize) {}

  int characterColumn(int tidyColumn) {
    while (index_ < line_.size()) {
      const int width = line_[index_] == u'\t' ? tabSize_ - (column_ - 1) % tabSize_ : 1;
      if (column_ + width > tidyColumn) break;
      column_ += width;
      const bool pair = line_[index_].isHighSurrogate() && index_ + 1 < line_.size() &&
                        line_[index_ + 1].isLowSurrogate();
      index_ += pair ? 2 : 1;
      ++characters_;
    }
    return characters_ + 1;
  }

 private:
  QStringView line_;
  int tabSize_;
  int column_ = 1;  // tidy's column of line_[index_]
  qsizetype index_ = 0;
  int characters_ = 0;
};

// Where each line of `text` starts; every line ends in "\n".
std::vector<qsizetype> lineStarts(const QString& text) {
  std::vector<qsizetype> starts{0};
  for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n', at + 1)) starts.push_back(at + 1);
  return starts;
}

}  // namespace

int CharacterColumn(QStringView line, int tidyColumn, int tabSize) {
  return ColumnWalk(line, tabSize).characterColumn(tidyColumn);
}

std::vector<PageFinding> CheckPage(const QString& pageText) {
  // Tidy reads CR LF and a lone CR as one line end, as the editor does.
  QString text = pageText;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
  std::vector<TidyFinding> found = runTidy(text.toUtf8());
  std::stable_sort(found.begin(), found.end(), [](const TidyFinding& a, const TidyFinding& b) {
    return std::pair(a.finding.line, a.tidyColumn) < std::pair(b.finding.line, b.tidyColumn);
  });
  const std::vector<qsizetype> starts = lineStarts(text);
  std::vector<PageFinding> findings;
  findings.reserve(found.size());
  std::optional<ColumnWalk> walk;
  int walkedLine = 0;
  for (TidyFinding& each : found) {
    const int line = each.finding.line;
    if (line != walkedLine) {
      const size_t index = std::min(size_t(line - 1), starts.size() - 1);
      const qsizetype end = index + 1 < starts.size() ? starts[index + 1] - 1 : text.size();
      walk.emplace(QStringView(text).mid(starts[index], end - starts[index]), kTabSize);
      walkedLine = line;
    }
    each.finding.column = walk->characterColumn(each.tidyColumn);
    // Tidy now and then tells the same thing twice at one place.
    if (!findings.empty() && findings.back() == each.finding) continue;
    findings.push_back(std::move(each.finding));
  }
  return findings;
}

}  // namespace wrenpad
