// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/text_helpers.h"

#include <QList>
#include <algorithm>

namespace wrenpad {

int CountOccurrences(const QString& needle, const QString& text) {
  if (needle.isEmpty()) return 0;
  int count = 0;
  for (qsizetype at = text.indexOf(needle); at >= 0; at = text.indexOf(needle, at + 1)) {
    ++count;
  }
  return count;
}

int LastPosition(const QString& needle, const QString& text) {
  if (needle.isEmpty()) return 0;
  // 0-based start of an occurrence that ends on the last character but one.
  const qsizetype latestStart = text.size() - needle.size() - 1;
  if (latestStart < 0) return 0;
  return static_cast<int>(text.lastIndexOf(needle, latestStart)) + 1;
}

QString ExtractBetween(const QString& open, const QString& close, const QString& text) {
  const QString lowerOpen = LowerKeepingPositions(open);
  const qsizetype openAt = IndexOfLowered(text, lowerOpen);
  const qsizetype closeAt = IndexOfLowered(text, LowerKeepingPositions(close));
  if (openAt < 0 || closeAt < 0) return {};
  const qsizetype begin = openAt + lowerOpen.size();
  if (closeAt < begin) return {};
  return LowerKeepingPositions(text.mid(begin, closeAt - begin));
}

char16_t LowerUnit(char16_t unit) {
  if (unit < 0x80) return (unit >= u'A' && unit <= u'Z') ? char16_t(unit + (u'a' - u'A')) : unit;
  if (QChar::isSurrogate(unit)) return unit;
  const char32_t lower = QChar::toLower(char32_t{unit});
  return QChar::requiresSurrogates(lower) ? unit : char16_t(lower);
}

bool MatchesLoweredAt(QStringView text, qsizetype at, QStringView lowerNeedle) {
  if (at < 0 || at + lowerNeedle.size() > text.size()) return false;
  for (qsizetype k = 0; k < lowerNeedle.size(); ++k)
    if (LowerUnit(text[at + k].unicode()) != lowerNeedle[k].unicode()) return false;
  return true;
}

qsizetype IndexOfLowered(QStringView text, QStringView lowerNeedle, qsizetype from, qsizetype before) {
  if (lowerNeedle.isEmpty()) return std::clamp<qsizetype>(from, 0, text.size());
  const qsizetype lastStart = std::min(before, text.size()) - lowerNeedle.size();
  const char16_t first = lowerNeedle[0].unicode();
  for (qsizetype at = std::max<qsizetype>(0, from); at <= lastStart; ++at)
    if (LowerUnit(text[at].unicode()) == first && MatchesLoweredAt(text, at, lowerNeedle)) return at;
  return -1;
}

namespace {

bool StartsSurrogatePair(QStringView text, qsizetype at) {
  return at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
}

// Lower-cases the pair at `at` in place when its lower case is a pair too.
void LowerSurrogatePair(QChar* units, qsizetype at) {
  const char32_t lower = QChar::toLower(QChar::surrogateToUcs4(units[at], units[at + 1]));
  if (!QChar::requiresSurrogates(lower)) return;
  units[at] = QChar(QChar::highSurrogate(lower));
  units[at + 1] = QChar(QChar::lowSurrogate(lower));
}

}  // namespace

QString LowerKeepingPositions(QString text) {
  QChar* units = text.data();
  const qsizetype size = text.size();
  for (qsizetype at = 0; at < size; ++at) {
    const char16_t unit = units[at].unicode();
    if (unit < 0x80) {
      if (unit >= u'A' && unit <= u'Z') units[at] = QChar(char16_t(unit + (u'a' - u'A')));
    } else if (StartsSurrogatePair(text, at)) {
      LowerSurrogatePair(units, at++);
    } else {
      const char32_t lower = QChar::toLower(char32_t{unit});
      if (!QChar::requiresSurrogates(lower)) units[at] = QChar(char16_t(lower));
    }
  }
  return text;
}

int WholeCharacterPosition(QStringView text, int position) {
  position = std::clamp(position, 0, int(text.size()));
  return position > 0 && StartsSurrogatePair(text, position - 1) ? position - 1 : position;
}

int PositionAfterCharacters(QStringView text, int from, int count) {
  int at = WholeCharacterPosition(text, from);
  for (int step = 0; step < count && at < text.size(); ++step)
    at += StartsSurrogatePair(text, at) ? 2 : 1;
  return at;
}

namespace {

QString Escaped(const QString& text, QStringView specials) {
  QString escaped;
  escaped.reserve(text.size());
  for (const QChar c : text) {
    if (!specials.contains(c))
      escaped += c;
    else if (c == u'&')
      escaped += QStringLiteral("&amp;");
    else if (c == u'"')
      escaped += QStringLiteral("&quot;");
    else if (c == u'<')
      escaped += QStringLiteral("&lt;");
    else
      escaped += QStringLiteral("&gt;");
  }
  return escaped;
}

}  // namespace

QString EscapeAttributeValue(const QString& value) { return Escaped(value, u"&\""); }

QString EscapeElementText(const QString& text) { return Escaped(text, u"&<>"); }

QString UnescapeAttributeValue(const QString& value) {
  if (!value.contains(u'&')) return value;
  QString plain = value;
  plain.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
  plain.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
  plain.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
  plain.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
  return plain.replace(QStringLiteral("&amp;"), QStringLiteral("&"));  // last: "&amp;quot;" stays "&quot;"
}

int CountLetters(const QString& selection) {
  QString letters = selection;
  letters.remove(QStringLiteral("\r\n"));
  return int(letters.toUcs4().size());
}

}  // namespace wrenpad
