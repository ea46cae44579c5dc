#include "text/english_text.h"

#include "text/text_helpers.h"

namespace wrenpad {

namespace {
// 1-based position of `needle` in `text`, 0 when absent.
qsizetype pos(const QString& needle, const QString& text) {
  return text.indexOf(needle) + 1;
}

// Copy of `count` characters from 1-based position `from`.
QString copy(const QString& text, qsizetype from, qsizetype count) {
  if (count <= 0 || from < 1 || from > text.size()) return QString();
  return text.mid(from - 1, count);
}

// The text of a page body with tags and comment marks removed: the body
// starts six characters after "<body" and ends before "</body>".
QString bodyTextOf(const QString& page) {
  const qsizetype body = pos(QStringLiteral("<body"), page);
  const qsizetype end = pos(QStringLiteral("</body>"), page);
  QString t = copy(page, body + 6, end - (body + 6));
  qsizetype g = pos(QStringLiteral(">"), t);
  t = t.mid(g);  // drop everything up to and including the first ">"
  qsizetype p = pos(QStringLiteral("<"), t);
  t.remove(QStringLiteral("<!--"));
  t.remove(QStringLiteral("-->"));
  // At most 300 tags are cut out; a ">" before the next "<" stops progress,
  // which the limit also ends.
  for (int round = 0; round < 300 && p > 0 && g > 0; ++round) {
    g = pos(QStringLiteral(">"), t);
    if (g >= p) t.remove(p - 1, g - p + 1);
    p = pos(QStringLiteral("<"), t);
  }
  return t;
}
}  // namespace

qsizetype shiftJisByteLength(const QString& text) {
  qsizetype bytes = 0;
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    const bool single = u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F);
    bytes += single ? 1 : 2;
  }
  return bytes;
}

bool IsEnglishText(const QString& text) {
  QString t = LowerKeepingPositions(text);
  if (t.contains(QStringLiteral("<br>")) && t.contains(QStringLiteral("<body")))
    t = bodyTextOf(t);
  t.remove(QStringLiteral("\r\n"));
  const qsizetype bytes = shiftJisByteLength(t);
  if (bytes <= 0) return false;
  return static_cast<double>(t.size()) / static_cast<double>(bytes) > 0.9;
}

}  // namespace wrenpad
