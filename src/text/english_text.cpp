// SPDX-License-Identifier: GPL-3.0-or-later
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

// What ends in (from, to] of `text`: a pair, a tag or a character ends just
// after its last unit. The longest, "</body>", begins six units earlier.
EnglishTextBefore::Counts countsEndingIn(const PieceText& text, qsizetype from, qsizetype to) {
  EnglishTextBefore::Counts counts;
  if (to <= from) return counts;
  const qsizetype start = std::max<qsizetype>(0, from - 6);
  const QString stretch = text.mid(start, to - start);
  const QStringView view(stretch);
  const auto endsInside = [&](qsizetype at, qsizetype length) { return start + at + length > from; };
  for (qsizetype at = 0; at < view.size(); ++at) {
    const char16_t u = view[at].unicode();
    if (start + at >= from && !(u < 0x80 || isSingleByteWhenLowered(u))) ++counts.doubleByte;
    if (u == u'\r' && at + 1 < view.size() && view[at + 1] == u'\n' && endsInside(at, 2)) ++counts.crLfPairs;
    if (u != u'<') continue;
    if (MatchesLoweredAt(view, at, u"<br>") && endsInside(at, 4)) ++counts.breakTags;
    if (MatchesLoweredAt(view, at, u"<body") && endsInside(at, 5)) ++counts.bodyTags;
    if (MatchesLoweredAt(view, at, u"</body>") && endsInside(at, 7)) ++counts.bodyEnds;
  }
  return counts;
}
}  // namespace

EnglishTextBefore::Counts& EnglishTextBefore::Counts::add(const Counts& other, int sign) {
  crLfPairs += sign * other.crLfPairs;
  doubleByte += sign * other.doubleByte;
  breakTags += sign * other.breakTags;
  bodyTags += sign * other.bodyTags;
  bodyEnds += sign * other.bodyEnds;
  return *this;
}

// A page (a "<br>" and a "<body" before the position) is judged by the text
// of its body, which is empty until "</body>" comes: not English. Once its
// body has ended it is measured whole, as IsEnglishText measures it.
bool EnglishTextBefore::at(const PieceText& text, qsizetype position) {
  position = std::clamp<qsizetype>(position, 0, text.size());
  if (!kept_) kept_ = Kept{};
  if (position > kept_->position)
    kept_->before.add(countsEndingIn(text, kept_->position, position), +1);
  else
    kept_->before.add(countsEndingIn(text, position, kept_->position), -1);
  kept_->position = position;
  const Counts& counts = kept_->before;
  if (counts.breakTags > 0 && counts.bodyTags > 0) {
    if (counts.bodyEnds == 0) return false;
    return IsEnglishText(text.left(position));
  }
  TextMeasure whole;
  whole.characters = position - 2 * counts.crLfPairs;
  whole.bytes = whole.characters + counts.doubleByte;
  return mostlySingleByte(whole);
}

// The counts before the edit's start are the same before and after it.
void EnglishTextBefore::follow(const PieceText& before, qsizetype start) {
  if (!kept_ || start >= kept_->position) return;
  kept_->before.add(countsEndingIn(before, std::max<qsizetype>(0, start), kept_->position), -1);
  kept_->position = std::max<qsizetype>(0, start);
}

bool IsEnglishText(QStringView text) {
  const TextMeasure whole = measure(text);
  if (whole.breakTag && whole.bodyTag)
    return mostlySingleByte(measure(bodyTextOf(LowerKeepingPositions(text.toString()))));
  return mostlySingleByte(whole);
}

}  // namespace wrenpad
