// SPDX-License-Identifier: GPL-3.0-or-later
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

namespace {
// True when every line already ends in CR LF, the last included, with no
// lone CR or LF: the common case, which needs no copy.
bool isNormalDocumentText(const QString& text) {
  const qsizetype n = text.size();
  if (n == 0) return true;
  if (n < 2 || text.at(n - 2) != u'\r' || text.at(n - 1) != u'\n') return false;
  const QChar* data = text.constData();
  for (qsizetype i = 0; i < n; ++i) {
    if (data[i] == u'\r' && data[i + 1] != u'\n') return false;  // i + 1 < n: text ends in LF
    if (data[i] == u'\n' && (i == 0 || data[i - 1] != u'\r')) return false;
  }
  return true;
}
}  // namespace

QString normalizeDocumentText(const QString& text) {
  if (isNormalDocumentText(text)) return text;
  DocumentLines lines;
  lines.setText(text);
  return lines.text();
}

}  // namespace wrenpad
