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
// A unit beyond ASCII that lowers to ASCII or to a half-width katakana.
bool isSingleByteWhenLowered(char16_t u) {
  if (QChar::isSurrogate(u)) return false;
  const char32_t lower = QChar::toLower(char32_t{u});
  return lower < 0x80 || (lower >= 0xFF61 && lower <= 0xFF9F);
}

struct TextMeasure {
  qsizetype characters = 0;
  qsizetype bytes = 0;
  bool breakTag = false;  // a "<br>" somewhere
  bool bodyTag = false;   // a "<body" somewhere
};

// Characters and Shift-JIS bytes of the text with its CR LF pairs left out,
// each character counted as its lower-case form, and whether the text holds
// "<br>" and "<body": one pass, no copy.
TextMeasure measure(QStringView text) {
  TextMeasure m;
  const QChar* at = text.data();
  const QChar* end = at + text.size();
  for (; at < end; ++at) {
    const char16_t u = at->unicode();
    if (u == u'\r' && at + 1 < end && at[1] == u'\n') {
      ++at;
      continue;
    }
    if (u == u'<') {
      const QStringView rest(at, end);
      m.breakTag = m.breakTag || MatchesLoweredAt(rest, 0, u"<br>");
      m.bodyTag = m.bodyTag || MatchesLoweredAt(rest, 0, u"<body");
    }
    ++m.characters;
    m.bytes += (u < 0x80 || isSingleByteWhenLowered(u)) ? 1 : 2;
  }
  return m;
}

bool mostlySingleByte(const TextMeasure& m) {
  if (m.bytes <= 0) return false;
  return static_cast<double>(m.characters) / static_cast<double>(m.bytes) > 0.9;
}
}  // namespace

bool IsEnglishText(QStringView text) {
  const TextMeasure whole = measure(text);
  if (whole.breakTag && whole.bodyTag)
    return mostlySingleByte(measure(bodyTextOf(LowerKeepingPositions(text.toString()))));
  return mostlySingleByte(whole);
}

}  // namespace wrenpad
