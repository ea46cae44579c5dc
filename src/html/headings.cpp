// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/headings.h"

#include "text/text_helpers.h"

#include <optional>

namespace wrenpad {

namespace {
constexpr int kOpeningStem = 4;  // "<hN" and one more character: ">" or a blank

struct HeadingTag {
  qsizetype at = 0;  // where "<hN" starts
  int level = 0;
};

// The first level of 1 to 5 whose "<hN" occurs in the line.
std::optional<HeadingTag> findHeading(const QString& line) {
  const QString lower = LowerKeepingPositions(line);
  for (int level = 1; level <= 5; ++level) {
    const qsizetype at = lower.indexOf(QStringLiteral("<h%1").arg(level));
    if (at >= 0) return HeadingTag{at, level};
  }
  return std::nullopt;
}

QString withoutFirstBreakTag(QString text) {
  const qsizetype at = text.indexOf(QStringLiteral("<br>"), 0, Qt::CaseInsensitive);
  if (at >= 0) text.remove(at, 4);
  return text;
}
}  // namespace

QString StripHeadingTags(const QString& line) {
  const std::optional<HeadingTag> heading = findHeading(line);
  if (!heading) return line;
  QString stripped = line;
  stripped.remove(heading->at, kOpeningStem);
  const QString closing = QStringLiteral("</h%1>").arg(heading->level);
  const qsizetype close = LowerKeepingPositions(stripped).indexOf(closing);
  if (close >= 0) stripped.remove(close, closing.size());
  return stripped;
}

QString HeadingLine(const QString& line, int level) {
  const std::optional<HeadingTag> heading = findHeading(line);
  const QString text = withoutFirstBreakTag(StripHeadingTags(line));
  // An opening tag with attributes (align = "center">) leaves them behind.
  const bool attributesRemain =
      heading && heading->at + 3 < line.size() && line.at(heading->at + 3) != u'>';
  if (level < 1) return attributesRemain ? text.mid(text.indexOf(u'>') + 1) : text;
  if (attributesRemain) return QStringLiteral("<h%1 %2</h%1>").arg(level).arg(text);
  return QStringLiteral("<h%1>%2</h%1>").arg(level).arg(text);
}

}  // namespace wrenpad
