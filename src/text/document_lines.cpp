#include "text/document_lines.h"

namespace wrenpad {

void DocumentLines::setText(const QString& text) {
  lines_.clear();
  const qsizetype end = text.size();
  qsizetype start = 0;
  for (qsizetype i = 0; i < end; ++i) {
    const QChar c = text.at(i);
    if (c != u'\r' && c != u'\n') continue;
    lines_.append(text.mid(start, i - start));
    if (c == u'\r' && i + 1 < end && text.at(i + 1) == u'\n') ++i;
    start = i + 1;
  }
  if (start < end) lines_.append(text.mid(start, end - start));
}

QString DocumentLines::text() const {
  QString result;
  qsizetype size = 0;
  for (const QString& line : lines_) size += line.size() + 2;
  result.reserve(size);
  for (const QString& line : lines_) {
    result += line;
    result += QLatin1String("\r\n");
  }
  return result;
}

QString normalizeDocumentText(const QString& text) {
  DocumentLines lines;
  lines.setText(text);
  return lines.text();
}

}  // namespace wrenpad
