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

namespace {
// Characters and Shift-JIS bytes of the text with its CR LF pairs left out,
// each character counted as its lower-case form: one pass, no copy.
bool mostlySingleByte(const QString& text) {
  qsizetype characters = 0;
  qsizetype bytes = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text.at(i);
    if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n') {
      ++i;
      continue;
    }
    const char16_t u = c.toLower().unicode();
    ++characters;
    bytes += (u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F)) ? 1 : 2;
  }
  if (bytes <= 0) return false;
  return static_cast<double>(characters) / static_cast<double>(bytes) > 0.9;
}
}  // namespace

bool IsEnglishText(const QString& text) {
  if (text.contains(QStringLiteral("<br>"), Qt::CaseInsensitive) &&
      text.contains(QStringLiteral("<body"), Qt::CaseInsensitive))
    return mostlySingleByte(bodyTextOf(LowerKeepingPositions(text)));
  return mostlySingleByte(text);
}

}  // namespace wrenpad
